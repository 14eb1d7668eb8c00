// SPDX-License-Identifier: BSD-3-Clause
// The control library's owner-drawn controls. Each binds to its template control with Attach;
// the drawing is the desktop front end's, so here they keep what they are given for it.
#pragma once

#include "platform/controls.h"

template <class Base>
class ZEM_EXPORT CQelAttached : public Base {
public:
    BOOL Attach(UINT id, CWnd* parent) { return this->SubclassDlgItem(id, parent); }
};

class ZEM_EXPORT CQelGroupBox : public CQelAttached<CButton> {};
class ZEM_EXPORT CQelCheckBox : public CQelAttached<CButton> {};
// The small check box of the star and deep-sky grids; it draws its focus itself.
class ZEM_EXPORT CFocusCheckBox : public CQelCheckBox {};
class ZEM_EXPORT CQelRadioButton : public CQelAttached<CButton> {};
class ZEM_EXPORT CQelEdit : public CQelAttached<CEdit> {};
class ZEM_EXPORT CQelStatic : public CQelAttached<CStatic> {};
class ZEM_EXPORT CQelSpinButton : public CQelAttached<CSpinButtonCtrl> {};
class ZEM_EXPORT CQelComboBox : public CQelAttached<CComboBox> {};

class ZEM_EXPORT CQelButton : public CButton {
public:
    BOOL Attach(UINT id, CWnd* parent, COLORREF focus, COLORREF face, COLORREF text, COLORREF disabled, UINT bevel);

    COLORREF m_crFocus = 0, m_crFace = 0, m_crText = 0, m_crDisabled = 0;
    UINT m_nBevel = 0;
};

// Switches visual themes of windows off (the desktop draws such windows classic).
class ZEM_EXPORT CQelTheme {
public:
    static void SetWindowTheme(HWND window, const wchar_t* subAppName, const wchar_t* subIdList);
    static bool IsThemeOff(HWND window);
};
