// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstarwds.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_WDS, IDS_HELP_STAR_WDS, L"Star.Wds.Primary.Mark.Color", ApplyKind::Live};

const zem::MagLimitTraits kLimit{
    .prefix = L"Star.WDS",
    .group = IDC_WDS_LIMIT_GROUP,
    .limitCheck = IDC_WDS_LIMIT_MAG,
    .autoRadio = IDC_WDS_MAG_AUTO,
    .fixedRadio = IDC_WDS_MAG_FIXED,
    .maximum = {IDC_WDS_MAG_MAX, IDC_WDS_MAG_MAX_SPIN, -20, 300, -10.0},
    .minimum = {IDC_WDS_MAG_MIN, IDC_WDS_MAG_MIN_SPIN, -20, 300, 6.0},
    .toStatic = IDC_WDS_MAG_TO,
    .unitStatic = IDC_WDS_MAG_UNIT,
    .textLimit = 5,
    .rangeMessage = IDS_WDS_MAG_RANGE,
    .orderMessage = IDS_WDS_MAG_ORDER,
};

}  // namespace

CDlgStarWds::CDlgStarWds(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CRowOverlayDialog(engine, engine2, parent, kTraits, kLimit) {}
CDlgStarWds::CDlgStarWds(CWnd* parent) : CRowOverlayDialog(parent, kTraits, kLimit) {}

const DialogTraits& CDlgStarWds::Traits() { return kTraits; }
const zem::MagLimitTraits& CDlgStarWds::Limit() { return kLimit; }

const CMessageMap* CDlgStarWds::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarWds>;
    static const CMessageMap map = OverlayMap<D>({
        M::OnBnClicked(IDC_WDS_COLOR_FONT, &D::OnButtonFont),
    });
    return &map;
}

void CDlgStarWds::AttachControls() {
    CRowOverlayDialog::AttachControls();
    static const ControlRow controls[] = {{Ctl::Button, IDC_WDS_COLOR_FONT}, {Ctl::GroupBox, IDC_WDS_GROUP}};
    AttachTable(controls);
}

void CDlgStarWds::SetEnableOrDisableWds() {
    const bool view = IsDlgButtonChecked(IDC_WDS_VISIBLE) != 0;
    const bool system = IsDlgButtonChecked(IDC_WDS_SYSTEM) != 0;
    const bool magPrimary = IsDlgButtonChecked(IDC_WDS_MAG_PRIMARY) != 0;
    EnableRows(Rows(kLabels), view);
    // All magnitudes need the system and the primary's magnitude as well.
    EnableItem(IDC_WDS_MAG_ALL, view && system && magPrimary);
    m_limit.EnableControls(view);
}
