// The deep-sky script: which statements it holds in which state, the checks that keep it from
// being sent (silent while the person works, with their message at Close), and Cancel.
#include <gtest/gtest.h>

#include "deepsky_support.h"

using namespace bench;
using namespace deepsky;
using overlay::State;
using overlay::Value;

namespace {

const std::pair<std::wstring, std::wstring> kShown[] = {
    {L"DeepSkyObject.Mark.Visible", L"TRUE"},          {L"DeepSkyObject.Name.Visible", L"TRUE"},
    {L"DeepSkyObject.FixedMagnitudeLimit", L"TRUE"},  {L"DeepSkyObject.FixedMagnitudeLimit.Maximum", L"1"},
    {L"DeepSkyObject.FixedMagnitudeLimit.Minimum", L"12"}, {L"DeepSkyObject.Catalog.#1.Name", L"A"},
    {L"DeepSkyObject.Galaxy.Mark.Visible", L"TRUE"},  {L"DeepSkyObject.Image.Brightness", L"0.5"},
};

// The engine with two annotations shown, catalog A and every type but galaxies unselected, and
// the limit on; then extra.
void LoadShown(Bench& b, const CString& extra = CString()) {
    for (const auto& [path, value] : kShown) b.engine.Doit(CString(path + L" = " + value + L";"));
    b.engine.Doit(extra);
    b.Clear();
}

TEST(DeepSkyScript, StatementsFollowTheState) {
    const struct {
        const char* name;
        std::vector<UINT> clicks;
        int catalogA, galaxy, levels;  // statements about each
        const wchar_t *limit, *minimum;
    } cases[] = {
        // Each unselected row gets a statement for every annotation row, checked or not.
        {"as read", {}, 4, 0, 2, L"TRUE", L"12.0"},
        {"third annotation", {IDC_NBL_NUMBER}, 4, 0, 2, L"TRUE", L"12.0"},
        // The limit off: the range is not written.
        {"limit off", {IDC_NBL_LIMIT_MAG}, 4, 0, 2, L"FALSE", L""},
        // No annotation: no restriction and no limit statements at all.
        {"no annotation", {IDC_NBL_MARK, IDC_NBL_NAME}, 0, 0, 0, L"", L""},
    };
    for (const auto& c : cases) {
        Bench b;
        LoadShown(b);
        auto dlg = Make(b);
        std::vector<Bench::Step> steps;
        for (UINT id : c.clicks) steps.push_back(Click(id));
        steps.push_back(Ok());
        b.Run(*dlg, steps);
        const auto scripts = b.Scripts();
        std::wstring last = scripts.empty() ? dlg->GetUndoScript().str() : scripts.back();
        if (last.ends_with(L";Show Sky")) last.resize(last.size() - 9);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CountStatements(last, L"DeepSkyObject.A."), c.catalogA);
        EXPECT_EQ(CountStatements(last, L"DeepSkyObject.Galaxy."), c.galaxy);
        EXPECT_EQ(CountStatements(last, L"DeepSkyObject.VisibleBy"), c.levels);
        EXPECT_EQ(Value(last, L"DeepSkyObject.FixedMagnitudeLimit"), c.limit);
        EXPECT_EQ(Value(last, L"DeepSkyObject.FixedMagnitudeLimit.Minimum"), c.minimum);
        // Always: the name annotation also names the Magellanic Clouds, and the PGC range is
        // written whether or not its limit is on.
        EXPECT_EQ(Value(last, L"MagellanicCloud.Name.Visible"), Value(last, L"DeepSkyObject.Name.Visible"));
        EXPECT_EQ(Value(last, L"DeepSkyObject.PGC.FixedMagnitudeLimit.Minimum"), L"26.0");
        EXPECT_TRUE(last.ends_with(L"GroupClusterOfGalaxies.Name.Visible = FALSE;"));
    }
}

// Live changes are checked silently: a change that fails sends nothing and says nothing. Close
// checks with messages (the first failure only) and stays open while one fails.
TEST(DeepSkyScript, SilentWhileWorkingReportedAtClose) {
    const std::wstring range = L"M info 等級には -2.0 から 18.0 までの値を入力してください。";
    const std::wstring pgcRange = L"M info 等級には -2.0 から 26.0 までの値を入力してください。";
    const std::wstring order = L"M info 等級範囲は、上限等級より下限等級を大きくしてください。";
    const std::wstring brightness = L"M info 星雲・星団画像の明るさには 0.1 から 1.0 までの値を入力してください。";
    const std::wstring notANumber = L"M plain 数値を入力してください。";  // the exchange's own
    const struct {
        const char* name;
        std::vector<Bench::Step> steps;
        int sent;
        std::wstring liveMessage, closeMessage;  // closeMessage empty: Close closes
    } cases[] = {
        {"bright end above faint end", {Paste(IDC_NBL_MAG_MAX, L"13")}, 0, L"", order},
        {"bright end below -2.0", {Paste(IDC_NBL_MAG_MAX, L"-2.1")}, 0, L"", range},
        {"faint end above 18.0", {Paste(IDC_NBL_MAG_MIN, L"18.1")}, 0, L"", range},
        {"bounds and equal ends pass", {Paste(IDC_NBL_MAG_MAX, L"-2"), Paste(IDC_NBL_MAG_MIN, L"-2.0")}, 2, L"", L""},
        {"leading number checked, rest unread", {Paste(IDC_NBL_MAG_MAX, L"5x")}, 0, notANumber, notANumber},
        {"limit off: range unchecked", {Paste(IDC_NBL_MAG_MAX, L"30"), Click(IDC_NBL_LIMIT_MAG)}, 1, L"", L""},
        {"no annotation: range unchecked",
         {Paste(IDC_NBL_MAG_MAX, L"30"), Click(IDC_NBL_MARK), Click(IDC_NBL_NAME)}, 1, L"", L""},
        {"brightness above 1.0", {Click(IDC_NBL_IMAGE), Paste(IDC_NBL_BRIGHTNESS, L"1.1")}, 1, L"", brightness},
        {"brightness without a number", {Click(IDC_NBL_IMAGE), Paste(IDC_NBL_BRIGHTNESS, L"abc")}, 1, L"", brightness},
        {"brightness unchecked without images",
         {Click(IDC_NBL_IMAGE), Paste(IDC_NBL_BRIGHTNESS, L"1.1"), Click(IDC_NBL_IMAGE)}, 2, L"", L""},
        // Checking the PGC box applies twice; its limit once.
        {"PGC bright end above faint end",
         {Click(IDC_NBL_PGC), Click(IDC_NBL_PGC_LIMIT_MAG), Paste(IDC_NBL_PGC_MAG_MAX, L"20"), Paste(IDC_NBL_PGC_MAG_MIN, L"19")},
         4, L"", order},
        {"PGC faint end above 26.0",
         {Click(IDC_NBL_PGC), Click(IDC_NBL_PGC_LIMIT_MAG), Paste(IDC_NBL_PGC_MAG_MIN, L"26.1")}, 3, L"", pgcRange},
        {"PGC limit off: range unchecked",
         {Click(IDC_NBL_PGC), Click(IDC_NBL_PGC_LIMIT_MAG), Paste(IDC_NBL_PGC_MAG_MIN, L"30"), Click(IDC_NBL_PGC_LIMIT_MAG)},
         4, L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        LoadShown(b);
        auto dlg = Make(b);
        std::vector<Bench::Step> steps = c.steps;
        Events live, close;
        steps.push_back(Do([&](CDialog&) { live = b.Take(); }));
        steps.push_back(Ok());
        steps.push_back(Do([&](CDialog&) { close = b.Take(); }));
        steps.push_back(Cancel());
        const INT_PTR result = b.Run(*dlg, steps);
        int sent = 0;
        std::wstring liveMessage;
        for (const auto& e : live) {
            if (e.starts_with(L"S ")) ++sent;
            if (e.starts_with(L"M ")) liveMessage = e;
        }
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(liveMessage, c.liveMessage);
        if (c.closeMessage.empty()) {
            EXPECT_EQ(result, IDOK);
        } else {
            EXPECT_EQ(result, IDCANCEL);
            ASSERT_FALSE(close.empty());
            EXPECT_EQ(close[0], c.closeMessage);
            // Close sends nothing either way.
            for (const auto& e : close) EXPECT_FALSE(e.starts_with(L"S ")) << zem::ToUtf8(e);
        }
    }
}

// A state read at opening that fails a check keeps no undo script and applies nothing, not even
// the script an open PGC box sends; Cancel then sends nothing.
TEST(DeepSkyScript, OpeningOnAStateItRefuses) {
    for (const wchar_t* pgc : {L"FALSE", L"TRUE"}) {
        Bench b;
        LoadShown(b, State({{L"DeepSkyObject.PGC.Visible", pgc}, {L"DeepSkyObject.Image.Visible", L"TRUE"},
                            {L"DeepSkyObject.Image.Brightness", L"1.5"}}));
        auto dlg = Make(b);
        b.Run(*dlg, {Cancel()});
        EXPECT_TRUE(dlg->GetUndoScript().IsEmpty());
        EXPECT_TRUE(b.Take().empty());
    }
}

}  // namespace
