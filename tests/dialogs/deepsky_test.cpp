// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky dialog where its scenarios do not reach: odd requests of its cell lists, catalog
// names no property could have, its enable rules, how its arrows step, and the checks that keep a
// script from being sent. (Which statements the script holds: the nbl_* scenarios.)
#include <gtest/gtest.h>

#include <limits>

#include "framework/module.h"
#include "support.h"

using namespace dlg;

namespace {

// Requests a list box should never make: nothing is drawn past the rows, a record that does not
// hold what it names is reported, and nothing leaves the dialog.
TEST(DeepSkyLists, OddRequestsAreHarmless) {
    struct Reports : CInvalidArgReport {
        int count = 0;
        void OnInvalidArg(const char*) override { ++count; }
    } reports;
    AfxSetInvalidArgReport(&reports);
    using Info = CQelListBoxAObj::tagUpdateInfo;
    const std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        WPARAM code;
        UINT list;
        std::int64_t first, count, offset;
        int column, columns;
        std::size_t cells;
        int reported, sent;
        const wchar_t* firstCell;  // the text of cell 0 of the text column afterwards
    } cases[] = {
        {1, IDC_NBL_LEVEL_LIST, 1, 3, 0, 0, 2, 3, 0, 0, L"望遠鏡"},
        {1, IDC_NBL_LEVEL_LIST, 2, 3, 0, 0, 2, 3, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, -1, 2, 0, 0, 2, 2, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, kMin, kMax, 0, 0, 2, 1, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, kMax, kMax, 0, 0, 2, 1, 0, 0, L"untouched"},
        {1, IDC_NBL_LEVEL_LIST, 0, 2, 0, 0, 2, 1, 1, 0, L"双眼鏡"},  // fewer cells than rows asked for
        {1, IDC_NBL_CATALOG_LIST, 0, 1, 0, 0, 2, 1, 0, 0, L"untouched"},  // no catalogs
        {1, 1234, 0, 1, 0, 0, 2, 1, 0, 0, L"untouched"},
        {3, IDC_NBL_LEVEL_LIST, 0, 1, 0, 0, 2, 1, 0, 0, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, 0, 1, 0, 0, 2, 1, 0, 1, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, 0, 1, 0, 2, 2, 1, 1, 0, L"untouched"},   // no such column
        {4, IDC_NBL_LEVEL_LIST, 0, 1, 0, -1, 2, 1, 1, 0, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, 1, 1, 0, 0, 2, 0, 1, 0, L""},            // no such cell
        {4, IDC_NBL_LEVEL_LIST, 1, 1, 1, 0, 2, 1, 0, 0, L"untouched"},   // row 2: past the end
        {4, IDC_NBL_LEVEL_LIST, kMax, 1, kMax, 0, 2, 1, 0, 0, L"untouched"},
        {4, IDC_NBL_LEVEL_LIST, kMin, 1, kMin, 0, 2, 1, 0, 0, L"untouched"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " first " << c.first << " column " << c.column);
        Bench b;
        b.engine.LoadState(State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}}));
        auto dlg = MakeNbl(b);
        reports.count = 0;
        std::vector<CQelListBoxAObj::tagHeaderDataItem> columns(static_cast<std::size_t>(c.columns));
        std::vector<CQelListBoxAObj::tagHeaderDataItem*> pointers;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            columns[i].nID = static_cast<UINT>(i);
            columns[i].aCell.assign(c.cells, {L"untouched", 7});
            pointers.push_back(&columns[i]);
        }
        Info info{c.list, c.first, c.count, c.column, c.offset, pointers.data(), c.columns};
        b.Run(*dlg, {Do([&](CDialog& d) {
                         b.Take();
                         d.SendMessage(g_nQelListBoxAObjMessage, c.code, reinterpret_cast<LPARAM>(&info));
                         d.SendMessage(g_nQelListBoxAObjMessage, c.code, 0);
                     })});
        EXPECT_EQ(reports.count, c.reported);
        EXPECT_EQ(static_cast<int>(b.Scripts().size()), c.sent);
        EXPECT_EQ(columns[1].aCell.empty() ? L"" : columns[1].aCell[0].strText.str(), c.firstCell);
    }
    AfxSetInvalidArgReport(nullptr);
}

// Catalog names as the engine gives them: shown as they are; written into paths only when they
// can name a property, since nothing the engine answers may add a statement of its own.
TEST(DeepSkyLists, CatalogNamesAsTheEngineGivesThem) {
    const std::wstring longName(5000, L'N');
    const struct {
        const char* name;
        std::wstring stored;  // as the engine's script writes it
        std::wstring rows;
        int statements;  // about the catalog, left unselected
    } cases[] = {
        {"no catalogs", L"\"\"", L"1207 rows=\"\" enabled", 0},
        {"very long name", longName, L"1207 rows=\"0:" + longName + L"\" enabled", 4},
        {"ends a statement", L"\"X;Star.Visible = TRUE;Y\"", L"1207 rows=\"0:X;Star.Visible = TRUE;Y\" enabled", 0},
        {"assigns", L"\"Star.Visible = TRUE\"", L"1207 rows=\"0:Star.Visible = TRUE\" enabled", 0},
        {"quotes", L"Q\"Star.Visible", L"1207 rows=\"0:Q\"Star.Visible\" enabled", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.engine.LoadState(State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}}));
        b.engine.Doit(CString(L"DeepSkyObject.Catalog.#1.Name = " + c.stored));
        auto dlg = MakeNbl(b);
        b.Run(*dlg, {Do([&](CDialog& d) { EXPECT_EQ(Show(d, IDC_NBL_CATALOG_LIST), c.rows); }), Click(IDC_NBL_OUTLINE),
                     Cancel()});
        const auto scripts = b.Scripts();
        ASSERT_EQ(scripts.size(), 3u);  // the name, the change, the undo script
        for (std::size_t i = 1; i < scripts.size(); ++i) {
            EXPECT_EQ(CountStatements(scripts[i], L"DeepSkyObject." + longName + L"."), c.statements);
            EXPECT_EQ(scripts[i].find(L"Star.Visible"), std::wstring::npos);
        }
        EXPECT_EQ(b.engine.Doit(L"? Star.Visible"), L"");
    }
}


const CString kMarkShown = State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}, {L"DeepSkyObject.FixedMagnitudeLimit", L"TRUE"},
                                  {L"DeepSkyObject.FixedMagnitudeLimit.Minimum", L"12"}});

TEST(DeepSkyRules, EnableRulesFollowTheBoxes) {
    // (The PGC group: the nbl_pgc scenario.)
    struct Expect {
        UINT click;
        bool list, range, brightness;
    };
    const Expect steps[] = {
        {0, true, true, false},
        {IDC_NBL_IMAGE, true, true, true},
        {IDC_NBL_LIMIT_MAG, true, false, true},
        {IDC_NBL_LIMIT_MAG, true, true, true},
        // No annotation: the restrictions, the range and the brightness go, images or not ...
        {IDC_NBL_MARK, false, false, false},
        {IDC_NBL_IMAGE, false, false, false},
        // ... and the image box alone brings the brightness back.
        {IDC_NBL_IMAGE, false, false, true},
    };
    Bench b;
    b.engine.LoadState(kMarkShown);
    auto dlg = MakeNbl(b);
    std::vector<Bench::Step> run;
    for (const auto& e : steps) {
        if (e.click) run.push_back(Click(e.click));
        run.push_back(Do([e](CDialog& d) {
            SCOPED_TRACE(testing::Message() << "after clicking " << e.click);
            for (UINT id : {IDC_NBL_LIMIT_GROUP, IDC_NBL_CATALOG_LIST, IDC_NBL_TYPE_LIST, IDC_NBL_LIMIT_MAG})
                EXPECT_EQ(Enabled(d, id), e.list) << id;
            for (UINT id : {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MIN_SPIN, IDC_NBL_MAG_UNIT}) EXPECT_EQ(Enabled(d, id), e.range) << id;
            for (UINT id : {IDC_NBL_BRIGHTNESS, IDC_NBL_IMAGE_RESET}) EXPECT_EQ(Enabled(d, id), e.brightness) << id;
            for (UINT id : {IDC_NBL_OUTLINE, IDC_NBL_IMAGE, IDC_NBL_PGC}) EXPECT_TRUE(Enabled(d, id)) << id;
        }));
    }
    run.push_back(Cancel());
    b.Run(*dlg, run);
}

// Every arrow press is one tenth by the delta's sign within the edit's own bounds, truncated
// toward zero first. (More: the nbl_spin scenario; truncation: the overlay and magnitude-field
// tests.)
TEST(DeepSkyFields, StepsWithinEachEditsBounds) {
    const struct {
        UINT edit, spin;
        const wchar_t* text;
        int delta;
        const wchar_t* stepped;
    } cases[] = {
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"17.9", 20, L"18.0"},
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"1e300", 1, L"-2.0"},
        {IDC_NBL_MAG_MIN, IDC_NBL_MAG_MIN_SPIN, L"19", -1, L"18.0"},
        {IDC_NBL_PGC_MAG_MAX, IDC_NBL_PGC_MAG_MAX_SPIN, L"-1.95", -5, L"-2.0"},
        {IDC_NBL_PGC_MAG_MIN, IDC_NBL_PGC_MAG_MIN_SPIN, L"25.9", 1, L"26.0"},
        {IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, L"x", 1, L"0.1"},
        {IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, L"0.55", 0, L"0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.edit << " " << zem::ToUtf8(c.text) << " " << c.delta);
        Bench b;
        b.engine.LoadState(kMarkShown);
        b.engine.Doit(State({{L"DeepSkyObject.Image.Visible", L"TRUE"}, {L"DeepSkyObject.PGC.Visible", L"TRUE"},
                             {L"DeepSkyObject.PGC.FixedMagnitudeLimit", L"TRUE"}}));
        auto dlg = MakeNbl(b);
        Play(b, *dlg, {Paste(c.edit, c.text)}, {SpinRaw(c.spin, c.delta)},
             [&](CDialog& d, const Sent&) { EXPECT_EQ(TextOf(d, c.edit), c.stepped); });
    }
}

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
        {"bounds and equal ends pass", {Paste(IDC_NBL_MAG_MAX, L"-2"), Paste(IDC_NBL_MAG_MIN, L"-2.0")}, 2, L"", L""},
        {"leading number checked, rest unread", {Paste(IDC_NBL_MAG_MAX, L"5x")}, 0, notANumber, notANumber},
        {"limit off: range unchecked", {Paste(IDC_NBL_MAG_MAX, L"30"), Click(IDC_NBL_LIMIT_MAG)}, 1, L"", L""},
        {"no annotation: range unchecked",
         {Paste(IDC_NBL_MAG_MAX, L"30"), Click(IDC_NBL_MARK), Click(IDC_NBL_NAME)}, 1, L"", L""},
        {"brightness above 1.0", {Click(IDC_NBL_IMAGE), Paste(IDC_NBL_BRIGHTNESS, L"1.1")}, 1, L"", brightness},
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
        auto dlg = MakeNbl(b);
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
        auto dlg = MakeNbl(b);
        b.Run(*dlg, {Cancel()});
        EXPECT_TRUE(dlg->GetUndoScript().IsEmpty());
        EXPECT_TRUE(b.Take().empty());
    }
}

}  // namespace
