// The constellation dialog where a scenario is clumsy: the presets against the current selection,
// the desktop list's notification, picture sets by engine state, enable and repaint rules, cost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

#include "bench/bench.h"
#include "companions/zemcst/qelcontrols.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "dialogs/constellation/dlgcons.h"
#include "resources/resource_ids.h"

using namespace bench;

namespace {

using Numbers = std::set<int>;  // constellation numbers, 1..88


std::size_t StatementCount(const std::wstring& script) { return static_cast<std::size_t>(std::count(script.begin(), script.end(), L';')); }

Numbers SentSelection(const std::wstring& script) {
    Numbers n;
    for (int i = 1; i <= 88; ++i)
        if (script.find(L"Constellation.No" + std::to_wstring(i) + L".Selection = TRUE;") != std::wstring::npos) n.insert(i);
    return n;
}

CQelListBoxCheck& List(CDialog& d) { return *dynamic_cast<CQelListBoxCheck*>(d.GetDlgItem(IDC_CONS_LIST)); }

std::wstring ItemText(CDialog& d, int item) {
    CString text;
    List(d).GetText(item, text);
    return text.str();
}

Numbers Ticked(CDialog& d) {
    Numbers n;
    for (int i = 0; i < 88; ++i)
        if (List(d).GetCheck(i)) n.insert(i + 1);
    return n;
}

// What one change sends.
Events Applied(const std::wstring& script) { return {L"S " + script, L"W 2066 0 0 main", L"S ;Show Sky"}; }

TEST(Constellation, PresetsReplaceOnlyAFullSelection) {
    Bench b;
    b.LoadDefaultSky();
    CDlgCons dlg(&b.engine, &b.engine2, b.parent());
    std::vector<Numbers> ticked;
    Numbers zodiac;
    auto after = [&](Bench::Step step) {
        return Do([&, step](CDialog& d) {
            step(d);
            ticked.push_back(Ticked(d));
            const Events e = b.Take();
            ASSERT_EQ(e.size(), 3u);
            EXPECT_EQ(e, Applied(e[0].substr(2)));
            EXPECT_EQ(SentSelection(e[0]), ticked.back());
        });
    };
    const std::set<std::wstring> zodiacNames = {L"おひつじ", L"おうし", L"ふたご", L"かに", L"しし", L"おとめ",
                                                L"てんびん", L"さそり", L"いて", L"やぎ", L"みずがめ", L"うお"};
    b.Run(dlg, {Do([&](CDialog& d) {
                    for (int i = 0; i < 88; ++i)
                        if (zodiacNames.count(ItemText(d, i))) zodiac.insert(i + 1);
                }),
                after(Click(IDC_CONS_SPRING)), after(Click(IDC_CONS_SUMMER)), after(Tick(IDC_CONS_LIST, 7)),
                after(Click(IDC_CONS_CLEAR_ALL)), after(Click(IDC_CONS_ZODIAC)), after(Click(IDC_CONS_SELECT_ALL)),
                after(Tick(IDC_CONS_LIST, 0)), after(Click(IDC_CONS_WINTER)), after(Click(IDC_CONS_CLEAR_ALL)),
                after(Click(IDC_CONS_SPRING)), after(Click(IDC_CONS_SUMMER)), after(Click(IDC_CONS_AUTUMN)),
                after(Click(IDC_CONS_WINTER)), after(Click(IDC_CONS_SOUTH)), after(Click(IDC_CONS_ZODIAC)), Ok()});
    ASSERT_EQ(ticked.size(), 15u);
    ASSERT_EQ(zodiac.size(), 12u);
    EXPECT_EQ(ticked[0].size(), 17u);  // all were selected: exactly spring
    EXPECT_EQ(ticked[1].size(), 33u);  // spring was a limited selection: summer adds
    EXPECT_EQ(ticked[2].size(), 32u);  // constellation 8 (spring) unticked by hand
    EXPECT_TRUE(ticked[3].empty());
    EXPECT_EQ(ticked[4], zodiac);
    EXPECT_EQ(ticked[5].size(), 88u);
    EXPECT_EQ(ticked[7].size(), 87u);  // 87 of 88 is limited: winter adds, constellation 1 stays off
    EXPECT_FALSE(ticked[7].count(1));
    // The seasons and the south cover the 88 once each; all set again, the zodiac replaces them.
    const std::size_t sizes[] = {17, 33, 49, 66, 88};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(ticked[9 + i].size(), sizes[i]) << i;
    EXPECT_EQ(ticked[9], ticked[0]);
    EXPECT_EQ(ticked[14], zodiac);
}

TEST(Constellation, OpensOnTheEngineInNumberOrder) {
    Bench b;
    b.LoadDefaultSky();
    b.engine.LoadState(L"Constellation.No5.Selection = false; Constellation.Picture.Outline.Visible = TRUE;");
    CDlgCons dlg(&b.engine, &b.engine2, b.parent());
    b.Run(dlg, {Do([&](CDialog& d) {
                    ASSERT_EQ(List(d).GetCount(), 88);
                    // Inserted by position: the list's sort style would put katakana after hiragana.
                    EXPECT_EQ(ItemText(d, 0), L"アンドロメダ");
                    EXPECT_EQ(ItemText(d, 1), L"いっかくじゅう");
                    EXPECT_EQ(ItemText(d, 87), L"わし");
                    EXPECT_EQ(List(d).GetCaretIndex(), 0);
                    EXPECT_TRUE(CQelTheme::IsThemeOff(List(d).GetSafeHwnd()));
                }),
                Cancel()});
    EXPECT_TRUE(b.Take().empty());
    const std::wstring undo = dlg.GetUndoScript().str();
    EXPECT_EQ(StatementCount(undo), 105u);
    EXPECT_EQ(SentSelection(undo).size(), 87u);
    // Outline pictures are not given back on Cancel.
    EXPECT_NE(undo.find(L"Constellation.Picture.Image.Visible = TRUE;Constellation.Picture.Outline.Visible = FALSE;"
                        L"Constellation.Picture.Image.File = \"cnspic\\standard.png\";"),
              std::wstring::npos);
}

TEST(Constellation, DesktopListNotificationAppliesLikeATick) {
    Bench b;
    b.LoadDefaultSky();
    CDlgCons dlg(&b.engine, &b.engine2, b.parent());
    LRESULT result = -1;
    Events e;
    b.Run(dlg, {Do([&](CDialog& d) {
                    List(d).SetCheck(4, 0);  // the desktop list ticks, then tells its parent
                    List(d).SetCheck(5, 0);
                    result = d.SendMessage(CQelListBoxCheck::kCheckChangeMessage, 0, 0);
                    e = b.Take();
                }),
                Ok()});
    EXPECT_EQ(result, 0);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e, Applied(e[0].substr(2)));
    EXPECT_EQ(StatementCount(e[0]), 105u);
    EXPECT_NE(e[0].find(L"Constellation.No5.Selection = FALSE;Constellation.No6.Selection = FALSE;"), std::wstring::npos);
}

TEST(Constellation, PictureSetByEngineStateThenByHand) {
    const struct {
        const wchar_t* state;
        int sel;
        bool asksFile;
    } cases[] = {
        {L"Constellation.Picture.Outline.Visible = TRUE; Constellation.Picture.Image.Visible = TRUE;", 0, false},
        {L"Constellation.Picture.Image.Visible = TRUE;", 2, true},
        {L"Constellation.Picture.Image.Visible = TRUE; Constellation.Picture.Image.File = other.png;", 0, true},
        {L"Constellation.Picture.Image.Visible = true;", 0, false},
    };
    for (const auto& c : cases) {
        Bench b;
        b.engine.LoadState(CString(L"Constellation.Picture.Visible = TRUE; Constellation.Picture.Image.File = \"CNSPIC\\Greek.PNG\";") +
                           c.state);
        b.recordQueries = true;
        CDlgCons dlg(&b.engine, &b.engine2, b.parent());
        int sel = -2;
        b.Run(dlg, {Do([&](CDialog& d) { sel = dynamic_cast<CComboBox*>(d.GetDlgItem(IDC_CONS_PICTURE_SET))->GetCurSel(); }),
                    Select(IDC_CONS_PICTURE_SET, 1), Ok()});
        EXPECT_EQ(sel, c.sel) << zem::ToUtf8(c.state);
        const Events e = b.Take();
        EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const std::wstring& s) { return s.find(L"Q ? Constellation.Picture.Image.File") == 0; }),
                  c.asksFile ? 1 : 0);
        const wchar_t* files[] = {L"standard", L"lineart", L"greek"};
        EXPECT_NE(dlg.GetUndoScript().Find(CString(L"Image.File = \"cnspic\\") + files[c.sel] + L".png\";"), -1);
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
    CDlgCons dlg(&b.engine, &b.engine2, b.parent());
    std::vector<bool> enabled;
    b.Run(dlg, {Do([&](CDialog& d) {
                    for (const auto& p : pairs) {
                        enabled.push_back(Enabled(d, p[1]));
                        input::Click(d, p[0]);
                        enabled.push_back(Enabled(d, p[1]) && Checked(d, p[1]));
                        input::Click(d, p[0]);
                        enabled.push_back(Enabled(d, p[1]));
                    }
                }),
                Ok()});
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, false, true, false, false, true, false, false, true, false}));
}

TEST(Constellation, RepaintsBeforeApplyingOnlyTheConstellationSwitches) {
    Bench b;
    CDlgCons dlg(&b.engine, &b.engine2, b.parent());
    std::vector<int> painted;
    auto paints = [&](UINT id) {
        return Do([&, id](CDialog& d) {
            const int before = AfxPaintCount(d.GetSafeHwnd());
            input::Click(d, id);
            painted.push_back(AfxPaintCount(d.GetSafeHwnd()) - before);
        });
    };
    b.Run(dlg, {paints(IDC_CONS_NAME), paints(IDC_CONS_PICTURE), paints(IDC_CONS_ASTERISM), paints(IDC_CONS_SPRING),
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
    CDlgCons dlg(&b.engine, &b.engine2, b.parent());
    double perChange = 0;
    b.Run(dlg, {Do([&](CDialog& d) {
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
