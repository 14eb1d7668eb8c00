// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcst/qelcontrols.h"

BOOL CQelButton::Attach(UINT id, CWnd* parent, COLORREF focus, COLORREF face, COLORREF text, COLORREF disabled, UINT bevel) {
    m_crFocus = focus;
    m_crFace = face;
    m_crText = text;
    m_crDisabled = disabled;
    m_nBevel = bevel;
    return SubclassDlgItem(id, parent);
}

void CQelTheme::SetWindowTheme(HWND window, const wchar_t* subAppName, const wchar_t* subIdList) {
    if (!window) return;
    // Two empty names switch the theme off; anything else gives the window its theme back.
    window->themed = !(subAppName && !*subAppName && subIdList && !*subIdList);
    AfxNotifyWndChanged(window, WndChange::Custom);
}

bool CQelTheme::IsThemeOff(HWND window) { return window && !window->themed; }
