// SPDX-License-Identifier: BSD-3-Clause
// Modal dialogs built from templates, and data exchange between their controls and members.
#pragma once

#include <memory>

#include "platform/cstring.h"
#include "platform/wnd.h"

class CDialog;

// Whoever acts on a modal dialog while it runs: the person at the screen, a scripted person in
// tests, the scenario host. Run returns when the dialog has ended or the person has no more to do.
class ZEM_EXPORT CModalPerson {
public:
    virtual ~CModalPerson();
    virtual void OnBegin(CDialog& /*dialog*/) {}            // before the dialog initialises
    virtual void Run(CDialog& dialog) = 0;                  // after it has initialised
    virtual void OnEnd(CDialog& /*dialog*/, INT_PTR /*result*/) {}  // after its windows are gone
};
ZEM_EXPORT void AfxSetModalPerson(CModalPerson* person);  // null: a dialog ends at once with -1
ZEM_EXPORT CModalPerson* AfxGetModalPerson();

class ZEM_EXPORT CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the windows of the template, initialises, lets the person act until the dialog
    // ends, destroys the windows. Returns the EndDialog result, or -1 when there is no template or
    // the person stopped before the dialog ended.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    bool HasEnded() const override { return m_bEnded; }
    UINT GetTemplateId() const { return m_nIDTemplate; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // The window a dialog belongs to: its parent, else the application's main window.
    CWnd* GetParent() const override;
    void GotoDlgCtrl(CWnd* control);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    const CMessageMap* GetMessageMap() const override;
    static const CMessageMap& ThisMessageMap();

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    bool IsOwnControl(LPARAM source) const;

    std::unique_ptr<WndRecord> m_record;
    bool m_bEnded = false;
    int m_nModalResult = -1;
};

class ZEM_EXPORT CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    bool m_bFailed = false;  // once set, the remaining exchanges of this pass do nothing
    UINT m_idLastControl = 0;

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    // Ends the exchange: the focus goes back to the control that failed.
    void Fail();
};

// The framework's own messages for text a numeric exchange cannot read.
inline constexpr const wchar_t* kParseRealMessage = L"数値を入力してください。";
inline constexpr const wchar_t* kParseIntMessage = L"整数を入力してください。";

ZEM_EXPORT void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
ZEM_EXPORT void DDX_Radio(CDataExchange* pDX, int id, int& value);
ZEM_EXPORT void DDX_Text(CDataExchange* pDX, int id, CString& value);
ZEM_EXPORT void DDX_Text(CDataExchange* pDX, int id, int& value);
ZEM_EXPORT void DDX_Text(CDataExchange* pDX, int id, double& value);
ZEM_EXPORT void DDX_CBIndex(CDataExchange* pDX, int id, int& value);

// The framework's reading of a double from text: blanks around a number, nothing else.
ZEM_EXPORT bool AfxSimpleFloatParse(const wchar_t* text, double& value);
