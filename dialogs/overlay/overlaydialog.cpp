// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/overlaydialog.h"

#include "companions/zemdcm/ddxfmt.h"

void COverlayDialog::AddLimitEntries(std::vector<CMessageMap::Entry>& entries, const zem::MagLimitTraits& t) {
    using M = MessageMapOf<COverlayDialog>;
    for (UINT id : {t.limitCheck, t.autoRadio, t.fixedRadio})
        entries.push_back(RowEntry(BN_CLICKED, id, zem::Click::ApplyEnable, nullptr));
    entries.push_back(RowEntry(EN_CHANGE, t.maximum.edit, zem::Click::Apply, nullptr));
    entries.push_back(M::OnNotify(UDN_DELTAPOS, t.maximum.spin, &COverlayDialog::OnDeltaposSpinMagMax));
    entries.push_back(RowEntry(EN_CHANGE, t.minimum.edit, zem::Click::Apply, nullptr));
    entries.push_back(M::OnNotify(UDN_DELTAPOS, t.minimum.spin, &COverlayDialog::OnDeltaposSpinMagMin));
}

void COverlayDialog::AttachControls() {
    CSettingsDialog::AttachControls();
    const zem::MagLimitTraits& t = m_limit.Traits();
    const ControlRow controls[] = {
        {Ctl::GroupBox, t.group},          {Ctl::CheckBox, t.limitCheck},   {Ctl::RadioButton, t.autoRadio},
        {Ctl::RadioButton, t.fixedRadio},  {Ctl::Edit, t.maximum.edit},     {Ctl::Spin, t.maximum.spin},
        {Ctl::Static, t.toStatic},         {Ctl::Edit, t.minimum.edit},     {Ctl::Spin, t.minimum.spin},
        {Ctl::Static, t.unitStatic},
    };
    AttachTable(controls);
}

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

BOOL COverlayDialog::ValidateLimit() {
    const zem::MagLimitTraits& t = m_limit.Traits();
    if (t.rangeMessage) {
        for (const zem::MagField& f : {t.minimum, t.maximum})
            if (!m_mag.CheckMagRange(static_cast<int>(f.edit), f.upper10 / 10.0, f.lower10 / 10.0, t.rangeMessage))
                return FALSE;
    }
    return m_limit.CheckOrder();
}

void COverlayDialog::ExchangeMag(CDataExchange* pDX, UINT editId, double& value) {
    ExchangeNumber(pDX, editId, value, L"%.1f", m_limit.Traits().exchangeWidth);
}

void COverlayDialog::StepField(UINT edit, int lower10, int upper10, NMHDR* pNotify, LRESULT* pResult) {
    m_mag.UpdateMagSpin(static_cast<int>(edit), zem::SpinDelta(pNotify), upper10, lower10);
    Apply();
    *pResult = 0;
}

void COverlayDialog::OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult) {
    const zem::MagField& f = m_limit.Traits().maximum;
    StepField(f.edit, f.lower10, f.upper10, pNotify, pResult);
}

void COverlayDialog::OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult) {
    const zem::MagField& f = m_limit.Traits().minimum;
    StepField(f.edit, f.lower10, f.upper10, pNotify, pResult);
}
