// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstarusnoa20.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_USNOA20, IDS_HELP_STAR_USNOA20, nullptr, ApplyKind::Live};

}  // namespace

CDlgStarUsnoA20::CDlgStarUsnoA20(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDetailDialog(engine, engine2, parent, kTraits) {}
CDlgStarUsnoA20::CDlgStarUsnoA20(CWnd* parent) : CDetailDialog(parent, kTraits) {}

const DialogTraits& CDlgStarUsnoA20::Traits() { return kTraits; }

std::span<const ControlRow> CDlgStarUsnoA20::Controls() {
    static const ControlRow controls[] = {{Ctl::GroupBox, IDC_USNO_GROUP}};
    return controls;
}
