// Controls as a person and the program meet them: notifications, radio groups, up-down controls,
// text limits, disabled controls, observed changes, registered messages and message maps.
#include <tuple>

#include "test_dialog.h"

using namespace ptest;

TEST_F(PlatformTest, ProgramWritesOfAnEditNotifyLikeTyping) {
    CTestDialog dlg;
    Within(dlg, [&] {
        dlg.log.clear();
        dlg.SetDlgItemText(IDC_NAME, L"a");
        dlg.log.push_back(L"returned");  // the handler ran before the write returned
        dlg.m_name.SetWindowText(L"a");  // the same text again
        CWnd::FromHandle(Record(dlg, IDC_FIRST))->SetWindowText(L"2.0");
        input::Type(dlg, IDC_NAME, L"bc");
        EXPECT_EQ(dlg.log, (Log{L"change 1030", L"returned", L"change 1030", L"change 1031", L"change 1030", L"change 1030"}));
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"bc");
    });
}

TEST_F(PlatformTest, ProgramSetsChecksAndSelectionsSilently) {
    CTestDialog dlg;
    Within(dlg, [&] {
        dlg.log.clear();
        dlg.CheckDlgButton(IDC_CHECK, BST_CHECKED);
        dlg.CheckRadioButton(IDC_RADIO_A1, IDC_RADIO_A3, IDC_RADIO_A2);
        dlg.SendDlgItemMessage(IDC_RADIO_B1, BM_SETCHECK, BST_CHECKED);
        dlg.m_combo.SetCurSel(2);
        dlg.m_list.SetCaretIndex(1);
        EXPECT_TRUE(dlg.log.empty());
        EXPECT_EQ(dlg.m_check.GetCheck(), BST_CHECKED);
        EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_RADIO_A1, IDC_RADIO_A3), static_cast<int>(IDC_RADIO_A2));
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B1), 1u);
        EXPECT_EQ(dlg.m_combo.GetCurSel(), 2);
        EXPECT_EQ(dlg.m_list.GetCaretIndex(), 1);
    });
}

TEST_F(PlatformTest, ClicksToggleChecksAndRadiosWithinTheirGroup) {
    CTestDialog dlg;  // radio A1 and B2 start checked
    auto checks = [&] {
        std::wstring s;
        for (UINT id : {IDC_RADIO_A1, IDC_RADIO_A2, IDC_RADIO_A3, IDC_RADIO_B1, IDC_RADIO_B2}) s += dlg.IsDlgButtonChecked(static_cast<int>(id)) ? L'x' : L'.';
        return s;
    };
    Within(dlg, [&] {
        EXPECT_EQ(checks(), L"x...x");
        input::Click(dlg, IDC_RADIO_A3);
        EXPECT_EQ(checks(), L"..x.x");
        input::Click(dlg, IDC_RADIO_A3);
        input::Click(dlg, IDC_RADIO_B1);
        EXPECT_EQ(checks(), L"..xx.");
        input::Click(dlg, IDC_CHECK);
        input::Click(dlg, IDC_CHECK);
        input::Click(dlg, IDC_LABEL);  // a label takes clicks without a word
        // The handler sees the state after the click.
        EXPECT_EQ(dlg.log, (Log{L"click 1003 1", L"click 1003 1", L"click 1011 1", L"click 1020 1", L"click 1020 0"}));

        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nRadioA, 2);
        EXPECT_EQ(dlg.m_nRadioB, 0);
        dlg.CheckRadioButton(IDC_RADIO_A1, IDC_RADIO_A3, 0);
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nRadioA, -1);
        dlg.m_nRadioA = 1;
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        EXPECT_EQ(checks(), L".x.x.");
    });
}

TEST_F(PlatformTest, DisabledControlsRefuseEveryInput) {
    struct Case { UINT id; std::function<InputResult(CDialog&)> act; };
    const Case cases[] = {
        {IDC_CHECK, [](CDialog& d) { return input::Click(d, IDC_CHECK); }},
        {IDC_RADIO_A2, [](CDialog& d) { return input::Click(d, IDC_RADIO_A2); }},
        {IDOK, [](CDialog& d) { return input::Click(d, IDOK); }},
        {IDC_NAME, [](CDialog& d) { return input::Type(d, IDC_NAME, L"x"); }},
        {IDC_NAME, [](CDialog& d) { return input::Append(d, IDC_NAME, L"x"); }},
        {IDC_NAME, [](CDialog& d) { return input::Backspace(d, IDC_NAME); }},
        {IDC_NAME, [](CDialog& d) { return input::Clear(d, IDC_NAME); }},
        {IDC_NAME, [](CDialog& d) { return input::Paste(d, IDC_NAME, L"x"); }},
        {IDC_SPIN, [](CDialog& d) { return input::Spin(d, IDC_SPIN, true); }},
        {IDC_SPIN, [](CDialog& d) { return input::SpinRaw(d, IDC_SPIN, 5); }},
        {IDC_COMBO, [](CDialog& d) { return input::Select(d, IDC_COMBO, 0); }},
        {IDC_LOCKED, [](CDialog& d) { return input::Type(d, IDC_LOCKED, L"x"); }},  // disabled by its template
    };
    CTestDialog dlg;
    Within(dlg, [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.id);
            CWnd::FromHandle(Record(dlg, c.id))->EnableWindow(FALSE);
            const HWND w = Record(dlg, c.id);
            const auto before = std::tuple(w->text, w->check, w->pos, w->curSel);
            dlg.log.clear();
            EXPECT_EQ(c.act(dlg), InputResult::Disabled);
            EXPECT_TRUE(dlg.log.empty());
            EXPECT_EQ(std::tuple(w->text, w->check, w->pos, w->curSel), before);
        }
        EXPECT_FALSE(dlg.HasEnded());
    });
}

TEST_F(PlatformTest, TypingStopsWhenTheEditIsDisabledOrTheDialogEnds) {
    CTestDialog dlg;
    Within(dlg, [&] {
        dlg.react = [](CTestDialog& d) { d.m_name.EnableWindow(FALSE); };
        input::Type(dlg, IDC_NAME, L"abc");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"a");
        dlg.react = [](CTestDialog& d) { d.EndDialog(IDOK); };
        input::Append(dlg, IDC_FIRST, L"123");
        EXPECT_EQ(TextOf(dlg, IDC_FIRST), L"1.51");
    });
}

TEST_F(PlatformTest, UpDownDeltaFollowsTheOrientationOfItsRange) {
    struct Case { bool setRange; short lower, upper; bool up; int delta; };
    const Case cases[] = {
        {false, 0, 0, true, -1}, {false, 0, 0, false, 1},  // until set: lower 100, upper 0
        {true, 0, 100, true, 1}, {true, 0, 100, false, -1}, {true, 100, 0, true, -1},
        {true, -60, 300, true, 1}, {true, 5, 5, true, 1},
    };
    for (const auto& c : cases) {
        CTestDialog dlg;
        Within(dlg, [&] {
            if (c.setRange) dlg.m_spin.SetRange(c.lower, c.upper);
            input::Spin(dlg, IDC_SPIN, c.up, 2);
            const std::wstring delta = zem::Format(L"delta 1032 %d", c.delta);
            EXPECT_EQ(dlg.log, (Log{delta, delta})) << c.lower << ".." << c.upper << (c.up ? " up" : " down");
        });
    }
}

TEST_F(PlatformTest, UpDownRangeWordsResultAndBuddy) {
    CTestDialog dlg;
    Within(dlg, [&] {
        dlg.SendDlgItemMessage(IDC_SPIN, UDM_SETRANGE, 0, MAKELPARAM(300, static_cast<unsigned short>(-60)));
        int lower = 0, upper = 0;
        dlg.m_spin.GetRange(lower, upper);
        EXPECT_EQ(lower, -60);
        EXPECT_EQ(upper, 300);
        const auto packed = static_cast<std::uintptr_t>(dlg.m_spin.SendMessage(UDM_GETRANGE));
        EXPECT_EQ(LOWORD(packed), 300);
        EXPECT_EQ(static_cast<short>(HIWORD(packed)), -60);

        dlg.m_spin.SetPos(50);
        dlg.log.clear();
        input::Spin(dlg, IDC_SPIN, true);
        EXPECT_EQ(dlg.m_spin.GetPos(), 51);
        dlg.deltaResult = 1;  // the dialog forbids the move
        input::Spin(dlg, IDC_SPIN, true);
        EXPECT_EQ(dlg.m_spin.GetPos(), 51);
        dlg.deltaResult = 0;
        input::SpinRaw(dlg, IDC_SPIN, 20);  // a held arrow accelerates
        EXPECT_EQ(dlg.m_spin.GetPos(), 71);
        dlg.m_spin.SetPos(300);
        input::Spin(dlg, IDC_SPIN, true);
        EXPECT_EQ(dlg.m_spin.GetPos(), 300);
        // The up-down control never writes its buddy: only the dialog's handlers ran.
        EXPECT_EQ(dlg.log, (Log{L"delta 1032 1", L"delta 1032 1", L"delta 1032 20", L"delta 1032 1"}));
        EXPECT_EQ(TextOf(dlg, IDC_FIRST), L"1.5");
    });
}

TEST_F(PlatformTest, TextLimitBoundsThePersonNotTheProgram) {
    CTestDialog dlg;
    Within(dlg, [&] {
        dlg.m_name.SetLimitText(3);
        EXPECT_EQ(dlg.m_name.GetLimitText(), 3u);
        dlg.log.clear();
        input::Type(dlg, IDC_NAME, L"12345");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"123");
        input::Append(dlg, IDC_NAME, L"4");
        EXPECT_EQ(dlg.log.size(), 3u);  // refused keystrokes change nothing
        input::Type(dlg, IDC_NAME, L"9");  // the first keystroke replaces the selection
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"9");
        input::Paste(dlg, IDC_NAME, L"abcdef");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"abc");
        EXPECT_EQ(dlg.log.size(), 5u);
        dlg.SetDlgItemText(IDC_NAME, L"abcdef");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"abcdef");
        dlg.m_name.LimitText(0);  // no limit
        const std::wstring longText(40000, L'x');
        input::Paste(dlg, IDC_NAME, longText);
        EXPECT_EQ(TextOf(dlg, IDC_NAME), longText);
    });
}

TEST_F(PlatformTest, EveryStateChangeIsObserved) {
    struct Case { std::function<void(CTestDialog&)> act; UINT id; WndChange change; };
    const Case cases[] = {
        {[](CTestDialog& d) { d.SetDlgItemText(IDC_NAME, L"x"); }, IDC_NAME, WndChange::Text},
        {[](CTestDialog& d) { input::Append(d, IDC_NAME, L"y"); }, IDC_NAME, WndChange::Text},
        {[](CTestDialog& d) { input::Backspace(d, IDC_NAME); }, IDC_NAME, WndChange::Text},
        {[](CTestDialog& d) { d.GetDlgItem(IDC_LABEL)->SetWindowText(L"級"); }, IDC_LABEL, WndChange::Text},
        {[](CTestDialog& d) { d.m_check.EnableWindow(FALSE); }, IDC_CHECK, WndChange::Enabled},
        {[](CTestDialog& d) { d.m_check.EnableWindow(TRUE); }, IDC_CHECK, WndChange::Enabled},
        {[](CTestDialog& d) { d.m_check.SetCheck(BST_CHECKED); }, IDC_CHECK, WndChange::Check},
        {[](CTestDialog& d) { input::Click(d, IDC_RADIO_A2); }, IDC_RADIO_A1, WndChange::Check},
        {[](CTestDialog& d) { d.m_combo.SetCurSel(0); }, IDC_COMBO, WndChange::Selection},
        {[](CTestDialog& d) { input::Select(d, IDC_COMBO, 2); }, IDC_COMBO, WndChange::Selection},
        {[](CTestDialog& d) { d.m_list.SetCaretIndex(1); }, IDC_LIST, WndChange::Selection},
        {[](CTestDialog& d) { d.m_list.InsertString(0, L"零"); }, IDC_LIST, WndChange::Items},
        {[](CTestDialog& d) { d.m_combo.ResetContent(); }, IDC_COMBO, WndChange::Items},
        {[](CTestDialog& d) { d.m_name.SetFocus(); }, IDC_NAME, WndChange::Focus},
    };
    CTestDialog dlg;
    ChangeRecorder recorder;
    Within(dlg, [&] {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            recorder.seen.clear();
            cases[i].act(dlg);
            EXPECT_NE(std::find(recorder.seen.begin(), recorder.seen.end(), std::pair(cases[i].id, cases[i].change)), recorder.seen.end())
                << "case " << i;
        }
        recorder.seen.clear();
    });
    EXPECT_EQ(recorder.seen, (std::vector<std::pair<UINT, WndChange>>{{kDialogId, WndChange::Destroyed}}));
}

TEST(RegisteredMessageTest, SameNameAnyCaseGivesTheSameId) {
    const UINT a = RegisterWindowMessageW(L"Zem::Test::Alpha");
    EXPECT_EQ(RegisterWindowMessageW(L"ZEM::test::alpha"), a);
    const UINT b = RegisterWindowMessageW(L"Zem::Test::Beta");
    EXPECT_NE(a, b);
    for (UINT id : {a, b, TestMessage()}) {
        EXPECT_GE(id, 0xC000u);
        EXPECT_LE(id, 0xFFFFu);
    }
}

namespace {
// Overrides one of its base's entries and adds painting; the rest falls back to the base maps.
class CDerivedDialog : public CTestDialog {
public:
    void OnClickCheck() { Note(L"derived click"); }
    void OnPaint() {
        CPaintDC dc(this);
        Note(L"paint");
    }
    const CMessageMap* GetMessageMap() const override { return &ThisMessageMap(); }
    static const CMessageMap& ThisMessageMap() {
        using M = MessageMapOf<CDerivedDialog>;
        static const CMessageMap map(&CTestDialog::ThisMessageMap(), {
            M::OnBnClicked(IDC_CHECK, &CDerivedDialog::OnClickCheck),
            M::OnPaint(&CDerivedDialog::OnPaint),
        });
        return map;
    }
};
}  // namespace

TEST_F(PlatformTest, MessageMapsDispatchAndFallBackToTheBase) {
    CDerivedDialog dlg;
    const INT_PTR result = Within(dlg, [&] {
        NMUPDOWN nm;
        nm.hdr = {dlg.m_spin.m_hWnd, IDC_SPIN, UDN_DELTAPOS};
        nm.iDelta = 3;
        dlg.deltaResult = 7;
        EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_SPIN, reinterpret_cast<LPARAM>(&nm)), 7);
        nm.hdr.code = UDN_DELTAPOS + 1;  // unmapped code
        EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_SPIN, reinterpret_cast<LPARAM>(&nm)), 0);
        EXPECT_EQ(dlg.SendMessage(TestMessage(), 2, 3), 5);
        EXPECT_EQ(dlg.SendMessage(RegisterWindowMessageW(L"Zem::Test::Unmapped"), 2, 3), 0);
        dlg.SendMessage(WM_PAINT);
        EXPECT_EQ(AfxPaintCount(dlg.m_hWnd), 1);
        input::Click(dlg, IDC_CHECK);
        input::Click(dlg, IDC_RADIO_A2);
        EXPECT_EQ(dlg.log, (Log{L"delta 1032 3", L"ping 2 3", L"paint", L"derived click", L"click 1002 1"}));
        input::Click(dlg, IDOK);  // two maps up
    });
    EXPECT_EQ(result, IDOK);

    CTestDialog plain;  // unmapped painting is still painted
    Within(plain, [&] {
        plain.SendMessage(WM_PAINT);
        EXPECT_EQ(AfxPaintCount(plain.m_hWnd), 1);
        EXPECT_TRUE(plain.log.empty());
    });
}
