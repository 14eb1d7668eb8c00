// SPDX-License-Identifier: BSD-3-Clause
// The control library: the dialog base (engines, queries), themes, and the check and cell lists as
// a person uses them.
#include "companions/zemcst/qelcontrols.h"
#include "companions/zemqel/corqelrecorder.h"
#include "qel_test_dialog.h"

namespace {

using namespace qtest;

TEST(QelDialog, EnginesAreTheGivenOrDefaultOnesAndNoneIsSafe) {
    CCorQel a, b;
    CWnd host;
    CQelDialog given(&a, &b, kDialogId, &host);
    CQelDialog::SetDefaultEngines(&b, &a);
    CQelDialog defaulted(kDialogId, &host);
    CQelDialog::SetDefaultEngines(nullptr, nullptr);
    CQelDialog none(kDialogId, nullptr);
    EXPECT_TRUE(given.GetEngine() == &a && given.GetEngine2() == &b && given.GetParent() == &host);
    EXPECT_TRUE(defaulted.GetEngine() == &b && defaulted.GetEngine2() == &a && defaulted.GetParent() == &host);
    EXPECT_TRUE(none.GetEngine() == nullptr && none.GetEngine2() == nullptr);
    defaulted.Doit(L"Star.Visible = TRUE");
    EXPECT_EQ(b.Peek(L"Star.Visible"), L"TRUE");
    EXPECT_EQ(none.Doit(L"Star.Visible = FALSE") + none.Query(L"Star.Visible"), L"");
    EXPECT_FALSE(none.IsVisible(L"Star") || none.IsItBool(L"? Star.Visible") || none.GetBool(L"star", L"visible"));
    EXPECT_EQ(none.GetDouble(L"Star.Visible"), 0.0);
}

// Each value sits only where the right query finds it.
TEST(QelDialog, QueriesReadTheirAnswers) {
    CCorQel engine;
    CQelDialog d(&engine, nullptr, kDialogId, nullptr);
    const struct { const wchar_t* stored; BOOL on; double number; } answers[] = {
        {L"TRUE", TRUE, 0.0}, {L"true", FALSE, 0.0}, {L"12.5", FALSE, 12.5}, {L"7.5等", FALSE, 7.5}, {nullptr, FALSE, 0.0}};
    for (const auto& row : answers) {
        SCOPED_TRACE(row.stored ? zem::ToUtf8(row.stored) : "unset");
        engine.Clear();
        for (const wchar_t* path : {L"Nebula.Outline.Visible", L"Nebula.FixedMagnitudeLimit", L"Nebula.Magnitude"})
            if (row.stored) engine.Set(path, row.stored);
        EXPECT_EQ(d.IsVisible(L"Nebula.Outline"), row.on);
        EXPECT_EQ(d.IsItBool(L"? Nebula.FixedMagnitudeLimit"), row.on);
        EXPECT_EQ(d.GetDouble(L"Nebula.Magnitude"), row.number);
        // A path in pieces is the same question, sent as one text.
        CCorQelRecorder traffic;
        engine.SetListener(&traffic);
        EXPECT_EQ(d.IsVisible({L"Nebula", L".", L"Outline"}), row.on);
        EXPECT_EQ(d.Query({L"Nebula.Fixed", L"MagnitudeLimit"}) == L"TRUE", row.on != FALSE);
        EXPECT_EQ(d.Query({L"Nebula.Magnitude"}), d.Query(L"Nebula.Magnitude"));
        engine.SetListener(nullptr);
        const auto events = traffic.Events();
        ASSERT_EQ(events.size(), 4u);
        EXPECT_EQ(events[0].text, L"? Nebula.Outline.Visible");
        EXPECT_EQ(events[1].text, L"? Nebula.FixedMagnitudeLimit");
        EXPECT_EQ(events[2].text, events[3].text);
    }
}

class QelControls : public CompanionTest {};

TEST_F(QelControls, OnlyTwoEmptyThemeNamesSwitchThemesOff) {
    CQelTestDialog dialog(nullptr, nullptr);
    Within(dialog, [&] {
        HWND list = dialog.m_list.GetSafeHwnd();
        EXPECT_FALSE(CQelTheme::IsThemeOff(list));
        const struct { const wchar_t *app, *ids; bool off; } calls[] = {
            {L"", L"", true}, {L"", L"Explorer", false}, {L"", L"", true}, {nullptr, nullptr, false}};
        for (const auto& call : calls) {
            CQelTheme::SetWindowTheme(list, call.app, call.ids);
            EXPECT_EQ(CQelTheme::IsThemeOff(list), call.off) << (call.app ? "app " : "null ") << (call.ids ? "ids" : "null");
        }
        CQelTheme::SetWindowTheme(nullptr, L"", L"");  // no window: no crash
    });
}

TEST_F(QelControls, CheckListKeepsTicksInStepAndAUserTickNotifiesOnce) {
    CQelTestDialog dialog(nullptr, nullptr);
    Within(dialog, [&] {
        CQelListBoxCheck& list = dialog.m_list;
        list.AddString(L"b");
        list.SetCheck(0, 1);
        list.AddString(L"a");  // sorted: the tick moves along with "b"
        EXPECT_EQ(list.GetChecks(), (std::vector<int>{0, 1}));
        list.ResetContent();
        EXPECT_GE(list.InitStorage(3, 0), 3);  // room only: no item, no tick, no notice
        EXPECT_TRUE(list.GetCount() == 0 && list.GetChecks().empty());
        for (const wchar_t* name : {L"わし", L"アンドロメダ", L"いて"}) list.InsertString(-1, name);
        const auto text = [&](int item) { CString s; list.GetText(item, s); return s; };
        EXPECT_EQ(text(0) + text(2), L"わしいて");  // sorted, yet InsertString(-1, …) appends
        for (int item : {1, 3, -1}) list.SetCheck(item, 1);
        EXPECT_EQ(list.GetChecks(), (std::vector<int>{0, 1, 0}));
        EXPECT_EQ(list.GetCheck(3) + list.GetCheck(-1), 0);
        EXPECT_EQ(dialog.log, Log{});  // nothing the program does notifies the dialog

        // The constellation dialog reads the ticks while notified: they must be toggled by then.
        std::vector<std::vector<int>> atNotice;
        dialog.react = [&] { atNotice.push_back(list.GetChecks()); };
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 2), InputResult::Done);
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 2), InputResult::Done);
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 3), InputResult::OutOfRange);
        const std::wstring command = zem::Format(L"command %u 40", static_cast<UINT>(IDC_CHECKLIST));
        EXPECT_EQ(dialog.log, (Log{command, command}));
        EXPECT_EQ(atNotice, (std::vector<std::vector<int>>{{0, 1, 1}, {0, 1, 0}}));
    });
}

TEST_F(QelControls, CellListLaysOutColumnsAsksForRowsAndReportsClicks) {
    CQelTestDialog dialog(nullptr, nullptr);
    std::vector<int> checks{1, 0, 1};
    const std::vector<std::wstring> texts{L"メシエ(M)", L"NGC", L"IC"};
    Log requests;  // "CODE CTRL FIRST+COUNT", a report adding "col C check K"
    // Plays the deep-sky dialog: column 0 holds the checks, column 1 the texts.
    dialog.onCells = [&](WPARAM code, CQelListBoxAObj::tagUpdateInfo& info) {
        const auto cells = [&](int column) -> auto& { return info.ppHeader[column]->aCell; };
        const auto first = static_cast<std::size_t>(info.nFirst), offset = static_cast<std::size_t>(info.nChangedOffset);
        ASSERT_EQ(info.nHeaderCount, 2);
        requests.push_back(zem::Format(L"%u %u %lld+%lld", static_cast<UINT>(code), info.nCtrlID,
                                       static_cast<long long>(info.nFirst), static_cast<long long>(info.nCount)));
        for (std::size_t r = 0; code == 1 && r < static_cast<std::size_t>(info.nCount); ++r) {
            cells(0).at(r).nCheck = checks.at(first + r);
            cells(1).at(r).strText = texts.at(first + r);
        }
        if (code != 4) return;
        const int check = cells(info.nChangedColumn).at(offset).nCheck;
        requests.back() += zem::Format(L" col %d check %d", info.nChangedColumn, check);
        if (info.nChangedColumn == 0) checks.at(first + offset) = check;
    };
    Within(dialog, [&] {
        CQelListBoxAObj& list = dialog.m_cells;
        list.UseVScrollBar(TRUE);
        list.SetHeaderCount(2);
        auto* check = list.GetHeaderDataItemPtr(std::int64_t{0});
        auto* text = list.GetHeaderDataItemPtr(std::int64_t{1});
        check->nID = 5;
        check->nRequestWidth = 10;
        text->nRequestWidth = 100000;  // too wide: narrowed to what is left
        list.CalcLayout();
        EXPECT_TRUE(check != text && list.GetHeaderDataItemPtr(UINT{5}) == check && list.GetHeaderDataItemPtr(UINT{0}) == text);
        EXPECT_TRUE(!list.GetHeaderDataItemPtr(std::int64_t{2}) && !list.GetHeaderDataItemPtr(std::int64_t{-1}) &&
                    !list.GetHeaderDataItemPtr(UINT{7}));
        const int area = list.GetHeaderAreaWidth();
        EXPECT_TRUE(check->nWidth == 10 && text->nWidth == area - 10) << area;
        list.UseVScrollBar(FALSE);
        EXPECT_GT(list.GetHeaderAreaWidth(), area);

        EXPECT_TRUE(list.Draw().empty());  // no rows yet: nothing asked
        list.SetValueCountTotal(3, 0);
        const auto drawn = list.Draw();
        ASSERT_EQ(drawn.size(), 3u);
        for (std::size_t r = 0; r < 3; ++r) EXPECT_TRUE(drawn[r].nCheck == checks[r] && drawn[r].strText == texts[r]) << r;
        EXPECT_EQ(requests, Log{L"1 1501 0+3"});
        EXPECT_EQ(dialog.log, Log{L"cells 1"});  // through the registered message

        // A click asks for the row as it stands, then reports the cell; only column 0 toggles.
        const struct { int row, column; InputResult result; Log requests; } clicks[] = {
            {1, 0, InputResult::Done, {L"1 1501 1+1", L"4 1501 1+1 col 0 check 1"}},
            {1, 0, InputResult::Done, {L"1 1501 1+1", L"4 1501 1+1 col 0 check 0"}},
            {2, 1, InputResult::Done, {L"1 1501 2+1", L"4 1501 2+1 col 1 check 0"}},
            {3, 0, InputResult::OutOfRange, {}},
            {0, 2, InputResult::OutOfRange, {}},
        };
        for (const auto& click : clicks) {
            requests.clear();
            EXPECT_EQ(input::Cell(dialog, IDC_CELLS, click.row, click.column), click.result) << click.row << click.column;
            EXPECT_EQ(requests, click.requests) << click.row << click.column;
        }
        list.SetHeaderCount(1);  // shrinking keeps the columns that remain
        EXPECT_TRUE(list.GetHeaderDataItemPtr(std::int64_t{0}) == check && !list.GetHeaderDataItemPtr(std::int64_t{1}));
    });
}

}  // namespace
