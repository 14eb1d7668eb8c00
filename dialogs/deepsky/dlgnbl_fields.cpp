// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky dialog's edits (the two magnitude ranges and the image brightness): their range
// checks, their steps and the brightness reset. The checks read an edit as its leading number
// (0.0 for none) and report nothing of their own about text that is not a number.
#include <algorithm>

#include "dialogs/deepsky/dlgnbl.h"
#include "framework/numbers.h"
#include "platform/crt.h"

int CDlgNbl::CheckRange(const zem::NumberRow<D>& field, Report report) {
    return m_mag.CheckMagRange(static_cast<int>(field.edit), field.Upper(), field.Lower(),
                               report == Report::WithMessages ? field.message : 0, zem::MagText::LeadingNumber);
}

int CDlgNbl::CheckMagOrder(const zem::NumberRow<D>& bright, const zem::NumberRow<D>& faint, Report report) {
    if (zem::EditNumber(*this, bright.edit) > zem::EditNumber(*this, faint.edit)) {
        if (report == Report::WithMessages) AfxMessageBox(IDS_MAG_ORDER, MB_ICONINFORMATION);
        return 0;
    }
    return 1;
}

// One tenth by the sign of delta, kept within the edit's bounds. The text is written as any
// program write: its change notification applies, once.
void CDlgNbl::UpdateMagSpin(const zem::NumberRow<D>& field, int delta) {
    CWnd* edit = GetDlgItem(static_cast<int>(field.edit));
    if (!edit) return;
    int n = zem::StepTenths(zem::Tenths(crt::_wtof(edit->WindowText().c_str())), delta);
    n = std::min(n, field.upper10);
    n = std::max(n, field.lower10);
    edit->SetWindowTextFixed1(n / 10.0);
}

void CDlgNbl::StepEdit(NMHDR* pNotify, LRESULT* pResult) {
    for (const auto& field : Numbers())
        if (pNotify && field.spin == pNotify->idFrom) UpdateMagSpin(field, zem::SpinDelta(pNotify));
    *pResult = 0;
}

// The edit's change notification applies.
void CDlgNbl::OnBtnImageReset() {
    CString text;
    text.Format(L"%-.1f", Number(IDC_NBL_BRIGHTNESS).reset);
    SetDlgItemText(IDC_NBL_BRIGHTNESS, text);
}
