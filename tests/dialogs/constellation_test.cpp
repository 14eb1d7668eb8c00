// SPDX-License-Identifier: BSD-3-Clause
// The constellation dialog where its scenarios do not reach: presets against a selection that is
// nearly full, the list's order and look, the desktop list's notification, picture sets by engine
// state, enable and repaint rules, and the cost of a live change.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

#include "companions/zemcst/qelcontrols.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "dialogs/constellation/dlgcons.h"
#include "support.h"

using namespace dlg;

namespace {

CQelListBoxCheck& List(CDialog& d) { return *dynamic_cast<CQelListBoxCheck*>(d.GetDlgItem(IDC_CONS_LIST)); }

std::wstring ItemText(CDialog& d, int item) {
    CString text;
    List(d).GetText(item, text);
    return text.str();
}

// The constellation numbers ticked, and those a script selects.
std::set<int> Ticked(CDialog& d) {
    std::set<int> n;
    for (int i = 0; i < 88; ++i)
        if (List(d).GetCheck(i)) n.insert(i + 1);
    return n;
}
std::set<int> SentSelection(const std::wstring& script) {
    std::set<int> n;
    for (int i = 1; i <= 88; ++i)
        if (script.find(L"Constellation.No" + std::to_wstring(i) + L".Selection = TRUE;") != std::wstring::npos) n.insert(i);
    return n;
}

// What one change sends.
Events Applied(const std::wstring& script) { return {L"S " + script, L"W 2066 0 0 main", L"S ;Show Sky"}; }

TEST(Constellation, PresetsReplaceOnlyAFullSelection) {
    // After each step: how many are ticked, and that the script sent selects exactly those.
    // (Spring replacing all, summer adding, the zodiac: the cons_presets scenario.)
    const std::pair<Bench::Step, std::size_t> steps[] = {
        {Click(IDC_CONS_SELECT_ALL), 88}, {Tick(IDC_CONS_LIST, 0), 87},
        {Click(IDC_CONS_WINTER), 87},  // 87 of 88 is a limited selection: winter adds, constellation 1 stays off
        {Click(IDC_CONS_CLEAR_ALL), 0},   {Click(IDC_CONS_SPRING), 17},  {Tick(IDC_CONS_LIST, 7), 16},
        // The seasons and the south cover the 88 once each.
        {Tick(IDC_CONS_LIST, 7), 17},     {Click(IDC_CONS_SUMMER), 33},  {Click(IDC_CONS_AUTUMN), 49},
        {Click(IDC_CONS_WINTER), 66},     {Click(IDC_CONS_SOUTH), 88},   {Click(IDC_CONS_ZODIAC), 12},
    };
    Bench b;
    b.LoadDefaultSky();
    auto dlg = Make<CDlgCons>(b);
    std::vector<Bench::Step> run;
    for (const auto& [step, count] : steps) {
        run.push_back(step);
        run.push_back(Do([&b, count](CDialog& d) {
            const std::set<int> ticked = Ticked(d);
            EXPECT_EQ(ticked.size(), count);
            const Events e = b.Take();
            ASSERT_EQ(e.size(), 3u);
            EXPECT_EQ(e, Applied(e[0].substr(2)));
            EXPECT_EQ(SentSelection(e[0]), ticked);
        }));
    }
    b.Run(*dlg, run);
}

TEST(Constellation, OpensInNumberOrderWithoutTheme) {
    Bench b;
    b.LoadDefaultSky();
    auto dlg = Make<CDlgCons>(b);
    b.Run(*dlg, {Do([&](CDialog& d) {
                     ASSERT_EQ(List(d).GetCount(), 88);
                     // Inserted by position: the list's sort style would put katakana after hiragana.
                     EXPECT_EQ(ItemText(d, 0), L"アンドロメダ");
                     EXPECT_EQ(ItemText(d, 1), L"いっかくじゅう");
                     EXPECT_EQ(ItemText(d, 87), L"わし");
                     EXPECT_EQ(List(d).GetCaretIndex(), 0);
                     EXPECT_TRUE(CQelTheme::IsThemeOff(List(d).GetSafeHwnd()));
                 }),
                 Cancel()});
}

TEST(Constellation, DesktopListNotificationAppliesLikeATick) {
    Bench b;
    b.LoadDefaultSky();
    auto dlg = Make<CDlgCons>(b);
    b.Run(*dlg, {Do([&](CDialog& d) {
                     List(d).SetCheck(4, 0);  // the desktop list ticks, then tells its parent
                     List(d).SetCheck(5, 0);
                     EXPECT_EQ(d.SendMessage(CQelListBoxCheck::kCheckChangeMessage, 0, 0), 0);
                     const Events e = b.Take();
                     ASSERT_EQ(e.size(), 3u);
                     EXPECT_EQ(e, Applied(e[0].substr(2)));
                     EXPECT_EQ(SentSelection(e[0]).size(), 86u);
                 }),
                 Ok()});
}

TEST(Constellation, PictureSetByEngineStateThenByHand) {
    // (Outline pictures and a file in another case: the cons_pictures scenario.)
    const struct {
        const wchar_t* state;
        int sel;
        bool asksFile;
    } cases[] = {
        {L"Constellation.Picture.Image.Visible = TRUE;", 2, true},
        {L"Constellation.Picture.Image.Visible = TRUE; Constellation.Picture.Image.File = other.png;", 0, true},
        {L"Constellation.Picture.Image.Visible = true;", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(zem::ToUtf8(c.state));
        Bench b;
        b.engine.LoadState(CString(L"Constellation.Picture.Visible = TRUE; Constellation.Picture.Image.File = \"CNSPIC\\Greek.PNG\";") +
                           c.state);
        b.recordQueries = true;
        auto dlg = Make<CDlgCons>(b);
        b.Run(*dlg, {Do([&](CDialog& d) { EXPECT_EQ(dynamic_cast<CComboBox&>(*d.GetDlgItem(IDC_CONS_PICTURE_SET)).GetCurSel(), c.sel); }),
                     Select(IDC_CONS_PICTURE_SET, 1), Ok()});
        const Events e = b.Take();
        EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const std::wstring& s) { return s.starts_with(L"Q ? Constellation.Picture.Image.File"); }),
                  c.asksFile ? 1 : 0);
        const wchar_t* files[] = {L"standard", L"lineart", L"greek"};
        EXPECT_NE(dlg->GetUndoScript().Find(CString(L"Image.File = \"cnspic\\") + files[c.sel] + L".png\";"), -1);
        EXPECT_NE(e.at(e.size() - 3).find(L"Image.File = \"cnspic\\lineart.png\";"), std::wstring::npos);
    }
}

TEST(Constellation, OverlayNameSwitchesFollowTheirShowSwitch) {
    const UINT pairs[][2] = {{IDC_CONS_ASTERISM, IDC_CONS_ASTERISM_NAME},
                             {IDC_CONS_NICKNAME, IDC_CONS_NICKNAME_NAME},
                             {IDC_CONS_CHINESE, IDC_CONS_CHINESE_NAME},
                             {IDC_CONS_CALENDAR, IDC_CONS_CALENDAR_NAME}};
    Bench b;
    b.LoadDefaultSky();  // every show switch off, every name on
    auto dlg = Make<CDlgCons>(b);
    b.Run(*dlg, {Do([&](CDialog& d) {
                     for (const auto& p : pairs) {
                         EXPECT_FALSE(Enabled(d, p[1])) << p[1];
                         input::Click(d, p[0]);
                         EXPECT_TRUE(Enabled(d, p[1]) && Checked(d, p[1])) << p[1];
                         input::Click(d, p[0]);
                         EXPECT_FALSE(Enabled(d, p[1])) << p[1];
                     }
                 }),
                 Ok()});
}

TEST(Constellation, RepaintsBeforeApplyingOnlyTheConstellationSwitches) {
    Bench b;
    auto dlg = Make<CDlgCons>(b);
    std::vector<int> painted;
    auto paints = [&](UINT id) {
        return Do([&, id](CDialog& d) {
            const int before = AfxPaintCount(d.GetSafeHwnd());
            input::Click(d, id);
            painted.push_back(AfxPaintCount(d.GetSafeHwnd()) - before);
        });
    };
    b.Run(*dlg, {paints(IDC_CONS_NAME), paints(IDC_CONS_PICTURE), paints(IDC_CONS_ASTERISM), paints(IDC_CONS_SPRING),
                 paints(IDC_CONS_COLOR_FONT), Ok()});
    EXPECT_EQ(painted, (std::vector<int>{2, 2, 0, 0, 0}));  // the base's paint, then the dialog's own
}

TEST(Constellation, ALiveChangeCostsMicroseconds) {
#ifdef __SANITIZE_ADDRESS__
    const double budget = 20000.0;  // every allocation is instrumented
#else
    const double budget = 1000.0;
#endif
    Bench b;
    b.LoadDefaultSky();
    auto dlg = Make<CDlgCons>(b);
    double perChange = 0;
    b.Run(*dlg, {Do([&](CDialog& d) {
                     b.engine.SetListener(nullptr);  // the dialog and the engine, not the bench's records
                     const int n = 500;
                     const auto start = std::chrono::steady_clock::now();
                     for (int i = 0; i < n; ++i) input::Tick(d, IDC_CONS_LIST, i % 88);
                     perChange = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / n;
                 }),
                 Ok()});
    std::printf("one constellation change: %.2f us\n", perChange);
    EXPECT_LT(perChange, budget);
}

}  // namespace
