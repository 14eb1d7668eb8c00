// The control library: the dialog base (engines, help, statements, queries), the owner-drawn
// controls binding to their template controls, and the check and cell lists as a person uses them.
#include "companions/zemcst/qelcontrols.h"
#include "qel_test_dialog.h"

namespace {

using namespace qtest;

TEST(QelDialogEngines, ConstructorsTakeGivenOrDefaultEngines) {
    CCorQel a, b;
    CWnd host;
    CQelTestDialog given(&a, &b, &host);
    CQelDialog::SetDefaultEngines(&b, &a);
    CQelTestDialog defaulted(&host);
    CQelDialog::SetDefaultEngines(nullptr, nullptr);
    CQelTestDialog none(nullptr);
    const struct { CQelTestDialog* dialog; CCorQel *engine, *engine2; CWnd* parent; } rows[] = {
        {&given, &a, &b, &host}, {&defaulted, &b, &a, &host}, {&none, nullptr, nullptr, nullptr}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.dialog->GetEngine(), row.engine);
        EXPECT_EQ(row.dialog->GetEngine2(), row.engine2);
        EXPECT_EQ(row.dialog->GetParent(), row.parent);
        EXPECT_EQ(row.dialog->GetTemplateId(), kDialogId);
    }
    defaulted.Doit(L"Star.Visible = TRUE");
    // Without engines every answer is empty and scripts go nowhere.
    EXPECT_EQ(none.Doit(L"Star.Visible = FALSE;Show Sky"), L"");
    EXPECT_EQ(none.Query(L"Star.Visible"), L"");
    EXPECT_FALSE(none.IsVisible(L"Star") || none.IsItBool(L"? Star.Visible") || none.GetBool(L"star", L"visible"));
    EXPECT_EQ(none.GetDouble(L"Star.Visible"), 0.0);
    EXPECT_EQ(b.Peek(L"Star.Visible"), L"TRUE");
    EXPECT_EQ(b.GetRedrawCount(), 0);
}

class QelDialog : public CompanionTest {};

TEST_F(QelDialog, HelpButtonServesTheHelpKey) {
    struct : CQelHelpService {
        Log keys;
        void ShowHelp(const CString& key) override { keys.push_back(key.str()); }
    } help;
    CQelTestDialog dialog(nullptr, nullptr);
    CQelDialog::SetHelpService(&help);
    Within(dialog, [&] { input::Click(dialog, ID_HELP); });
    CQelDialog::SetHelpService(nullptr);
    Within(dialog, [&] { input::Click(dialog, ID_HELP); });  // no service: nothing happens
    EXPECT_EQ(help.keys, Log{L"settings/parts.html"});
}

TEST(QelDialogScript, StatementsJoinAndRunInAnyLocale) {
    CCorQel engine;
    CQelTestDialog d(&engine, nullptr);
    const struct { CString statement; const wchar_t *path, *value; } rows[] = {
        {d.GetScriptBool(L"Star.Name", TRUE), L"Star.Name", L"TRUE"},
        {d.GetScriptBool(L"Star.Number", 2), L"Star.Number", L"TRUE"},
        {d.GetScriptBool(L"Star.Mark", FALSE), L"Star.Mark", L"FALSE"},
        {d.GetScriptVisible(L"Nebula.Outline", TRUE), L"Nebula.Outline.Visible", L"TRUE"},
        {d.GetScriptVisible(L"Nebula.Image", FALSE), L"Nebula.Image.Visible", L"FALSE"},
        {d.GetScriptValue(L"Nebula.Limit", 6.5), L"Nebula.Limit", L"6.5"},
        {d.GetScriptValue(L"Nebula.Bright", -0.96), L"Nebula.Bright", L"-1.0"},
        {d.GetScriptValue(L"Nebula.Min", 12.0), L"Nebula.Min", L"12.0"},
    };
    // Callers join the statements with nothing between: each must carry its own ';'.
    CString script;
    for (const auto& row : rows) script += row.statement;
    engine.Doit(script);
    EXPECT_EQ(engine.GetIgnoredCount(), 0);
    for (const auto& row : rows) EXPECT_EQ(engine.Peek(row.path), row.value) << zem::ToUtf8(row.statement);
    if (CommaLocale comma; comma) {
        EXPECT_EQ(d.GetScriptValue(L"Nebula.Limit", 6.5), rows[5].statement);
    }
}

TEST(QelDialogQuery, ReadsTheEnginesAnswers) {
    // Each value sits only where the right query finds it.
    CCorQel engine;
    CQelTestDialog dialog(&engine, nullptr);
    const struct { const wchar_t* stored; BOOL on; double number; } rows[] = {
        {L"TRUE", TRUE, 0.0}, {L"true", FALSE, 0.0}, {L"FALSE", FALSE, 0.0}, {L"12.5", FALSE, 12.5},
        {L"-3", FALSE, -3.0}, {L"7.5等", FALSE, 7.5}, {L"等級", FALSE, 0.0}, {nullptr, FALSE, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored ? zem::ToUtf8(row.stored) : "unset");
        engine.Clear();
        for (const wchar_t* path : {L"Nebula.Outline.Visible", L"Nebula.FixedMagnitudeLimit", L"Nebula.Magnitude"})
            if (row.stored) engine.Set(path, row.stored);
        EXPECT_EQ(dialog.IsVisible(L"Nebula.Outline"), row.on);
        EXPECT_EQ(dialog.IsItBool(L"? Nebula.FixedMagnitudeLimit"), row.on);
        EXPECT_EQ(dialog.GetDouble(L"Nebula.Magnitude"), row.number);
    }
}

// ---- owner-drawn controls ------------------------------------------------------------------------

template <class Control>
struct Spy : Control {
    std::vector<UINT> seen;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        return Control::WindowProc(message, wParam, lParam);
    }
};

class QelControls : public CompanionTest {
protected:
    template <class Control>
    static void ExpectBinds(CQelTestDialog& dialog, UINT id, const char* name) {
        SCOPED_TRACE(name);
        Spy<Control> control, other;
        ASSERT_TRUE(control.Attach(id, &dialog));
        dialog.SendDlgItemMessage(static_cast<int>(id), WM_APP + 7);
        EXPECT_EQ(control.seen, std::vector<UINT>{WM_APP + 7});
        EXPECT_FALSE(other.Attach(id, &dialog));           // the control is bound already
        EXPECT_FALSE(control.Attach(IDC_EDIT2, &dialog));  // so is the object
        EXPECT_FALSE(other.Attach(4242, &dialog));         // no such control
    }
};

TEST_F(QelControls, AttachBindsEachClassToItsControl) {
    CQelTestDialog dialog(nullptr, nullptr);
    Within(dialog, [&] {
        ExpectBinds<CQelGroupBox>(dialog, IDC_GROUP, "CQelGroupBox");
        ExpectBinds<CQelCheckBox>(dialog, IDC_CHECK, "CQelCheckBox");
        ExpectBinds<CFocusCheckBox>(dialog, IDC_CHECK, "CFocusCheckBox");
        ExpectBinds<CQelRadioButton>(dialog, IDC_RADIO, "CQelRadioButton");
        ExpectBinds<CQelEdit>(dialog, IDC_EDIT, "CQelEdit");
        ExpectBinds<CQelStatic>(dialog, IDC_LABEL, "CQelStatic");
        ExpectBinds<CQelSpinButton>(dialog, IDC_SPIN, "CQelSpinButton");
        ExpectBinds<CQelComboBox>(dialog, IDC_COMBO, "CQelComboBox");
        EXPECT_TRUE(dialog.listsAttached);
        EXPECT_FALSE(CQelListBoxCheck().Attach(IDC_CHECKLIST, &dialog));
        EXPECT_FALSE(CQelListBoxAObj().Attach(IDC_CELLS, &dialog));

        CQelButton button;  // distinct colours, so that a swapped pair shows
        ASSERT_TRUE(button.Attach(IDC_COLOUR, &dialog, 0x000001, 0xC4C4C4, 0x6B6B6B, 0xC4C4C5, 1));
        EXPECT_EQ(dialog.GetDlgItem(IDC_COLOUR), &button);
        EXPECT_EQ((std::vector<COLORREF>{button.m_crFocus, button.m_crFace, button.m_crText, button.m_crDisabled, button.m_nBevel}),
                  (std::vector<COLORREF>{0x000001, 0xC4C4C4, 0x6B6B6B, 0xC4C4C5, 1}));
        EXPECT_FALSE(CQelButton().Attach(IDC_COLOUR, &dialog, 0, 0, 0, 0, 1));
    });
}

TEST_F(QelControls, OnlyTwoEmptyThemeNamesSwitchTheThemeOff) {
    CQelTestDialog dialog(nullptr, nullptr);
    Within(dialog, [&] {
        HWND list = dialog.m_list.GetSafeHwnd();
        ASSERT_FALSE(CQelTheme::IsThemeOff(list));
        const struct { const wchar_t *app, *ids; bool off; } calls[] = {
            {L"", L"", true}, {L"", L"Explorer", false}, {L"", L"", true}, {nullptr, nullptr, false},
        };
        for (const auto& call : calls) {
            CQelTheme::SetWindowTheme(list, call.app, call.ids);
            EXPECT_EQ(CQelTheme::IsThemeOff(list), call.off) << (call.app ? "app " : "null ") << (call.ids ? "ids" : "null");
        }
        CQelTheme::SetWindowTheme(nullptr, L"", L"");
    });
}

TEST_F(QelControls, CheckListKeepsOrderAndTicksInStep) {
    CQelTestDialog dialog(nullptr, nullptr);
    Within(dialog, [&] {
        CQelListBoxCheck& list = dialog.m_list;
        ASSERT_TRUE(list.GetStyle() & 0x2);  // sorted, yet InsertString(-1, …) appends
        for (const wchar_t* name : {L"わし", L"アンドロメダ", L"いて"}) list.InsertString(-1, name);
        CString first, last;
        list.GetText(0, first);
        list.GetText(2, last);
        EXPECT_EQ(first + last, L"わしいて");
        for (int item : {1, 3, -1}) list.SetCheck(item, 1);
        EXPECT_EQ(list.GetChecks(), (std::vector<int>{0, 1, 0}));
        EXPECT_EQ(list.GetCheck(3) + list.GetCheck(-1), 0);
        EXPECT_EQ(list.SetCaretIndex(2), 0);
        EXPECT_EQ(list.GetCaretIndex(), 2);

        // After a reset the ticks start again with the items; a sorted add carries them along.
        list.ResetContent();
        list.AddString(L"b");
        list.SetCheck(0, 1);
        list.AddString(L"a");
        list.GetText(1, last);
        EXPECT_EQ(last, L"b");
        EXPECT_EQ(list.GetChecks(), (std::vector<int>{0, 1}));
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 2), InputResult::OutOfRange);
        EXPECT_EQ(dialog.log, Log{});  // nothing the program does notifies the dialog
    });
}

TEST_F(QelControls, UserTickTogglesAndNotifiesOnce) {
    CQelTestDialog dialog(nullptr, nullptr);
    Within(dialog, [&] {
        for (const wchar_t* name : {L"一", L"二", L"三"}) dialog.m_list.InsertString(-1, name);
        // The constellation dialog reads the ticks while notified: they must be toggled by then.
        std::vector<std::vector<int>> atNotice;
        dialog.react = [&] { atNotice.push_back(dialog.m_list.GetChecks()); };
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 2), InputResult::Done);
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 2), InputResult::Done);
        EXPECT_EQ(input::Tick(dialog, IDC_CHECKLIST, 3), InputResult::OutOfRange);
        const std::wstring command = zem::Format(L"command %u 40", static_cast<UINT>(IDC_CHECKLIST));
        EXPECT_EQ(dialog.log, (Log{command, command}));
        EXPECT_EQ(atNotice, (std::vector<std::vector<int>>{{0, 0, 1}, {0, 0, 0}}));
    });
}

// ---- CQelListBoxAObj ------------------------------------------------------------------------------

class CellList : public CompanionTest {
protected:
    static_assert(IDC_CELLS == 1501, "the expected requests below name the list by its id");
    // Plays the deep-sky dialog over rows, and writes each request down as
    // "CODE CTRL FIRST+COUNT ID:CELLS…" (code 4 adds "col C off O check K").
    void SetUp() override {
        CompanionTest::SetUp();
        dialog.onCells = [this](WPARAM code, CQelListBoxAObj::tagUpdateInfo& info) {
            std::wstring s = zem::Format(L"%u %u %lld+%lld", static_cast<UINT>(code), info.nCtrlID,
                                         static_cast<long long>(info.nFirst), static_cast<long long>(info.nCount));
            const auto first = static_cast<std::size_t>(info.nFirst);
            for (int c = 0; c < info.nHeaderCount; ++c) {
                auto& column = *info.ppHeader[c];
                s += zem::Format(L" %u:%zu", column.nID, column.aCell.size());
                for (std::size_t r = 0; code == 1 && r < static_cast<std::size_t>(info.nCount); ++r) {
                    if (column.nID == 0) column.aCell.at(r).nCheck = rows.at(first + r).check;
                    if (column.nID == 1) column.aCell.at(r).strText = rows.at(first + r).text;
                }
            }
            if (code == 4) {
                const auto& column = *info.ppHeader[info.nChangedColumn];
                const int check = column.aCell.at(static_cast<std::size_t>(info.nChangedOffset)).nCheck;
                s += zem::Format(L" col %d off %lld check %d", info.nChangedColumn, static_cast<long long>(info.nChangedOffset), check);
                if (column.nID == 0) rows.at(first + static_cast<std::size_t>(info.nChangedOffset)).check = check;
            }
            requests.push_back(s);
        };
    }
    // The two columns as the deep-sky dialog sets them up: the text column fills what the check
    // column leaves.
    void SetUpColumns() {
        CQelListBoxAObj& list = dialog.m_cells;
        list.UseVScrollBar(TRUE);
        list.HeaderVisible(FALSE);
        list.SelectableDataItem(TRUE);
        list.AutoAdjustDataItemHeight(FALSE);
        list.SetHeaderCount(2);
        for (std::int64_t p = 0; p < 2; ++p) {
            auto* column = list.GetHeaderDataItemPtr(p);
            column->Init();
            column->nID = static_cast<UINT>(p);
            column->nRequestWidth = 10;
        }
        list.CalcLayout();
        list.GetHeaderDataItemPtr(UINT{1})->nRequestWidth = list.GetHeaderAreaWidth() - list.GetHeaderDataItemPtr(UINT{0})->nWidth;
        list.CalcLayout();
    }

    struct Row {
        int check;
        std::wstring text;
    };
    std::vector<Row> rows{{1, L"メシエ(M)"}, {0, L"NGC"}, {1, L"IC"}};
    Log requests;
    CQelTestDialog dialog{nullptr, nullptr};
};

TEST_F(CellList, ColumnsByPositionAndIdAndTheirWidths) {
    Within(dialog, [&] {
        CQelListBoxAObj& list = dialog.m_cells;
        SetUpColumns();
        auto* check = list.GetHeaderDataItemPtr(std::int64_t{0});
        auto* text = list.GetHeaderDataItemPtr(std::int64_t{1});
        ASSERT_NE(check, text);
        EXPECT_EQ(list.GetHeaderDataItemPtr(UINT{0}), check);
        EXPECT_EQ(list.GetHeaderDataItemPtr(UINT{1}), text);
        for (auto* none : {list.GetHeaderDataItemPtr(std::int64_t{2}), list.GetHeaderDataItemPtr(std::int64_t{-1}),
                           list.GetHeaderDataItemPtr(UINT{7})})
            EXPECT_EQ(none, nullptr);

        const int area = list.GetHeaderAreaWidth();
        EXPECT_GT(area, 100);  // the frame is 120 dialog units wide
        EXPECT_EQ(check->nWidth + text->nWidth, area);
        EXPECT_EQ(check->nWidth, 10);
        text->nRequestWidth = area * 2;  // too wide: narrowed to what is left
        list.CalcLayout();
        EXPECT_EQ(text->nWidth, area - 10);
        list.UseVScrollBar(FALSE);
        EXPECT_GT(list.GetHeaderAreaWidth(), area);
        list.SetHeaderCount(1);  // shrinking keeps the columns that remain
        EXPECT_EQ(list.GetHeaderDataItemPtr(std::int64_t{0}), check);
        EXPECT_EQ(list.GetHeaderDataItemPtr(UINT{1}), nullptr);
    });
}

TEST_F(CellList, DrawAsksTheParentAndClicksReportTheChange) {
    Within(dialog, [&] {
        CQelListBoxAObj& list = dialog.m_cells;
        SetUpColumns();
        EXPECT_TRUE(list.Draw().empty());  // no rows yet: nothing asked
        list.SetValueCountTotal(3, 0);
        const auto drawn = list.Draw();
        ASSERT_EQ(drawn.size(), 3u);
        for (std::size_t r = 0; r < 3; ++r)
            EXPECT_EQ(std::make_pair(drawn[r].nCheck, drawn[r].strText.str()), std::make_pair(rows[r].check, rows[r].text));
        EXPECT_EQ(requests, Log{L"1 1501 0+3 0:3 1:3"});
        EXPECT_EQ(dialog.log, Log{L"cells 1"});  // through the registered message

        // A click asks for the row as it stands, then reports the cell; only the check column toggles.
        const struct { int row, column; InputResult result; Log requests; int check1; } clicks[] = {
            {1, 0, InputResult::Done, {L"1 1501 1+1 0:1 1:1", L"4 1501 1+1 0:1 1:1 col 0 off 0 check 1"}, 1},
            {1, 0, InputResult::Done, {L"1 1501 1+1 0:1 1:1", L"4 1501 1+1 0:1 1:1 col 0 off 0 check 0"}, 0},
            {1, 1, InputResult::Done, {L"1 1501 1+1 0:1 1:1", L"4 1501 1+1 0:1 1:1 col 1 off 0 check 0"}, 0},
            {3, 0, InputResult::OutOfRange, {}, 0},
            {0, 2, InputResult::OutOfRange, {}, 0},
        };
        for (const auto& click : clicks) {
            SCOPED_TRACE(testing::Message() << "row " << click.row << " column " << click.column);
            requests.clear();
            EXPECT_EQ(input::Cell(dialog, IDC_CELLS, click.row, click.column), click.result);
            EXPECT_EQ(requests, click.requests);
            EXPECT_EQ(rows[1].check, click.check1);
        }
        rows[1].check = 1;  // the list keeps no rows: a change shows at the next drawing
        EXPECT_EQ(list.Draw()[1].nCheck, 1);
    });
}

}  // namespace
