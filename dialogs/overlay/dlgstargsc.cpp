// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstargsc.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_GSC, IDS_HELP_STAR_GSC, nullptr, ApplyKind::Live};

}  // namespace

CDlgStarGsc::CDlgStarGsc(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CDetailDialog(engine, engine2, parent, kTraits) {}
CDlgStarGsc::CDlgStarGsc(CWnd* parent) : CDetailDialog(parent, kTraits) {}

const DialogTraits& CDlgStarGsc::Traits() { return kTraits; }

std::span<const ControlRow> CDlgStarGsc::Controls() {
    static const ControlRow controls[] = {{Ctl::GroupBox, IDC_GSC_GROUP}};
    return controls;
}
