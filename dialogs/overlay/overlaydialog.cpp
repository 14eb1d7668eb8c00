// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/overlaydialog.h"

#include "companions/zemdcm/ddxfmt.h"

BOOL COverlayDialog::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    AttachControls();
    PrepareFields();
    ReadSettings();
    m_limit.ReadFromEngine();
    UpdateData(FALSE);
    SetEnableRules();
    StoreUndoScript();
    return TRUE;
}

void COverlayDialog::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    ExchangeSettings(pDX);
    const zem::MagLimitTraits& t = m_limit.Traits();
    DDX_Check(pDX, static_cast<int>(t.limitCheck), m_limit.m_bLimit);
    DDX_Radio(pDX, static_cast<int>(t.autoRadio), m_limit.m_nMode);
    ExchangeMag(pDX, t.maximum.edit, m_limit.m_dMax);
    ExchangeMag(pDX, t.minimum.edit, m_limit.m_dMin);
}

BOOL COverlayDialog::GetScript(CString* script) {
    if (!m_mag.IsEditReady() || !ValidateLimit()) return FALSE;
    // Text the checks let through but the exchange cannot read has had the framework's own
    // message; nothing is sent.
    if (!UpdateData(TRUE)) return FALSE;
    CString s = StartScript();
    AppendScript(s);
    return FinishScript(s, script);
}

void COverlayDialog::InitLimit(double bright, double faint) {
    m_limit.m_bLimit = FALSE;
    m_limit.m_nMode = 0;
    m_limit.m_dMax = bright;
    m_limit.m_dMin = faint;
    m_mag.SetEditReady(TRUE);
}

BOOL COverlayDialog::ValidateLimit() {
    const zem::MagLimitTraits& t = m_limit.Traits();
    if (t.rangeMessage) {
        const int message = static_cast<int>(t.rangeMessage);
        if (!CheckMagRange(static_cast<int>(t.minimum.edit), t.upper, t.lower, message)) return FALSE;
        if (!CheckMagRange(static_cast<int>(t.maximum.edit), t.upper, t.lower, message)) return FALSE;
    }
    return m_limit.CheckOrder();
}

void COverlayDialog::ExchangeMag(CDataExchange* pDX, UINT editId, double& value) {
    const UINT width = m_limit.Traits().exchangeWidth;
    if (width) DDX_DoubleFmt(pDX, static_cast<int>(editId), value, L"%.1f", width);
    else DDX_Double(pDX, static_cast<int>(editId), value, L"%.1f");
}

void COverlayDialog::StepField(const zem::MagField& field, NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(static_cast<int>(field.edit), zem::SpinDelta(pNotify), field.upper10, field.lower10);
    Apply();
    *pResult = 0;
}
