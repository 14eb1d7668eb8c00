// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstargcvs.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_GCVS, IDS_HELP_STAR_GCVS, L"Star.Gcvs.Mark.Color", ApplyKind::Live};

const zem::MagLimitTraits kLimit{
    .prefix = L"Star.GCVS",
    .limitCheck = IDC_GCVS_LIMIT_MAG,
    .autoRadio = IDC_GCVS_MAG_AUTO,
    .fixedRadio = IDC_GCVS_MAG_FIXED,
    .maximum = {IDC_GCVS_MAG_MAX, IDC_GCVS_MAG_MAX_SPIN, -60, 300},
    .minimum = {IDC_GCVS_MAG_MIN, IDC_GCVS_MAG_MIN_SPIN, -60, 300},
    .toStatic = IDC_GCVS_MAG_TO,
    .unitStatic = IDC_GCVS_MAG_UNIT,
    .textLimit = 5,
    .lower = -6.0,
    .upper = 30.0,
    .rangeMessage = IDS_GCVS_MAG_RANGE,
    .orderMessage = IDS_GCVS_MAG_ORDER,
};

}  // namespace

CDlgStarGcvs::CDlgStarGcvs(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CRowOverlayDialog(engine, engine2, parent, kTraits, kLimit) {
    InitData();
}

CDlgStarGcvs::CDlgStarGcvs(CWnd* parent) : CRowOverlayDialog(parent, kTraits, kLimit) { InitData(); }

void CDlgStarGcvs::InitData() {
    m_bMark = m_bName = m_bAbbreviation = m_bMagMax = m_bMagMin = FALSE;
    InitLimit(-10.0, 6.0);
}

const CMessageMap* CDlgStarGcvs::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarGcvs>;
    static const CMessageMap map(&CRowOverlayDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_GCVS_VISIBLE, &CDlgStarGcvs::OnCheckGcvsView),
        M::OnBnClicked(IDC_GCVS_NAME, &CDlgStarGcvs::OnCheckGcvsName),
        M::OnBnClicked(IDC_GCVS_MAXIMUM, &CDlgStarGcvs::OnApply),
        M::OnBnClicked(IDC_GCVS_ABBREVIATION, &CDlgStarGcvs::OnApply),
        M::OnBnClicked(IDC_GCVS_MINIMUM, &CDlgStarGcvs::OnApply),
        M::OnBnClicked(IDC_GCVS_LIMIT_MAG, &CDlgStarGcvs::OnCheckGcvsLimitMag),
        M::OnBnClicked(IDC_GCVS_MAG_AUTO, &CDlgStarGcvs::OnClickRadioGcvsAutoMag),
        M::OnBnClicked(IDC_GCVS_MAG_FIXED, &CDlgStarGcvs::OnClickRadioGcvsFixedMag),
        M::OnEnChange(IDC_GCVS_MAG_MAX, &CDlgStarGcvs::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_GCVS_MAG_MAX_SPIN, &CDlgStarGcvs::OnDeltaposSpinGcvsMagMax),
        M::OnEnChange(IDC_GCVS_MAG_MIN, &CDlgStarGcvs::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_GCVS_MAG_MIN_SPIN, &CDlgStarGcvs::OnDeltaposSpinGcvsMagMin),
        M::OnBnClicked(IDC_GCVS_COLOR_FONT, &CDlgStarGcvs::OnButtonFont),
    });
    return &map;
}

zem::SettingRows<CDlgStarGcvs> CDlgStarGcvs::Rows() {
    using D = CDlgStarGcvs;
    // The labels travel as the model holds them, also while their boxes are disabled.
    static const zem::SettingRow<D> rows[] = {
        {IDC_GCVS_VISIBLE, &D::m_bMark, L"Star.GCVS.Mark.Visible", L"Star.GCVS.Mark.Visible"},
        {IDC_GCVS_NAME, &D::m_bName, L"Star.GCVS.Name.Visible", L"Star.GCVS.Name.Visible"},
        {IDC_GCVS_ABBREVIATION, &D::m_bAbbreviation, L"Star.GCVS.Abbreviation.Visible", L"Star.GCVS.Abbreviation.Visible"},
        {IDC_GCVS_MAXIMUM, &D::m_bMagMax, L"Star.GCVS.Magnitude.Maximum.Visible", L"Star.GCVS.Magnitude.Maximum.Visible"},
        {IDC_GCVS_MINIMUM, &D::m_bMagMin, L"Star.GCVS.Magnitude.Minimum.Visible", L"Star.GCVS.Magnitude.Minimum.Visible"},
    };
    return zem::Rows(rows);
}

void CDlgStarGcvs::AttachControls() {
    CRowOverlayDialog::AttachControls();
    static const ControlRow controls[] = {
        {Ctl::Button, IDC_GCVS_COLOR_FONT},    {Ctl::GroupBox, IDC_GCVS_GROUP},    {Ctl::GroupBox, IDC_GCVS_LIMIT_GROUP},
        {Ctl::Edit, IDC_GCVS_MAG_MAX},         {Ctl::Edit, IDC_GCVS_MAG_MIN},      {Ctl::Static, IDC_GCVS_MAG_TO},
        {Ctl::Static, IDC_GCVS_MAG_UNIT},      {Ctl::CheckBox, IDC_GCVS_VISIBLE},  {Ctl::CheckBox, IDC_GCVS_NAME},
        {Ctl::CheckBox, IDC_GCVS_MAXIMUM},     {Ctl::CheckBox, IDC_GCVS_ABBREVIATION},
        {Ctl::CheckBox, IDC_GCVS_MINIMUM},     {Ctl::CheckBox, IDC_GCVS_LIMIT_MAG},
        {Ctl::RadioButton, IDC_GCVS_MAG_AUTO}, {Ctl::RadioButton, IDC_GCVS_MAG_FIXED},
        {Ctl::Spin, IDC_GCVS_MAG_MAX_SPIN},    {Ctl::Spin, IDC_GCVS_MAG_MIN_SPIN},
    };
    AttachTable(controls);
}

void CDlgStarGcvs::SetEnableOrDisableGcvs() {
    const bool view = IsDlgButtonChecked(IDC_GCVS_VISIBLE) != 0;
    const bool name = IsDlgButtonChecked(IDC_GCVS_NAME) != 0;
    EnableItems({IDC_GCVS_NAME, IDC_GCVS_MAXIMUM, IDC_GCVS_MINIMUM}, view);
    // The abbreviation is the alternative to the name.
    EnableItem(IDC_GCVS_ABBREVIATION, view && !name);
    m_limit.EnableControls(view);
}

void CDlgStarGcvs::OnCheckGcvsView() { ApplyAndEnable(); }
void CDlgStarGcvs::OnCheckGcvsName() { ApplyAndEnable(); }
void CDlgStarGcvs::OnCheckGcvsLimitMag() { ApplyAndEnable(); }
void CDlgStarGcvs::OnClickRadioGcvsAutoMag() { ApplyAndEnable(); }
void CDlgStarGcvs::OnClickRadioGcvsFixedMag() { ApplyAndEnable(); }

void CDlgStarGcvs::OnDeltaposSpinGcvsMagMax(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.maximum, pNotify, pResult);
}

void CDlgStarGcvs::OnDeltaposSpinGcvsMagMin(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.minimum, pNotify, pResult);
}
