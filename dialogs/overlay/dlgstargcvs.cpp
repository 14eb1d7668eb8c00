// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstargcvs.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_GCVS, IDS_HELP_STAR_GCVS, L"Star.Gcvs.Mark.Color", ApplyKind::Live};

const zem::MagLimitTraits kLimit{
    .prefix = L"Star.GCVS",
    .group = IDC_GCVS_LIMIT_GROUP,
    .limitCheck = IDC_GCVS_LIMIT_MAG,
    .autoRadio = IDC_GCVS_MAG_AUTO,
    .fixedRadio = IDC_GCVS_MAG_FIXED,
    .maximum = {IDC_GCVS_MAG_MAX, IDC_GCVS_MAG_MAX_SPIN, -60, 300, -10.0},
    .minimum = {IDC_GCVS_MAG_MIN, IDC_GCVS_MAG_MIN_SPIN, -60, 300, 6.0},
    .toStatic = IDC_GCVS_MAG_TO,
    .unitStatic = IDC_GCVS_MAG_UNIT,
    .textLimit = 5,
    .rangeMessage = IDS_GCVS_MAG_RANGE,
    .orderMessage = IDS_GCVS_MAG_ORDER,
};

}  // namespace

CDlgStarGcvs::CDlgStarGcvs(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CRowOverlayDialog(engine, engine2, parent, kTraits, kLimit) {}
CDlgStarGcvs::CDlgStarGcvs(CWnd* parent) : CRowOverlayDialog(parent, kTraits, kLimit) {}

const DialogTraits& CDlgStarGcvs::Traits() { return kTraits; }
const zem::MagLimitTraits& CDlgStarGcvs::Limit() { return kLimit; }

const CMessageMap* CDlgStarGcvs::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarGcvs>;
    static const CMessageMap map = OverlayMap<D>({
        M::OnBnClicked(IDC_GCVS_COLOR_FONT, &D::OnButtonFont),
    });
    return &map;
}

void CDlgStarGcvs::AttachControls() {
    CRowOverlayDialog::AttachControls();
    static const ControlRow controls[] = {{Ctl::Button, IDC_GCVS_COLOR_FONT}, {Ctl::GroupBox, IDC_GCVS_GROUP}};
    AttachTable(controls);
}

void CDlgStarGcvs::SetEnableOrDisableGcvs() {
    const bool view = IsDlgButtonChecked(IDC_GCVS_VISIBLE) != 0;
    const bool name = IsDlgButtonChecked(IDC_GCVS_NAME) != 0;
    EnableRows(Rows(kLabels), view);
    // The abbreviation is the alternative to the name.
    EnableItem(IDC_GCVS_ABBREVIATION, view && !name);
    m_limit.EnableControls(view);
}
