// SPDX-License-Identifier: BSD-3-Clause
// Dialogs: data exchange and its failures, the modal run, message boxes and faults.
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <tuple>

#include "platform/crt.h"

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
        for (const auto& child : dlg.m_hWnd->children) EXPECT_EQ(AfxFindChild(dlg.m_hWnd, child->id), child);
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

// A box's check is read from its record only while no object takes its messages: a box the
// program subclassed answers BM_GETCHECK itself, to the data exchange and to IsDlgButtonChecked.
TEST_F(PlatformTest, SubclassedBoxAnswersItsOwnCheck) {
    struct CAlwaysTicked : CButton {
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            return message == BM_GETCHECK ? BST_CHECKED : CButton::WindowProc(message, wParam, lParam);
        }
    };
    CTestDialog dlg;
    CAlwaysTicked box;
    Within(dlg, [&] {
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_bCheck, BST_UNCHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), 0u);
        ASSERT_TRUE(box.SubclassDlgItem(IDC_CHECK, &dlg));
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_bCheck, BST_CHECKED);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), static_cast<UINT>(BST_CHECKED));
        EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);  // the record itself is unticked
        box.Detach();
    });
}

// An edit keeps its last reading of its text as a number. Every text is read anew, also one the
// keys changed in place to another of the same length, and the readings are the text's own: the
// number reader's, and the exchange's.
TEST_F(PlatformTest, EditNumberReadingFollowsItsText) {
    auto bits = [](double v) {
        std::uint64_t b = 0;
        std::memcpy(&b, &v, sizeof b);
        return b;
    };
    CTestDialog dlg;
    Within(dlg, [&] {
        const HWND first = Record(dlg, IDC_FIRST);
        auto expectReadings = [&](const std::wstring& text) {
            SCOPED_TRACE(zem::ToUtf8(text));
            ASSERT_EQ(first->text, text);
            wchar_t* end = nullptr;
            const double value = crt::wcstod(text.c_str(), &end);
            double simple = -7;
            const bool simpleRead = AfxSimpleFloatParse(text.c_str(), simple);
            for (int again = 0; again < 2; ++again) {
                const TextNumber number = AfxTextNumber(first);
                EXPECT_EQ(bits(number.value), bits(value));
                EXPECT_EQ(number.length, static_cast<std::size_t>(end - text.c_str()));
                CDataExchange dx(&dlg, TRUE);
                double exchanged = -7;
                DDX_Text(&dx, IDC_FIRST, exchanged);
                EXPECT_EQ(dx.m_bFailed, !simpleRead);
                EXPECT_EQ(bits(exchanged), bits(simple));
            }
        };
        const std::wstring texts[] = {L"5.37", L" 2.5 ", L"\n\t5 ", L"5\n", L"-0.0", L"", L"abc", L"1e400", L"nan",
                                      L"0x1p3", L" 2.5x", L"1234567890123.45", L"12345678901234.56",
                                      L"1234567890123456789.5", std::wstring(L"5\0x", 3)};
        for (const std::wstring& text : texts) {
            input::Paste(dlg, IDC_FIRST, text);
            expectReadings(text);
        }
        input::Paste(dlg, IDC_FIRST, L"5.37");
        expectReadings(L"5.37");
        input::Backspace(dlg, IDC_FIRST, 1);
        expectReadings(L"5.3");
        input::Append(dlg, IDC_FIRST, L"8");
        expectReadings(L"5.38");
        dlg.GetDlgItem(IDC_FIRST)->SetWindowTextFixed1(-1.25);
        expectReadings(L"-1.2");
    });
}
