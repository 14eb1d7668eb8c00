// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstarwds.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_WDS, IDS_HELP_STAR_WDS, L"Star.Wds.Primary.Mark.Color", ApplyKind::Live};

const zem::MagLimitTraits kLimit{
    .prefix = L"Star.WDS",
    .limitCheck = IDC_WDS_LIMIT_MAG,
    .autoRadio = IDC_WDS_MAG_AUTO,
    .fixedRadio = IDC_WDS_MAG_FIXED,
    .maximum = {IDC_WDS_MAG_MAX, IDC_WDS_MAG_MAX_SPIN, -20, 300},
    .minimum = {IDC_WDS_MAG_MIN, IDC_WDS_MAG_MIN_SPIN, -20, 300},
    .toStatic = IDC_WDS_MAG_TO,
    .unitStatic = IDC_WDS_MAG_UNIT,
    .textLimit = 5,
    .lower = -2.0,
    .upper = 30.0,
    .rangeMessage = IDS_WDS_MAG_RANGE,
    .orderMessage = IDS_WDS_MAG_ORDER,
};

}  // namespace

CDlgStarWds::CDlgStarWds(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CRowOverlayDialog(engine, engine2, parent, kTraits, kLimit) {
    InitData();
}

CDlgStarWds::CDlgStarWds(CWnd* parent) : CRowOverlayDialog(parent, kTraits, kLimit) { InitData(); }

void CDlgStarWds::InitData() {
    m_bPrimaryMark = m_bName = m_bSystem = m_bComponentName = m_bMagPrimary = m_bMagAll = FALSE;
    InitLimit(-10.0, 6.0);
}

const CMessageMap* CDlgStarWds::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarWds>;
    static const CMessageMap map(&CRowOverlayDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_WDS_VISIBLE, &CDlgStarWds::OnCheckWdsView),
        M::OnBnClicked(IDC_WDS_NAME, &CDlgStarWds::OnApply),
        M::OnBnClicked(IDC_WDS_MAG_PRIMARY, &CDlgStarWds::OnCheckWdsMagPrimary),
        M::OnBnClicked(IDC_WDS_COMPONENT_NAME, &CDlgStarWds::OnApply),
        M::OnBnClicked(IDC_WDS_SYSTEM, &CDlgStarWds::OnCheckWdsSystem),
        M::OnBnClicked(IDC_WDS_MAG_ALL, &CDlgStarWds::OnApply),
        M::OnBnClicked(IDC_WDS_LIMIT_MAG, &CDlgStarWds::OnCheckWdsLimitMag),
        M::OnBnClicked(IDC_WDS_MAG_AUTO, &CDlgStarWds::OnClickRadioWdsAutoMag),
        M::OnBnClicked(IDC_WDS_MAG_FIXED, &CDlgStarWds::OnClickRadioWdsFixedMag),
        M::OnEnChange(IDC_WDS_MAG_MAX, &CDlgStarWds::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_WDS_MAG_MAX_SPIN, &CDlgStarWds::OnDeltaposSpinWdsMagMax),
        M::OnEnChange(IDC_WDS_MAG_MIN, &CDlgStarWds::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_WDS_MAG_MIN_SPIN, &CDlgStarWds::OnDeltaposSpinWdsMagMin),
        M::OnBnClicked(IDC_WDS_COLOR_FONT, &CDlgStarWds::OnButtonFont),
    });
    return &map;
}

zem::SettingRows<CDlgStarWds> CDlgStarWds::Rows() {
    using D = CDlgStarWds;
    // A box that carries two properties is set only when both are (the second is asked only when
    // the first is TRUE). The system box gates "all magnitudes" on screen but plays no part in
    // what that box sends; the secondary magnitudes count only with the primary's.
    static const zem::SettingRow<D> rows[] = {
        {IDC_WDS_VISIBLE, &D::m_bPrimaryMark, L"Star.WDS.Primary.Mark.Visible", L"Star.WDS.Primary.Mark.Visible"},
        {IDC_WDS_NAME, &D::m_bName, L"Star.WDS.Name.Visible", L"Star.WDS.Name.Visible"},
        {.control = IDC_WDS_SYSTEM, .member = &D::m_bSystem,
         .read = L"Star.WDS.Pair.Line.Visible", .write = L"Star.WDS.Secondary.Mark.Visible",
         .read2 = L"Star.WDS.Secondary.Mark.Visible", .write2 = L"Star.WDS.Pair.Line.Visible"},
        {.control = IDC_WDS_COMPONENT_NAME, .member = &D::m_bComponentName,
         .read = L"Star.WDS.ComponentName.Visible", .write = L"Star.WDS.ComponentName.Visible",
         .read2 = L"Star.WDS.Pair.Name.Visible", .write2 = L"Star.WDS.Pair.Name.Visible"},
        {IDC_WDS_MAG_PRIMARY, &D::m_bMagPrimary, L"Star.WDS.Primary.Magnitude.Visible", L"Star.WDS.Primary.Magnitude.Visible"},
        {.control = IDC_WDS_MAG_ALL, .member = &D::m_bMagAll,
         .read = L"Star.WDS.Secondary.Magnitude.Visible", .write = L"Star.WDS.Secondary.Magnitude.Visible",
         .gate = &D::m_bMagPrimary},
    };
    return zem::Rows(rows);
}

void CDlgStarWds::AttachControls() {
    CRowOverlayDialog::AttachControls();
    static const ControlRow controls[] = {
        {Ctl::Button, IDC_WDS_COLOR_FONT},      {Ctl::GroupBox, IDC_WDS_GROUP},       {Ctl::GroupBox, IDC_WDS_LIMIT_GROUP},
        {Ctl::Edit, IDC_WDS_MAG_MAX},           {Ctl::Edit, IDC_WDS_MAG_MIN},         {Ctl::Static, IDC_WDS_MAG_TO},
        {Ctl::Static, IDC_WDS_MAG_UNIT},        {Ctl::CheckBox, IDC_WDS_VISIBLE},     {Ctl::CheckBox, IDC_WDS_NAME},
        {Ctl::CheckBox, IDC_WDS_MAG_PRIMARY},   {Ctl::CheckBox, IDC_WDS_COMPONENT_NAME},
        {Ctl::CheckBox, IDC_WDS_SYSTEM},        {Ctl::CheckBox, IDC_WDS_MAG_ALL},     {Ctl::CheckBox, IDC_WDS_LIMIT_MAG},
        {Ctl::RadioButton, IDC_WDS_MAG_AUTO},   {Ctl::RadioButton, IDC_WDS_MAG_FIXED},
        {Ctl::Spin, IDC_WDS_MAG_MAX_SPIN},      {Ctl::Spin, IDC_WDS_MAG_MIN_SPIN},
    };
    AttachTable(controls);
}

void CDlgStarWds::SetEnableOrDisableWds() {
    const bool view = IsDlgButtonChecked(IDC_WDS_VISIBLE) != 0;
    const bool system = IsDlgButtonChecked(IDC_WDS_SYSTEM) != 0;
    const bool magPrimary = IsDlgButtonChecked(IDC_WDS_MAG_PRIMARY) != 0;
    EnableItems({IDC_WDS_NAME, IDC_WDS_MAG_PRIMARY, IDC_WDS_COMPONENT_NAME, IDC_WDS_SYSTEM}, view);
    EnableItem(IDC_WDS_MAG_ALL, view && system && magPrimary);
    m_limit.EnableControls(view);
}

void CDlgStarWds::OnCheckWdsView() { ApplyAndEnable(); }
void CDlgStarWds::OnCheckWdsMagPrimary() { ApplyAndEnable(); }
void CDlgStarWds::OnCheckWdsSystem() { ApplyAndEnable(); }
void CDlgStarWds::OnCheckWdsLimitMag() { ApplyAndEnable(); }
void CDlgStarWds::OnClickRadioWdsAutoMag() { ApplyAndEnable(); }
void CDlgStarWds::OnClickRadioWdsFixedMag() { ApplyAndEnable(); }

void CDlgStarWds::OnDeltaposSpinWdsMagMax(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.maximum, pNotify, pResult);
}

void CDlgStarWds::OnDeltaposSpinWdsMagMin(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.minimum, pNotify, pResult);
}
