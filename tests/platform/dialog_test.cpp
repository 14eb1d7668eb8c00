// SPDX-License-Identifier: BSD-3-Clause
// Dialogs: data exchange and its failures, the modal run, message boxes and faults.
#include <stdexcept>
#include <tuple>

#include "test_dialog.h"

using namespace ptest;

// Which texts the exchange of a double accepts is tested with the number reading.
TEST_F(PlatformTest, UnreadableNumberStopsTheExchangeThere) {
    CTestDialog dlg;
    Within(dlg, [&] {
        input::Click(dlg, IDC_CHECK);
        input::Click(dlg, IDC_RADIO_A3);
        input::Paste(dlg, IDC_NAME, L"新しい");
        input::Paste(dlg, IDC_FIRST, L"1,5");
        input::Paste(dlg, IDC_COUNT, L"3");
        input::Select(dlg, IDC_COMBO, 0);
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        EXPECT_EQ(boxes, (Log{L"数値を入力してください。|"}));
        // The members before the failing one took the controls; it and the rest did not.
        EXPECT_EQ(std::tuple(dlg.m_bCheck, dlg.m_nRadioA, dlg.m_strName), std::tuple(TRUE, 2, CString(L"新しい")));
        EXPECT_EQ(std::tuple(dlg.m_dFirst, dlg.m_nCount, dlg.m_nCombo), std::tuple(1.5, 7, 1));
        ASSERT_NE(CWnd::GetFocus(), nullptr);
        EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), static_cast<int>(IDC_FIRST));
        EXPECT_EQ(TextOf(dlg, IDC_FIRST), L"1,5");
        dlg.log.clear();
        dlg.SetDlgItemText(IDC_NAME, L"後");  // a failed exchange still ends
        EXPECT_EQ(dlg.log, (Log{L"change 1030"}));

        input::Paste(dlg, IDC_FIRST, L" 2.5 ");
        input::Paste(dlg, IDC_COUNT, L"1.5");
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        EXPECT_EQ(boxes, (Log{L"数値を入力してください。|", L"整数を入力してください。|"}));
        EXPECT_EQ(std::pair(dlg.m_dFirst, dlg.m_nCombo), std::pair(2.5, 1));
    });
}

// The ids' table is 32 long here: 1001 and 1033 share a slot, 1065 would too.
TEST_F(PlatformTest, EveryControlIsFoundByItsIdAndNoOtherId) {
    CTestDialog dlg;
    Within(dlg, [&] {
        for (const auto& child : dlg.m_hWnd->children) EXPECT_EQ(AfxFindChild(dlg.m_hWnd, child->id), child.get());
        for (UINT absent : {0u, 3u, 1065u, 0xFFFFu}) EXPECT_EQ(AfxFindChild(dlg.m_hWnd, absent), nullptr) << absent;
    });
}

TEST_F(PlatformTest, ModalRunEndsByOkCancelOrCloseBox) {
    struct Case { const char* name; std::function<void(CDialog&)> end; INT_PTR result; bool stored; };
    const Case cases[] = {
        {"ok", Click(IDOK), IDOK, true},
        {"cancel", Click(IDCANCEL), IDCANCEL, false},
        {"close box", [](CDialog& d) { input::Close(d); }, IDCANCEL, false},
        {"person stops", [](CDialog&) {}, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTestDialog dlg;
        events.clear();
        actions = {Paste(IDC_NAME, L"新"), c.end};
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.m_strName == L"新", c.stored);
        EXPECT_EQ(events, (Log{L"begin 9001", zem::Format(L"end 9001 %d", static_cast<int>(c.result))}));
        EXPECT_EQ(dlg.m_name.GetSafeHwnd(), nullptr);  // the objects outlive their windows
    }

    CTestDialog retried;  // OK on an unreadable number keeps the dialog open
    actions = {Paste(IDC_FIRST, L"x"), Click(IDOK), [](CDialog& d) { EXPECT_FALSE(d.HasEnded()); }, Paste(IDC_FIRST, L"3"),
                      Click(IDOK)};
    EXPECT_EQ(retried.DoModal(), IDOK);
    EXPECT_EQ(retried.m_dFirst, 3.0);

    CTestDialog missing(nullptr, 4242);
    EXPECT_EQ(missing.DoModal(), -1);
    AfxSetModalPerson(nullptr);
    EXPECT_EQ(CTestDialog().DoModal(), -1);
}

TEST_F(PlatformTest, MessageBoxesGoThroughTheReplaceableService) {
    CTestDialog dlg;
    EXPECT_EQ(AfxMessageBox(kStrGreeting), IDCANCEL);  // the recorder's answer
    EXPECT_EQ(dlg.MessageBox(L"確認", L"題", MB_ICONEXCLAMATION), IDCANCEL);
    EXPECT_EQ(boxes, (Log{L"こんにちは|", L"確認|題"}));

    AfxSetMessageBoxService(nullptr);  // nobody to show it: answered OK
    EXPECT_EQ(AfxMessageBox(L"黙って"), IDOK);
    EXPECT_EQ(dlg.MessageBox(L"黙って"), IDOK);
}

TEST_F(PlatformTest, FaultsAreReportedNotThrown) {
    struct Reports : CInvalidArgReport {
        std::vector<std::string> where;
        void OnInvalidArg(const char* w) override { where.emplace_back(w); }
    } reports;
    AfxReportInvalidArg("nobody listens");
    AfxSetInvalidArgReport(&reports);
    AfxReportInvalidArg("GetCell");
    {
        // An error inside a handler stays in the dialog: reported, and the run goes on.
        CTestDialog thrower;
        thrower.react = [](CTestDialog&) { throw std::out_of_range("index"); };
        Within(thrower, [&] { EXPECT_EQ(input::Click(thrower, IDC_CHECK), InputResult::Done); });
    }
    AfxSetInvalidArgReport(nullptr);
    EXPECT_EQ(reports.where, (std::vector<std::string>{"GetCell", "message handler"}));

    CTestDialog dlg;
    Within(dlg, [&] {
        EXPECT_EQ(input::Select(dlg, IDC_COMBO, 9), InputResult::OutOfRange);
        EXPECT_EQ(input::Click(dlg, 4242), InputResult::NoControl);
        EXPECT_EQ(input::Type(dlg, IDC_COMBO, L"x"), InputResult::Unsupported);
        EXPECT_EQ(input::Tick(dlg, IDC_COMBO, 0), InputResult::Unsupported);
        EXPECT_EQ(dlg.m_combo.SetCurSel(9), CB_ERR);
        EXPECT_EQ(dlg.m_combo.GetCurSel(), -1);
        EXPECT_EQ(dlg.SendDlgItemMessage(4242, BM_GETCHECK), 0);
        EXPECT_TRUE(dlg.log.empty());  // nothing was sent
    });
}
