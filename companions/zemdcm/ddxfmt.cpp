// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemdcm/ddxfmt.h"

void DDX_DoubleFmt(CDataExchange* pDX, int id, double& value, const wchar_t* format, UINT) {
    if (pDX->m_bFailed) return;
    if (pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, id, value);
        return;
    }
    HWND w = pDX->PrepareEditCtrl(id);
    if (!w) return;
    CString text;
    text.Format(format ? format : L"%.1f", value);
    CWnd::FromHandle(w)->SetWindowText(text);
}
