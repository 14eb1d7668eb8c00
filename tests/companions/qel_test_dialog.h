// Shared pieces of the companion tests: a template with the controls the companions bind to, a
// CQelDialog over it that logs what reaches it, and a switch to a ',' decimal-point locale.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "companions/zemcst/qeldialog.h"
#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "platform/input.h"

inline void PrintTo(const CString& s, std::ostream* os) { *os << '"' << zem::ToUtf8(s) << '"'; }

namespace qtest {

using Log = std::vector<std::wstring>;

constexpr UINT kDialogId = 9501;
constexpr UINT kStrHelpKey = 9601;
enum : UINT {
    IDC_CHECKLIST = 1500, IDC_CELLS, IDC_COMBO, IDC_EDIT, IDC_EDIT2,
    IDC_GROUP, IDC_CHECK, IDC_RADIO, IDC_LABEL, IDC_SPIN, IDC_COLOUR,
};

inline const ResourceModule& TestResources() {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    static const ResourceModule module{
        {{kDialogId, L"部品", 0x80C800C0, L"MS UI Gothic", 9, 260, 180, {
              {IDOK, WndClass::Button, L"OK", child | WS_GROUP | BS_DEFPUSHBUTTON, 150, 160, 50, 14},
              {IDCANCEL, WndClass::Button, L"キャンセル", child | BS_PUSHBUTTON, 204, 160, 50, 14},
              {static_cast<UINT>(ID_HELP), WndClass::Button, L"ヘルプ", child | BS_PUSHBUTTON, 96, 160, 50, 14},
              {IDC_GROUP, WndClass::Button, L"枠", child | WS_GROUP | BS_GROUPBOX, 4, 4, 120, 60},
              {IDC_CHECK, WndClass::Button, L"表示", child | WS_GROUP | BS_AUTOCHECKBOX, 8, 14, 60, 10},
              {IDC_RADIO, WndClass::Button, L"実画像", child | WS_GROUP | BS_AUTORADIOBUTTON, 8, 26, 60, 10},
              {IDC_EDIT, WndClass::Edit, L"", child | WS_GROUP | WS_TABSTOP, 8, 40, 40, 12},
              {IDC_SPIN, WndClass::UpDown, L"", child | 0x30, 48, 40, 10, 12},
              {IDC_EDIT2, WndClass::Edit, L"", child | WS_TABSTOP, 62, 40, 40, 12},
              {IDC_LABEL, WndClass::Static, L"等", child, 104, 42, 10, 8},
              {IDC_COMBO, WndClass::ComboBox, L"", child | WS_GROUP | 0x3, 130, 4, 120, 60},
              {IDC_COLOUR, WndClass::Button, L"色...", child | BS_PUSHBUTTON, 130, 20, 50, 14},
              {IDC_CHECKLIST, WndClass::ListBox, L"", 0x50A31053, 4, 70, 120, 80},
              {IDC_CELLS, WndClass::Static, L"", 0x5001010D, 130, 40, 120, 110},
          }}},
        {{kStrHelpKey, L"settings/parts.html"}},
    };
    return module;
}

// Spelled out here rather than taken from the library, so that a misspelt name shows.
inline const UINT& CellListMessage() {
    static const UINT id = RegisterWindowMessageW(L"Corvelle::QelListBoxAObj::MessageID");
    return id;
}

// Attaches the two lists; logs "command ID CODE" for every WM_COMMAND, "2081" for the check
// list's window message and "cells CODE" for each cell-list request, which onCells answers.
class CQelTestDialog : public CQelDialog {
public:
    CQelTestDialog(CCorQel* engine, CCorQel* engine2, CWnd* parent = nullptr)
        : CQelDialog(engine, engine2, kDialogId, parent) { m_strHelpKey.LoadString(kStrHelpKey); }
    explicit CQelTestDialog(CWnd* parent) : CQelDialog(kDialogId, parent) { m_strHelpKey.LoadString(kStrHelpKey); }

    CQelListBoxCheck m_list;
    CQelListBoxAObj m_cells;
    BOOL listsAttached = FALSE;
    Log log;
    std::function<void()> react;  // after each logged command or 2081
    std::function<void(WPARAM, CQelListBoxAObj::tagUpdateInfo&)> onCells;
    std::function<void(CDataExchange*)> exchange;

    BOOL OnInitDialog() override {
        CQelDialog::OnInitDialog();
        AttachControls();
        return TRUE;
    }
    void AttachControls() override {
        CQelDialog::AttachControls();
        listsAttached = m_list.Attach(IDC_CHECKLIST, this) && m_cells.Attach(IDC_CELLS, this);
    }
    void DoDataExchange(CDataExchange* pDX) override {
        CQelDialog::DoDataExchange(pDX);
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
        if (onCells && info) onCells(code, *reinterpret_cast<CQelListBoxAObj::tagUpdateInfo*>(info));
        return 0;
    }

    const CMessageMap* GetMessageMap() const override { return &ThisMessageMap(); }
    static const CMessageMap& ThisMessageMap() {
        using M = MessageMapOf<CQelTestDialog>;
        static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
            M::OnRegisteredMessage(&CellListMessage(), &CQelTestDialog::OnCells),
        });
        return map;
    }
};

class CompanionTest : public ::testing::Test {
protected:
    void SetUp() override {
        AfxAddResourceModule(&TestResources());
        AfxSetModalPerson(&person_);
        AfxSetMessageBoxService(&boxes_);
    }
    void TearDown() override {
        AfxSetMessageBoxService(nullptr);
        AfxSetModalPerson(nullptr);
        AfxRemoveResourceModule(&TestResources());
    }
    // Runs body while the dialog's windows exist.
    void Within(CQelTestDialog& dialog, std::function<void()> body) {
        person_.body = std::move(body);
        dialog.DoModal();
    }
    const Log& Boxes() const { return boxes_.shown; }

private:
    struct Person : CModalPerson {
        std::function<void()> body;
        void Run(CDialog&) override {
            if (auto b = std::exchange(body, nullptr)) b();
        }
    } person_;
    struct Boxes : CMessageBoxService {
        Log shown;
        int Show(const CString& text, const CString&, UINT) override {
            shown.push_back(text.str());
            return IDOK;
        }
    } boxes_;
};

// The process locale writes ',' as the decimal point while this lives, if the machine has such a
// locale (the platform must not follow it).
class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8"})
            if (std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0) return;
        std::setlocale(LC_ALL, "C");
    }
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    explicit operator bool() const { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }
};

}  // namespace qtest
