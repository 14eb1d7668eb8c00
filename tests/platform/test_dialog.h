// SPDX-License-Identifier: BSD-3-Clause
// Shared pieces of the platform tests: a template with the standard controls and a dialog over it
// that logs every notification it is given.
#pragma once

#include "harness.h"
#include "platform/controls.h"

namespace ptest {

using namespace harness;

constexpr UINT kDialogId = 9001, kStrGreeting = 9101, kStrRange = 9102;

enum : UINT {
    IDC_RADIO_A1 = 1001, IDC_RADIO_A2, IDC_RADIO_A3, IDC_RADIO_B1 = 1011, IDC_RADIO_B2, IDC_CHECK = 1020,
    IDC_NAME = 1030, IDC_FIRST, IDC_SPIN, IDC_COUNT, IDC_COMBO = 1040, IDC_LOCKED = 1070,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

inline const ResourceModule& TestResources() {
    static const ResourceModule module{
        {{kDialogId, L"試験", 0x80C800C0, L"MS UI Gothic", 9, 200, 160, {
              {IDOK, WndClass::Button, L"閉じる", kChild | WS_GROUP | BS_DEFPUSHBUTTON, 140, 140, 50, 14},
              {IDCANCEL, WndClass::Button, L"キャンセル", kChild | BS_PUSHBUTTON, 90, 140, 50, 14},
              {IDC_RADIO_A1, WndClass::Button, L"A1", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 8, 10, 40, 10},
              {IDC_RADIO_A2, WndClass::Button, L"A2", kChild | BS_AUTORADIOBUTTON, 8, 20, 40, 10},
              {IDC_RADIO_A3, WndClass::Button, L"A3", kChild | BS_AUTORADIOBUTTON, 8, 30, 40, 10},
              {IDC_RADIO_B1, WndClass::Button, L"B1", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 50, 10, 40, 10},
              {IDC_RADIO_B2, WndClass::Button, L"B2", kChild | BS_AUTORADIOBUTTON, 50, 20, 40, 10},
              {IDC_CHECK, WndClass::Button, L"表示", kChild | WS_GROUP | BS_AUTOCHECKBOX, 8, 70, 60, 10},
              {IDC_NAME, WndClass::Edit, L"", kChild | WS_GROUP | WS_TABSTOP, 8, 84, 60, 12},
              {IDC_FIRST, WndClass::Edit, L"", kChild | WS_TABSTOP, 8, 98, 30, 12},
              {IDC_SPIN, WndClass::UpDown, L"", kChild | 0x30, 38, 98, 10, 12},
              {IDC_COUNT, WndClass::Edit, L"", kChild | WS_TABSTOP, 90, 98, 30, 12},
              {IDC_COMBO, WndClass::ComboBox, L"", kChild | WS_GROUP | 0x3, 100, 10, 60, 40},
              {IDC_LOCKED, WndClass::Edit, L"固定", kChild | WS_DISABLED, 60, 120, 30, 12},
          }}},
        {{kStrGreeting, L"こんにちは"}, {kStrRange, L"%.1f～%.1f の範囲で入力してください。"}},
    };
    return module;
}

inline const UINT& TestMessage() {
    static const UINT id = RegisterWindowMessageW(L"Zem::PlatformTest::Ping");
    return id;
}

// Logs "click ID CHECK", "change ID", "select ID", "delta ID DELTA", "ping W L".
class CTestDialog : public CDialog {
public:
    explicit CTestDialog(CWnd* parent = nullptr, UINT templateId = kDialogId) : CDialog(templateId, parent) {}

    BOOL m_bCheck = FALSE;
    int m_nRadioA = 0, m_nRadioB = 1;
    CString m_strName = L"初期";
    double m_dFirst = 1.5;
    int m_nCount = 7, m_nCombo = 1;

    CEdit m_name;
    CSpinButtonCtrl m_spin;
    CComboBox m_combo;

    Log log;
    LRESULT deltaResult = 0;                          // the up-down handler's answer
    std::function<void(CTestDialog&)> react;          // runs after each logged notification
    std::function<void(CTestDialog&)> duringExchange;  // runs at the end of DoDataExchange

    void Note(std::wstring event) {
        log.push_back(std::move(event));
        if (react) react(*this);
    }

    BOOL OnInitDialog() override {
        m_name.SubclassDlgItem(IDC_NAME, this);
        m_spin.SubclassDlgItem(IDC_SPIN, this);
        m_combo.SubclassDlgItem(IDC_COMBO, this);
        for (const wchar_t* item : {L"星図", L"標準", L"なし"}) m_combo.AddString(item);
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, IDC_CHECK, m_bCheck);
        DDX_Radio(pDX, IDC_RADIO_A1, m_nRadioA);
        DDX_Radio(pDX, IDC_RADIO_B1, m_nRadioB);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_FIRST, m_dFirst);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_CBIndex(pDX, IDC_COMBO, m_nCombo);
        if (duringExchange) duringExchange(*this);
    }

    void OnDeltaposSpin(NMHDR* hdr, LRESULT* result) {
        Note(zem::Format(L"delta %u %d", static_cast<UINT>(hdr->idFrom), reinterpret_cast<NMUPDOWN*>(hdr)->iDelta));
        *result = deltaResult;
    }
    LRESULT OnPing(WPARAM w, LPARAM l) {
        Note(zem::Format(L"ping %u %d", static_cast<UINT>(w), static_cast<int>(l)));
        return static_cast<LRESULT>(w) + l;
    }

    static CMessageMap::Entry Logged(UINT code, UINT id) {
        return {WM_COMMAND, code, id, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {
                    auto* self = static_cast<CTestDialog*>(t);
                    const UINT control = LOWORD(w);
                    if (HIWORD(w) == BN_CLICKED)
                        self->Note(zem::Format(L"click %u %d", control, l ? reinterpret_cast<HWND>(l)->check : -1));
                    else
                        self->Note(zem::Format(HIWORD(w) == EN_CHANGE ? L"change %u" : L"select %u", control));
                    return 0;
                }};
    }

    const CMessageMap* GetMessageMap() const override { return &ThisMessageMap(); }
    static const CMessageMap& ThisMessageMap() {
        using M = MessageMapOf<CTestDialog>;
        static const CMessageMap map(&CDialog::ThisMessageMap(), {
            Logged(BN_CLICKED, IDC_RADIO_A1), Logged(BN_CLICKED, IDC_RADIO_A2), Logged(BN_CLICKED, IDC_RADIO_A3),
            Logged(BN_CLICKED, IDC_RADIO_B1), Logged(BN_CLICKED, IDC_RADIO_B2), Logged(BN_CLICKED, IDC_CHECK),
            Logged(EN_CHANGE, IDC_NAME), Logged(EN_CHANGE, IDC_FIRST), Logged(EN_CHANGE, IDC_COUNT),
            Logged(EN_CHANGE, IDC_LOCKED), Logged(CBN_SELCHANGE, IDC_COMBO),
            M::OnNotify(UDN_DELTAPOS, IDC_SPIN, &CTestDialog::OnDeltaposSpin),
            M::OnRegisteredMessage(&TestMessage(), &CTestDialog::OnPing),
        });
        return map;
    }
};

inline HWND Record(CWnd& dialog, UINT id) { return AfxFindChild(dialog.m_hWnd, id); }
inline std::wstring TextOf(CWnd& dialog, UINT id) { return Record(dialog, id)->text; }

class PlatformTest : public harness::Test {
protected:
    PlatformTest() : harness::Test(TestResources()) {}
};

}  // namespace ptest
