// SPDX-License-Identifier: BSD-3-Clause
// Controls as a person and the program meet them: notifications, radio groups, up-down controls,
// text limits, disabled controls, observed changes, registered messages and message maps.
#include <algorithm>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "test_dialog.h"

using namespace ptest;

namespace {
struct ChangeRecorder : CWndObserver {
    std::vector<std::pair<UINT, WndChange>> seen;
    ChangeRecorder() { AfxAddWndObserver(this); }
    ~ChangeRecorder() override { AfxRemoveWndObserver(this); }
    void OnWndChanged(HWND window, WndChange change) override { seen.emplace_back(window->id, change); }
};
}  // namespace

// What the program does to the controls notifies the dialog only when it writes an edit's text
// outside the data exchange: then at once, even when the text is unchanged.
TEST_F(PlatformTest, ProgramChangesNotifyOnlyForEditText) {
    CTestDialog dlg;
    dlg.m_bCheck = TRUE;
    Within(dlg, [&] {
        EXPECT_EQ(std::pair(TextOf(dlg, IDC_NAME), dlg.IsDlgButtonChecked(IDC_CHECK)), std::pair(std::wstring(L"初期"), 1u));
        dlg.duringExchange = [](CTestDialog& d) {  // the store direction, rewriting an edit and notifying
            d.SetDlgItemText(IDC_NAME, L"整形");
            NMUPDOWN nm;
            nm.hdr = {d.m_spin.m_hWnd, IDC_SPIN, UDN_DELTAPOS};
            d.SendMessage(WM_NOTIFY, IDC_SPIN, reinterpret_cast<LPARAM>(&nm));
        };
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        dlg.duringExchange = nullptr;
        dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);  // (that these settings take, the observer test shows)
        dlg.CheckRadioButton(IDC_RADIO_A1, IDC_RADIO_A3, IDC_RADIO_A2);
        dlg.m_combo.SetCurSel(2);
        EXPECT_TRUE(dlg.log.empty());

        dlg.SetDlgItemText(IDC_NAME, L"a");
        dlg.log.push_back(L"returned");
        dlg.m_name.SetWindowText(L"a");
        dlg.GetDlgItem(IDC_FIRST)->SetWindowText(L"2.0");  // an edit no object is bound to
        EXPECT_EQ(dlg.log, (Log{L"change 1030", L"returned", L"change 1030", L"change 1031"}));
    });
}

TEST_F(PlatformTest, ClicksToggleChecksAndRadiosWithinTheirGroup) {
    CTestDialog dlg;  // radio A1 and B2 start checked
    auto checks = [&] {
        std::wstring s;
        for (UINT id : {IDC_RADIO_A1, IDC_RADIO_A2, IDC_RADIO_A3, IDC_RADIO_B1, IDC_RADIO_B2})
            s += dlg.IsDlgButtonChecked(static_cast<int>(id)) ? L'x' : L'.';
        return s;
    };
    Within(dlg, [&] {
        EXPECT_EQ(checks(), L"x...x");
        input::Click(dlg, IDC_RADIO_A3);
        EXPECT_EQ(checks(), L"..x.x");
        input::Click(dlg, IDC_RADIO_A3);
        input::Click(dlg, IDC_RADIO_B1);
        EXPECT_EQ(checks(), L"..xx.");
        input::Click(dlg, IDC_RADIO_B2);  // its group starts at B1, not before
        EXPECT_EQ(checks(), L"..x.x");
        input::Click(dlg, IDC_CHECK);
        input::Click(dlg, IDC_CHECK);
        // The handler sees the state after the click.
        EXPECT_EQ(dlg.log, (Log{L"click 1003 1", L"click 1003 1", L"click 1011 1", L"click 1012 1",
                                L"click 1020 1", L"click 1020 0"}));

        // The exchange reads and writes each group by its own index; none checked reads -1.
        dlg.UpdateData(TRUE);
        EXPECT_EQ(std::pair(dlg.m_nRadioA, dlg.m_nRadioB), std::pair(2, 1));
        dlg.CheckRadioButton(IDC_RADIO_A1, IDC_RADIO_A3, 0);
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_nRadioA, -1);
        dlg.m_nRadioA = 1;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(checks(), L".x..x");
    });
}

// A control's group is found from where the control stands, also when an earlier control has the
// same id.
TEST(RadioGroups, AControlWhoseIdRepeatsHasItsOwnGroup) {
    WndRecord dialog;
    const std::pair<UINT, DWORD> controls[] = {{5, WS_GROUP}, {6, 0}, {5, WS_GROUP}, {7, 0}, {8, WS_GROUP}};
    std::vector<std::unique_ptr<WndRecord>> records;
    for (const auto& [id, group] : controls) {
        auto& child = records.emplace_back(std::make_unique<WndRecord>());
        child->id = id;
        child->wndClass = WndClass::Button;
        child->style = BS_AUTORADIOBUTTON | group;
        child->parent = &dialog;
        dialog.children.push_back(child.get());
    }
    AfxIndexChildren(&dialog);
    auto members = [](HWND control) {
        std::vector<HWND> group;
        for (HWND c : AfxRadioGroup(control)) group.push_back(c);
        return group;
    };
    const auto& c = dialog.children;
    EXPECT_EQ(AfxFindChild(&dialog, 5), c[0]);
    EXPECT_EQ(members(c[0]), (std::vector<HWND>{c[0], c[1]}));
    EXPECT_EQ(members(c[1]), (std::vector<HWND>{c[0], c[1]}));
    EXPECT_EQ(members(c[2]), (std::vector<HWND>{c[2], c[3]}));
    EXPECT_EQ(members(c[3]), (std::vector<HWND>{c[2], c[3]}));
    WndRecord stranger;
    stranger.id = 6;
    stranger.parent = &dialog;  // not among its children
    EXPECT_TRUE(members(&stranger).empty());
}

TEST_F(PlatformTest, DisabledControlsRefuseEveryInput) {
    const std::pair<UINT, std::function<InputResult(CDialog&)>> cases[] = {
        {IDC_CHECK, [](CDialog& d) { return input::Click(d, IDC_CHECK); }},
        {IDOK, [](CDialog& d) { return input::Click(d, IDOK); }},
        {IDC_NAME, [](CDialog& d) { return input::Type(d, IDC_NAME, L"x"); }},
        {IDC_NAME, [](CDialog& d) { return input::Backspace(d, IDC_NAME); }},
        {IDC_NAME, [](CDialog& d) { return input::Clear(d, IDC_NAME); }},
        {IDC_NAME, [](CDialog& d) { return input::Paste(d, IDC_NAME, L"x"); }},
        {IDC_SPIN, [](CDialog& d) { return input::Spin(d, IDC_SPIN, true); }},
        {IDC_COMBO, [](CDialog& d) { return input::Select(d, IDC_COMBO, 0); }},
    };
    CTestDialog dlg;
    Within(dlg, [&] {
        EXPECT_EQ(input::Type(dlg, IDC_LOCKED, L"x"), InputResult::Disabled);  // disabled by its template
        for (const auto& [id, act] : cases) {
            dlg.GetDlgItem(static_cast<int>(id))->EnableWindow(FALSE);
            const HWND w = Record(dlg, id);
            const auto before = std::tuple(w->text, w->check, w->pos, w->curSel);
            dlg.log.clear();
            EXPECT_EQ(act(dlg), InputResult::Disabled) << id;
            EXPECT_TRUE(dlg.log.empty()) << id;
            EXPECT_EQ(std::tuple(w->text, w->check, w->pos, w->curSel), before) << id;
        }
        EXPECT_FALSE(dlg.HasEnded());

        // A control disabled while the person types takes no more keys.
        dlg.react = [](CTestDialog& d) { d.GetDlgItem(IDC_COUNT)->EnableWindow(FALSE); };
        input::Type(dlg, IDC_COUNT, L"abc");
        EXPECT_EQ(TextOf(dlg, IDC_COUNT), L"a");
    });
}

TEST_F(PlatformTest, UpDownDeltaRangeAndRefusal) {
    CTestDialog dlg;
    Within(dlg, [&] {
        // The delta follows the orientation of the range; until set it runs from 100 down to 0.
        struct Case { bool setRange; short lower, upper; bool up; int delta; };
        const Case cases[] = {
            {false, 0, 0, true, -1}, {false, 0, 0, false, 1}, {true, 0, 100, true, 1},
            {true, 0, 100, false, -1}, {true, 5, 5, true, 1},
        };
        for (const auto& c : cases) {
            if (c.setRange) dlg.m_spin.SetRange(c.lower, c.upper);
            dlg.log.clear();
            input::Spin(dlg, IDC_SPIN, c.up);
            EXPECT_EQ(dlg.log, Log{zem::Format(L"delta 1032 %d", c.delta)}) << c.lower << ".." << c.upper << (c.up ? " up" : " down");
        }

        // Upper bound in the low word, lower in the high word, signed.
        dlg.SendDlgItemMessage(IDC_SPIN, UDM_SETRANGE, 0, MAKELPARAM(300, static_cast<unsigned short>(-60)));
        // {from, up, the dialog's answer (nonzero forbids), to}: held at the bounds.
        const int moves[][4] = {{-60, false, 0, -60}, {50, true, 0, 51}, {50, true, 1, 50}, {300, true, 0, 300}};
        for (const auto& [from, up, answer, to] : moves) {
            dlg.m_spin.SetPos(from);
            dlg.deltaResult = answer;
            input::Spin(dlg, IDC_SPIN, up != 0);
            EXPECT_EQ(dlg.m_spin.GetPos(), to) << from << (up ? " up" : " down");
        }
        EXPECT_EQ(TextOf(dlg, IDC_FIRST), L"1.5");  // its buddy is the dialog's business
    });
}

TEST_F(PlatformTest, TextLimitBoundsThePersonNotTheProgram) {
    CTestDialog dlg;
    Within(dlg, [&] {
        dlg.m_name.SetLimitText(3);
        dlg.log.clear();
        input::Type(dlg, IDC_NAME, L"12345");
        input::Append(dlg, IDC_NAME, L"4");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"123");
        EXPECT_EQ(dlg.log.size(), 3u);  // refused keystrokes change nothing
        input::Paste(dlg, IDC_NAME, L"abcdef");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"abc");
        dlg.SetDlgItemText(IDC_NAME, L"abcdef");
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"abcdef");
        dlg.m_name.LimitText(0);  // no limit, not a limit of zero
        const std::wstring longText(40000, L'x');
        input::Paste(dlg, IDC_NAME, longText);
        EXPECT_EQ(TextOf(dlg, IDC_NAME), longText);
    });
}

TEST_F(PlatformTest, EveryStateChangeIsObserved) {
    const std::tuple<std::function<void(CTestDialog&)>, UINT, WndChange> cases[] = {
        {[](CTestDialog& d) { d.SetDlgItemText(IDC_NAME, L"x"); }, IDC_NAME, WndChange::Text},
        {[](CTestDialog& d) { input::Backspace(d, IDC_NAME); }, IDC_NAME, WndChange::Text},
        {[](CTestDialog& d) { d.GetDlgItem(IDC_CHECK)->EnableWindow(FALSE); }, IDC_CHECK, WndChange::Enabled},
        {[](CTestDialog& d) { AfxEnableChild(d.m_hWnd, IDC_NAME, false); }, IDC_NAME, WndChange::Enabled},
        {[](CTestDialog& d) { d.CheckDlgButton(IDC_CHECK, BST_CHECKED); }, IDC_CHECK, WndChange::Check},
        {[](CTestDialog& d) { input::Click(d, IDC_RADIO_A2); }, IDC_RADIO_A1, WndChange::Check},
        {[](CTestDialog& d) { input::Select(d, IDC_COMBO, 2); }, IDC_COMBO, WndChange::Selection},
        {[](CTestDialog& d) { d.m_combo.AddString(L"零"); }, IDC_COMBO, WndChange::Items},
        {[](CTestDialog& d) { d.m_combo.ResetContent(); }, IDC_COMBO, WndChange::Items},
        {[](CTestDialog& d) { d.m_name.SetFocus(); }, IDC_NAME, WndChange::Focus},
    };
    CTestDialog dlg;
    ChangeRecorder recorder;
    Within(dlg, [&] {
        for (const auto& [act, id, change] : cases) {
            recorder.seen.clear();
            act(dlg);
            EXPECT_NE(std::find(recorder.seen.begin(), recorder.seen.end(), std::pair(id, change)), recorder.seen.end())
                << id << ' ' << static_cast<int>(change);
        }
        recorder.seen.clear();
    });
    EXPECT_EQ(recorder.seen, (std::vector<std::pair<UINT, WndChange>>{{kDialogId, WndChange::Destroyed}}));
}

TEST_F(PlatformTest, MessageMapsDispatchRegisteredMessagesAndIgnoreUnmappedCodes) {
    CTestDialog dlg;
    Within(dlg, [&] {
        NMHDR hdr{dlg.m_spin.m_hWnd, IDC_SPIN, UDN_DELTAPOS + 1};  // a mapped control, an unmapped code
        EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_SPIN, reinterpret_cast<LPARAM>(&hdr)), 0);
        // A registered name gives one number whatever its case, clear of the fixed messages.
        EXPECT_GE(TestMessage(), 0xC000u);
        EXPECT_EQ(dlg.SendMessage(RegisterWindowMessageW(L"ZEM::platformtest::PING"), 2, 3), 5);
        EXPECT_EQ(dlg.SendMessage(RegisterWindowMessageW(L"Zem::PlatformTest::Pong"), 2, 3), 0);
        EXPECT_EQ(dlg.log, Log{L"ping 2 3"});
    });
}
