// Dialogs: data exchange and its failures, the modal run, host windows, message boxes and faults.
#include "test_dialog.h"

using namespace ptest;

TEST_F(PlatformTest, NotificationsWaitWhileDataIsExchanged) {
    CTestDialog dlg;
    dlg.m_bCheck = TRUE;
    dlg.m_nCombo = 2;
    Within(dlg, [&] {
        // OnInitDialog filled every control without a handler running.
        EXPECT_TRUE(dlg.log.empty());
        EXPECT_EQ(TextOf(dlg, IDC_NAME), L"初期");
        EXPECT_EQ(TextOf(dlg, IDC_SECOND), L"-2.25");
        EXPECT_EQ(dlg.m_check.GetCheck(), BST_CHECKED);
        EXPECT_EQ(dlg.m_combo.GetCurSel(), 2);

        dlg.m_strName = L"新";
        dlg.m_dFirst = 4.25;
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        EXPECT_EQ(TextOf(dlg, IDC_FIRST), L"4.25");
        // In the store direction too: here the exchange itself rewrites an edit and notifies.
        dlg.duringExchange = [](CTestDialog& d) {
            d.SetDlgItemText(IDC_NAME, L"整形");
            NMUPDOWN nm;
            nm.hdr = {d.m_spin.m_hWnd, IDC_SPIN, UDN_DELTAPOS};
            d.SendMessage(WM_NOTIFY, IDC_SPIN, reinterpret_cast<LPARAM>(&nm));
        };
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_TRUE(dlg.log.empty());
        dlg.duringExchange = nullptr;
        dlg.SetDlgItemText(IDC_NAME, L"後");
        EXPECT_EQ(dlg.log, (Log{L"change 1030"}));
    });
}

TEST_F(PlatformTest, UnreadableNumberStopsTheExchangeThere) {
    for (const wchar_t* text : {L"abc", L"", L"-", L"1e", L"1,5", L"2.5x", L". 5"}) {
        SCOPED_TRACE(U8(text));
        CTestDialog dlg;
        Within(dlg, [&] {
            input::Click(dlg, IDC_CHECK);
            input::Click(dlg, IDC_RADIO_A3);
            input::Paste(dlg, IDC_NAME, L"新しい");
            input::Paste(dlg, IDC_FIRST, text);
            input::Paste(dlg, IDC_SECOND, L"9.5");
            input::Paste(dlg, IDC_COUNT, L"3");
            input::Select(dlg, IDC_COMBO, 0);
            boxes.shown.clear();
            EXPECT_FALSE(dlg.UpdateData(TRUE));
            EXPECT_EQ(boxes.shown, (Log{L"数値を入力してください。"}));
            // The members before the failing one took the controls; it and the rest did not.
            EXPECT_EQ(dlg.m_bCheck, TRUE);
            EXPECT_EQ(dlg.m_nRadioA, 2);
            EXPECT_EQ(dlg.m_strName, L"新しい");
            EXPECT_EQ(dlg.m_dFirst, 1.5);
            EXPECT_EQ(dlg.m_dSecond, -2.25);
            EXPECT_EQ(dlg.m_nCount, 7);
            EXPECT_EQ(dlg.m_nCombo, 1);
            const CWnd* focus = CWnd::GetFocus();
            ASSERT_NE(focus, nullptr);
            EXPECT_EQ(focus->GetDlgCtrlID(), static_cast<int>(IDC_FIRST));
            EXPECT_EQ(TextOf(dlg, IDC_FIRST), text);
            dlg.log.clear();
            dlg.SetDlgItemText(IDC_NAME, L"後");  // a failed exchange still ends
            EXPECT_EQ(dlg.log, (Log{L"change 1030"}));
        });
    }
}

TEST_F(PlatformTest, ReadableNumbersAreExchanged) {
    const std::pair<const wchar_t*, double> cases[] = {
        {L" 2.5 ", 2.5}, {L"-1.25", -1.25}, {L"0", 0.0}, {L"0.0", 0.0}, {L"1e3", 1000.0}, {L"+.5", 0.5},
    };
    CTestDialog dlg;
    Within(dlg, [&] {
        for (const auto& [text, value] : cases) {
            input::Paste(dlg, IDC_FIRST, text);
            EXPECT_TRUE(dlg.UpdateData(TRUE)) << U8(text);
            EXPECT_EQ(dlg.m_dFirst, value) << U8(text);
        }
        EXPECT_TRUE(boxes.shown.empty());
        input::Paste(dlg, IDC_COUNT, L"1.5");
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        EXPECT_EQ(boxes.shown, (Log{L"整数を入力してください。"}));
    });
}

TEST_F(PlatformTest, ModalRunEndsByOkCancelOrCloseBox) {
    struct Case { const char* name; std::function<void(CDialog&)> end; INT_PTR result; bool stored; Log log; };
    const Case cases[] = {
        {"ok", Click(IDOK), IDOK, true, {L"change 1030"}},
        {"cancel", Click(IDCANCEL), IDCANCEL, false, {L"change 1030", L"cancel"}},
        {"close box", [](CDialog& d) { input::Close(d); }, IDCANCEL, false, {L"change 1030", L"cancel"}},
        {"person stops", [](CDialog&) {}, -1, false, {L"change 1030"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTestDialog dlg;
        person.events.clear();
        person.actions = {Paste(IDC_NAME, L"新"), c.end};
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.m_strName == L"新", c.stored);
        EXPECT_EQ(dlg.log, c.log);
        EXPECT_EQ(person.events, (Log{L"begin 9001", zem::Format(L"end 9001 %d", static_cast<int>(c.result))}));
        EXPECT_EQ(dlg.m_name.GetSafeHwnd(), nullptr);  // the objects outlive their windows
    }
}

TEST_F(PlatformTest, OkWithAnUnreadableNumberKeepsTheDialogOpen) {
    CTestDialog dlg;
    person.actions = {Paste(IDC_FIRST, L"x"), Click(IDOK),
                      [](CDialog& d) { EXPECT_FALSE(d.HasEnded()); }, Paste(IDC_FIRST, L"3"), Click(IDOK)};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_dFirst, 3.0);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(PlatformTest, ModalRunWithoutPersonOrTemplate) {
    CTestDialog alone;
    AfxSetModalPerson(nullptr);
    EXPECT_EQ(alone.DoModal(), -1);
    EXPECT_TRUE(alone.initialised);
    CTestDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.initialised);
}

TEST_F(PlatformTest, HandlerRunsAnotherDialogModally) {
    CTestDialog outer;
    INT_PTR innerResult = 0;
    CString innerName;
    outer.onOpenInner = [&](CTestDialog& self) {
        CTestDialog inner(kInnerDialogId, &self);
        innerResult = inner.DoModal();
        innerName = inner.m_strName;
        EXPECT_EQ(inner.GetParent(), &self);
        EXPECT_EQ(TextOf(self, IDC_NAME), L"初期");  // the outer dialog is whole again
    };
    person.actions = {Click(IDC_OPEN_INNER), Paste(IDC_NAME, L"内"), Click(IDOK), Paste(IDC_NAME, L"外"), Click(IDOK)};
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_EQ(innerName, L"内");
    EXPECT_EQ(outer.m_strName, L"外");
    EXPECT_EQ(person.events, (Log{L"begin 9001", L"begin 9002", L"end 9002 1", L"end 9001 1"}));
}

TEST_F(PlatformTest, HostMessagesGoToMainWindowOrParentSynchronously) {
    CHostWnd main, parent;
    AfxSetMainWnd(&main);
    EXPECT_EQ(AfxGetMainWnd(), &main);
    CTestDialog orphan, child(kDialogId, &parent);
    ASSERT_EQ(orphan.GetParent(), &main);
    ASSERT_EQ(child.GetParent(), &parent);

    wchar_t text[16] = L"";
    Within(child, [&] { EXPECT_EQ(child.GetParent()->SendMessage(2064, 0, reinterpret_cast<LPARAM>(text)), 42); });
    EXPECT_STREQ(text, L"星図");  // written before SendMessage returned
    Within(orphan, [&] { EXPECT_EQ(orphan.GetParent()->SendMessage(2045), 42); });
    EXPECT_EQ(parent.received, (std::vector<UINT>{2064}));
    EXPECT_EQ(main.received, (std::vector<UINT>{2045}));
}

TEST_F(PlatformTest, MessageBoxesGoThroughTheReplaceableService) {
    EXPECT_EQ(AfxMessageBox(L"本文", MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(boxes.lastType, MB_ICONINFORMATION);
    EXPECT_EQ(AfxMessageBox(kStrGreeting), IDOK);
    CTestDialog dlg;
    boxes.answer = IDCANCEL;
    EXPECT_EQ(dlg.MessageBox(L"確認", L"題", MB_ICONEXCLAMATION), IDCANCEL);
    EXPECT_EQ(boxes.lastCaption, L"題");
    EXPECT_EQ(boxes.shown, (Log{L"本文", L"こんにちは", L"確認"}));

    AfxSetMessageBoxService(nullptr);  // nobody to show it: answered OK
    EXPECT_EQ(AfxMessageBox(L"黙って"), IDOK);
    EXPECT_EQ(dlg.MessageBox(L"黙って"), IDOK);
    EXPECT_EQ(boxes.shown.size(), 3u);
}

TEST_F(PlatformTest, FaultsAreReportedNotThrown) {
    struct Reports : CInvalidArgReport {
        std::vector<std::string> where;
        void OnInvalidArg(const char* w) override { where.emplace_back(w); }
    } reports;
    EXPECT_NO_THROW(AfxReportInvalidArg("nobody listens"));
    AfxSetInvalidArgReport(&reports);
    AfxReportInvalidArg("GetCell");
    AfxSetInvalidArgReport(nullptr);
    EXPECT_EQ(reports.where, (std::vector<std::string>{"GetCell"}));

    const CString s(L"abc");
    auto strings = [&] {
        EXPECT_EQ(s.Mid(7), L"");
        EXPECT_EQ(s.Mid(-2, 2), L"ab");
        EXPECT_EQ(s.Right(-1), L"");
        EXPECT_EQ(s.Find(L"c", 9), -1);
        EXPECT_EQ(s.Find(L'c', -1), -1);
        EXPECT_EQ(s.GetAt(3), L'\0');
        EXPECT_EQ(CString(L"abc", -1), L"");
        EXPECT_EQ(zem::Format(L"[%d|%s|%.1f]"), L"[||]");  // missing arguments write nothing
        EXPECT_EQ(zem::Format(L"[%s|%d]", 5, L"x"), L"[|]");
    };
    EXPECT_NO_THROW(strings());

    CTestDialog dlg;
    Within(dlg, [&] {
        auto calls = [&] {
            EXPECT_EQ(input::Select(dlg, IDC_COMBO, 9), InputResult::OutOfRange);
            EXPECT_EQ(input::Click(dlg, 4242), InputResult::NoControl);
            EXPECT_EQ(input::Type(dlg, IDC_COMBO, L"x"), InputResult::Unsupported);
            EXPECT_EQ(input::Spin(dlg, IDC_NAME, true), InputResult::Unsupported);
            EXPECT_EQ(input::Tick(dlg, IDC_LIST, 0), InputResult::Unsupported);
            EXPECT_EQ(dlg.m_combo.SetCurSel(9), CB_ERR);
            EXPECT_EQ(dlg.m_combo.GetCurSel(), -1);
            EXPECT_EQ(dlg.SendDlgItemMessage(4242, BM_GETCHECK), 0);
        };
        EXPECT_NO_THROW(calls());
    });
}
