// SPDX-License-Identifier: BSD-3-Clause
// Shared pieces of the companion tests: a template with the controls the companions bind to and a
// CQelDialog over it that logs what reaches it.
#pragma once

#include "companions/zemcst/qeldialog.h"
#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "harness.h"


namespace qtest {

using harness::Log;

constexpr UINT kDialogId = 9501, kStrHelpKey = 9601;
enum : UINT { IDC_CHECKLIST = 1500, IDC_CELLS, IDC_COMBO, IDC_EDIT, IDC_EDIT2, IDC_CHECK, IDC_LABEL, IDC_SPIN };

inline const ResourceModule& TestResources() {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    static const ResourceModule module{
        {{kDialogId, L"部品", 0x80C800C0, L"MS UI Gothic", 9, 260, 180, {
              {static_cast<UINT>(ID_HELP), WndClass::Button, L"ヘルプ", child | BS_PUSHBUTTON, 96, 160, 50, 14},
              {IDC_CHECK, WndClass::Button, L"表示", child | WS_GROUP | BS_AUTOCHECKBOX, 8, 14, 60, 10},
              {IDC_EDIT, WndClass::Edit, L"", child | WS_GROUP | WS_TABSTOP, 8, 40, 40, 12},
              {IDC_SPIN, WndClass::UpDown, L"", child | 0x30, 48, 40, 10, 12},
              {IDC_EDIT2, WndClass::Edit, L"", child | WS_TABSTOP, 62, 40, 40, 12},
              {IDC_LABEL, WndClass::Static, L"等", child, 104, 42, 10, 8},
              {IDC_COMBO, WndClass::ComboBox, L"", child | WS_GROUP | 0x3, 130, 4, 120, 60},
              {IDC_CHECKLIST, WndClass::ListBox, L"", 0x50A31053, 4, 70, 120, 80},  // sorted
              {IDC_CELLS, WndClass::Static, L"", 0x5001010D, 130, 40, 120, 110},
          }}},
        {{kStrHelpKey, L"settings/parts.html"}},
    };
    return module;
}

// Attaches the two lists; logs "command ID CODE" for every WM_COMMAND, "2081" for the check list's
// window message and "cells CODE" for each cell-list message, which onCells answers.
class CQelTestDialog : public CQelDialog {
public:
    CQelTestDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent = nullptr)
        : CQelDialog(engine, engine2, kDialogId, parent) { m_strHelpKey.LoadString(kStrHelpKey); }

    CQelListBoxCheck m_list;
    CQelListBoxAObj m_cells;
    Log log;
    std::function<void()> react;  // after each logged command or 2081
    std::function<void(WPARAM, CQelListBoxAObj::tagUpdateInfo&)> onCells;
    std::function<void(CDataExchange*)> exchange;

    BOOL OnInitDialog() override {
        EXPECT_TRUE(m_list.Attach(IDC_CHECKLIST, this) && m_cells.Attach(IDC_CELLS, this));
        return CQelDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        if (exchange) exchange(pDX);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND || message == 2081) {
            log.push_back(message == 2081 ? L"2081" : zem::Format(L"command %u %u", LOWORD(wParam), HIWORD(wParam)));
            if (react) react();
        }
        return CQelDialog::WindowProc(message, wParam, lParam);
    }
    LRESULT OnCells(WPARAM code, LPARAM info) {
        log.push_back(zem::Format(L"cells %u", static_cast<UINT>(code)));
        if (onCells) onCells(code, *reinterpret_cast<CQelListBoxAObj::tagUpdateInfo*>(info));
        return 0;
    }
    const CMessageMap* GetMessageMap() const override { return &ThisMessageMap(); }
    static const CMessageMap& ThisMessageMap() {
        // Spelled out rather than taken from the library, so that a misspelt name shows.
        static const UINT cells = RegisterWindowMessageW(L"Corvelle::QelListBoxAObj::MessageID");
        static const CMessageMap map(&CQelDialog::ThisMessageMap(),
                                     {MessageMapOf<CQelTestDialog>::OnRegisteredMessage(&cells, &CQelTestDialog::OnCells)});
        return map;
    }
};

class CompanionTest : public harness::Test {
protected:
    CompanionTest() : harness::Test(TestResources()) {}
};

}  // namespace qtest
