// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstarusnoa20.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_USNOA20, IDS_HELP_STAR_USNOA20, nullptr, ApplyKind::Live};

}  // namespace

CDlgStarUsnoA20::CDlgStarUsnoA20(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDetailDialog(engine, engine2, parent, kTraits) {}
CDlgStarUsnoA20::CDlgStarUsnoA20(CWnd* parent) : CDetailDialog(parent, kTraits) {}

zem::SettingRows<CDlgStarUsnoA20> CDlgStarUsnoA20::Rows() {
    using D = CDlgStarUsnoA20;
    // The box is the opposite of the fixed limit; the one answer of these dialogs read without
    // regard to case.
    static const zem::SettingRow<D> rows[] = {
        {.control = IDC_USNO_ALL_STARS,
         .member = &D::m_bAllStars,
         .read = L"Star.Catalog.UsnoA20.FixedMagnitudeLimit",
         .write = L"Star.Catalog.UsnoA20.FixedMagnitudeLimit",
         .flags = zem::kRowInverted | zem::kRowNoCase},
    };
    return zem::Rows(rows);
}

std::span<const ControlRow> CDlgStarUsnoA20::Controls() {
    static const ControlRow controls[] = {{Ctl::GroupBox, IDC_USNO_GROUP}, {Ctl::CheckBox, IDC_USNO_ALL_STARS}};
    return controls;
}
