// SPDX-License-Identifier: BSD-3-Clause
// The standard controls as the program sees them: thin objects over a control's window.
#pragma once

#include <string_view>

#include "platform/wnd.h"

class ZEM_EXPORT CButton : public CWnd {
public:
    int GetCheck() const { return m_hWnd ? m_hWnd->check : 0; }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check), 0); }
};

class ZEM_EXPORT CEdit : public CWnd {
public:
    void SetLimitText(UINT limit) { SendMessage(EM_LIMITTEXT, limit, 0); }
    void LimitText(int limit = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(limit), 0); }
    UINT GetLimitText() const { return m_hWnd ? static_cast<UINT>(m_hWnd->textLimit) : 0; }
};

class ZEM_EXPORT CStatic : public CWnd {};

class ZEM_EXPORT CSpinButtonCtrl : public CWnd {
public:
    void SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<unsigned short>(upper), static_cast<unsigned short>(lower))); }
    void GetRange(int& lower, int& upper) const {
        lower = m_hWnd ? m_hWnd->lower : 0;
        upper = m_hWnd ? m_hWnd->upper : 0;
    }
    int SetPos(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(static_cast<unsigned short>(pos), 0))); }
    int GetPos() const { return m_hWnd ? m_hWnd->pos : 0; }
};

class ZEM_EXPORT CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int GetCount() const { return m_hWnd ? static_cast<int>(m_hWnd->items.size()) : 0; }
    int GetCurSel() const { return m_hWnd ? m_hWnd->curSel : CB_ERR; }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(static_cast<INT_PTR>(index)), 0)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT, 0, 0); }
    void GetLBText(int index, CString& text) const;
    // An item's text as the list holds it, read without a copy (valid until the items change);
    // empty for an index outside the list.
    std::wstring_view ItemText(int index) const;
};

class ZEM_EXPORT CListBox : public CWnd {
public:
    int AddString(const wchar_t* text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const wchar_t* text) {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(static_cast<INT_PTR>(index)), reinterpret_cast<LPARAM>(text)));
    }
    int GetCount() const { return m_hWnd ? static_cast<int>(m_hWnd->items.size()) : 0; }
    void GetText(int index, CString& text) const;
    // Room for count more items, so that adding them does not grow the list step by step.
    int InitStorage(int count, UINT bytes) {
        return static_cast<int>(SendMessage(LB_INITSTORAGE, static_cast<WPARAM>(count < 0 ? 0 : count), static_cast<LPARAM>(bytes)));
    }
    int SetCaretIndex(int index) { return static_cast<int>(SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(static_cast<INT_PTR>(index)), 0)); }
    int GetCaretIndex() const { return m_hWnd ? m_hWnd->caret : 0; }
    void ResetContent() { SendMessage(LB_RESETCONTENT, 0, 0); }
};
