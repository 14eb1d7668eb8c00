// Shared pieces of the platform tests: a template with a control of every kind, a dialog over it
// that logs every notification it is given, a scripted person, and recorders for message boxes
// and window changes.
#pragma once

#include <gtest/gtest.h>

#include <cwchar>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/input.h"

// Readable failures.
inline void PrintTo(const CString& s, std::ostream* os) { *os << '"' << zem::ToUtf8(std::wstring_view(s.str())) << '"'; }
inline void PrintTo(WndChange c, std::ostream* os) { *os << "WndChange(" << static_cast<int>(c) << ')'; }

namespace ptest {

using Log = std::vector<std::wstring>;

inline std::string U8(std::wstring_view s) { return zem::ToUtf8(s); }

constexpr UINT kDialogId = 9001;
constexpr UINT kInnerDialogId = 9002;
constexpr UINT kStrGreeting = 9101;
constexpr UINT kStrRange = 9102;

enum : UINT {
    IDC_FRAME = 1000,
    IDC_RADIO_A1 = 1001, IDC_RADIO_A2, IDC_RADIO_A3,
    IDC_RADIO_B1 = 1011, IDC_RADIO_B2,
    IDC_CHECK = 1020,
    IDC_NAME = 1030, IDC_FIRST, IDC_SPIN, IDC_SECOND, IDC_COUNT,
    IDC_COMBO = 1040, IDC_LIST,
    IDC_LABEL = 1050, IDC_OPEN_INNER = 1060, IDC_LOCKED = 1070,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

inline const ResourceModule& TestResources() {
    static const ResourceModule module{
        {{kDialogId, L"試験", 0x80C800C0, L"MS UI Gothic", 9, 200, 160, {
              {IDOK, WndClass::Button, L"閉じる", kChild | WS_GROUP | BS_DEFPUSHBUTTON, 140, 140, 50, 14},
              {IDCANCEL, WndClass::Button, L"キャンセル", kChild | BS_PUSHBUTTON, 90, 140, 50, 14},
              {IDC_FRAME, WndClass::Button, L"枠", kChild | WS_GROUP | BS_GROUPBOX, 4, 4, 90, 60},
              {IDC_RADIO_A1, WndClass::Button, L"A1", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 8, 10, 40, 10},
              {IDC_RADIO_A2, WndClass::Button, L"A2", kChild | BS_AUTORADIOBUTTON, 8, 20, 40, 10},
              {IDC_RADIO_A3, WndClass::Button, L"A3", kChild | BS_AUTORADIOBUTTON, 8, 30, 40, 10},
              {IDC_RADIO_B1, WndClass::Button, L"B1", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 50, 10, 40, 10},
              {IDC_RADIO_B2, WndClass::Button, L"B2", kChild | BS_AUTORADIOBUTTON, 50, 20, 40, 10},
              {IDC_CHECK, WndClass::Button, L"表示", kChild | WS_GROUP | BS_AUTOCHECKBOX, 8, 70, 60, 10},
              {IDC_NAME, WndClass::Edit, L"", kChild | WS_GROUP | WS_TABSTOP, 8, 84, 60, 12},
              {IDC_FIRST, WndClass::Edit, L"", kChild | WS_TABSTOP, 8, 98, 30, 12},
              {IDC_SPIN, WndClass::UpDown, L"", kChild | 0x30, 38, 98, 10, 12},
              {IDC_SECOND, WndClass::Edit, L"", kChild | WS_TABSTOP, 50, 98, 30, 12},
              {IDC_COUNT, WndClass::Edit, L"", kChild | WS_TABSTOP, 90, 98, 30, 12},
              {IDC_COMBO, WndClass::ComboBox, L"", kChild | WS_GROUP | 0x3, 100, 10, 60, 40},
              {IDC_LIST, WndClass::ListBox, L"", kChild, 100, 30, 60, 30},
              {IDC_LABEL, WndClass::Static, L"等", kChild, 124, 98, 10, 8},
              {IDC_OPEN_INNER, WndClass::Button, L"詳細...", kChild | BS_PUSHBUTTON, 8, 120, 50, 14},
              {IDC_LOCKED, WndClass::Edit, L"固定", kChild | WS_DISABLED, 60, 120, 30, 12},
          }},
         {kInnerDialogId, L"内側", 0x80C800C0, L"MS UI Gothic", 9, 100, 60, {
              {IDOK, WndClass::Button, L"閉じる", kChild | WS_GROUP | BS_DEFPUSHBUTTON, 40, 40, 50, 14},
              {IDCANCEL, WndClass::Button, L"キャンセル", kChild | BS_PUSHBUTTON, 4, 40, 30, 14},
              {IDC_NAME, WndClass::Edit, L"", kChild | WS_TABSTOP, 4, 4, 60, 12},
          }}},
        {{kStrGreeting, L"こんにちは"}, {kStrRange, L"%.1f～%.1f の範囲で入力してください。"}},
    };
    return module;
}

inline const UINT& TestMessage() {
    static const UINT id = RegisterWindowMessageW(L"Zem::PlatformTest::Ping");
    return id;
}

// Logs "click ID CHECK", "change ID", "select ID", "delta ID DELTA", "ping W L", "cancel".
class CTestDialog : public CDialog {
public:
    explicit CTestDialog(UINT templateId = kDialogId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    BOOL m_bCheck = FALSE;
    int m_nRadioA = 0, m_nRadioB = 1;
    CString m_strName = L"初期";
    double m_dFirst = 1.5, m_dSecond = -2.25;
    int m_nCount = 7, m_nCombo = 1;

    CButton m_check;
    CEdit m_name;
    CSpinButtonCtrl m_spin;
    CComboBox m_combo;
    CListBox m_list;

    Log log;
    LRESULT deltaResult = 0;                          // the up-down handler's answer
    std::function<void(CTestDialog&)> react;          // runs after each logged notification
    std::function<void(CTestDialog&)> duringExchange;  // runs at the end of DoDataExchange
    std::function<void(CTestDialog&)> onOpenInner;
    bool initialised = false;

    void Note(std::wstring event) {
        log.push_back(std::move(event));
        if (react) react(*this);
    }

    BOOL OnInitDialog() override {
        m_check.SubclassDlgItem(IDC_CHECK, this);
        m_name.SubclassDlgItem(IDC_NAME, this);
        m_spin.SubclassDlgItem(IDC_SPIN, this);
        m_combo.SubclassDlgItem(IDC_COMBO, this);
        m_list.SubclassDlgItem(IDC_LIST, this);
        for (const wchar_t* item : {L"星図", L"標準", L"なし"}) m_combo.AddString(item);
        m_list.AddString(L"一");
        m_list.AddString(L"二");
        initialised = true;
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, IDC_CHECK, m_bCheck);
        DDX_Radio(pDX, IDC_RADIO_A1, m_nRadioA);
        DDX_Radio(pDX, IDC_RADIO_B1, m_nRadioB);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_FIRST, m_dFirst);
        DDX_Text(pDX, IDC_SECOND, m_dSecond);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_CBIndex(pDX, IDC_COMBO, m_nCombo);
        if (duringExchange) duringExchange(*this);
    }

    void OnCancel() override {
        Note(L"cancel");
        CDialog::OnCancel();
    }
    void OnOpenInner() {
        if (onOpenInner) onOpenInner(*this);
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
                    switch (HIWORD(w)) {
                        case BN_CLICKED:
                            self->Note(zem::Format(L"click %u %d", control, l ? reinterpret_cast<HWND>(l)->check : -1));
                            break;
                        case EN_CHANGE: self->Note(zem::Format(L"change %u", control)); break;
                        default: self->Note(zem::Format(L"select %u", control)); break;
                    }
                    return 0;
                }};
    }

    const CMessageMap* GetMessageMap() const override { return &ThisMessageMap(); }
    static const CMessageMap& ThisMessageMap() {
        using M = MessageMapOf<CTestDialog>;
        static const CMessageMap map(&CDialog::ThisMessageMap(), {
            Logged(BN_CLICKED, IDC_RADIO_A1), Logged(BN_CLICKED, IDC_RADIO_A2), Logged(BN_CLICKED, IDC_RADIO_A3),
            Logged(BN_CLICKED, IDC_RADIO_B1), Logged(BN_CLICKED, IDC_RADIO_B2), Logged(BN_CLICKED, IDC_CHECK),
            Logged(EN_CHANGE, IDC_NAME), Logged(EN_CHANGE, IDC_FIRST), Logged(EN_CHANGE, IDC_SECOND),
            Logged(EN_CHANGE, IDC_COUNT), Logged(EN_CHANGE, IDC_LOCKED), Logged(CBN_SELCHANGE, IDC_COMBO),
            M::OnBnClicked(IDC_OPEN_INNER, &CTestDialog::OnOpenInner),
            M::OnNotify(UDN_DELTAPOS, IDC_SPIN, &CTestDialog::OnDeltaposSpin),
            M::OnRegisteredMessage(&TestMessage(), &CTestDialog::OnPing),
        });
        return map;
    }
};

// A window of the host: answers 42; for 2064 it writes "星図" into the caller's buffer.
class CHostWnd : public CWnd {
public:
    std::vector<UINT> received;
    LRESULT WindowProc(UINT message, WPARAM, LPARAM lParam) override {
        received.push_back(message);
        if (message == 2064) std::wcscpy(reinterpret_cast<wchar_t*>(lParam), L"星図");
        return 42;
    }
};

// Plays the person: each action acts on the innermost open dialog, until it ends.
class ScriptedPerson : public CModalPerson {
public:
    std::deque<std::function<void(CDialog&)>> actions;
    Log events;

    void OnBegin(CDialog& d) override { events.push_back(zem::Format(L"begin %u", d.GetTemplateId())); }
    void Run(CDialog& d) override {
        while (!d.HasEnded() && !actions.empty()) {
            auto action = std::move(actions.front());
            actions.pop_front();
            action(d);
        }
    }
    void OnEnd(CDialog& d, INT_PTR result) override {
        events.push_back(zem::Format(L"end %u %d", d.GetTemplateId(), static_cast<int>(result)));
    }
};

inline std::function<void(CDialog&)> Click(UINT id) {
    return [id](CDialog& d) { input::Click(d, id); };
}
inline std::function<void(CDialog&)> Paste(UINT id, std::wstring text) {
    return [id, text](CDialog& d) { input::Paste(d, id, text); };
}

class MessageBoxRecorder : public CMessageBoxService {
public:
    Log shown;
    CString lastCaption;
    UINT lastType = 0;
    int answer = IDOK;
    int Show(const CString& text, const CString& caption, UINT type) override {
        shown.push_back(text.str());
        lastCaption = caption;
        lastType = type;
        return answer;
    }
};

class ChangeRecorder : public CWndObserver {
public:
    std::vector<std::pair<UINT, WndChange>> seen;
    ChangeRecorder() { AfxAddWndObserver(this); }
    ~ChangeRecorder() override { AfxRemoveWndObserver(this); }
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;
    void OnWndChanged(HWND window, WndChange change) override { seen.emplace_back(window->id, change); }
};

inline HWND Record(CWnd& dialog, UINT id) { return AfxFindChild(dialog.m_hWnd, id); }
inline std::wstring TextOf(CWnd& dialog, UINT id) { return Record(dialog, id)->text; }

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        AfxAddResourceModule(&TestResources());
        AfxSetMessageBoxService(&boxes);
        AfxSetModalPerson(&person);
    }
    void TearDown() override {
        AfxSetModalPerson(nullptr);
        AfxSetMessageBoxService(nullptr);
        AfxSetMainWnd(nullptr);
        AfxRemoveResourceModule(&TestResources());
    }
    // Runs body while the dialog's windows exist; the dialog stays open unless body ends it.
    INT_PTR Within(CDialog& dialog, std::function<void()> body) {
        person.actions.push_back([body = std::move(body)](CDialog&) { body(); });
        return dialog.DoModal();
    }

    ScriptedPerson person;
    MessageBoxRecorder boxes;
};

}  // namespace ptest
