// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstargsc.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_GSC, IDS_HELP_STAR_GSC, nullptr, ApplyKind::Live};

}  // namespace

CDlgStarGsc::CDlgStarGsc(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CDetailDialog(engine, engine2, parent, kTraits) {}
CDlgStarGsc::CDlgStarGsc(CWnd* parent) : CDetailDialog(parent, kTraits) {}

zem::SettingRows<CDlgStarGsc> CDlgStarGsc::Rows() {
    using D = CDlgStarGsc;
    static const zem::SettingRow<D> rows[] = {
        {IDC_GSC_STAR, &D::m_bStar, L"Star.Catalog.Gsc.Star.Visible", L"Star.Catalog.Gsc.Star.Visible"},
        {IDC_GSC_GALAXY, &D::m_bGalaxy, L"Star.Catalog.Gsc.Galaxy.Visible", L"Star.Catalog.Gsc.Galaxy.Visible"},
        {IDC_GSC_BLEND, &D::m_bBlend, L"Star.Catalog.Gsc.Blend.Visible", L"Star.Catalog.Gsc.Blend.Visible"},
        {IDC_GSC_NONSTAR, &D::m_bNonStar, L"Star.Catalog.Gsc.NonStar.Visible", L"Star.Catalog.Gsc.NonStar.Visible"},
        {IDC_GSC_ARTIFACT, &D::m_bArtifact, L"Star.Catalog.Gsc.Artifact.Visible", L"Star.Catalog.Gsc.Artifact.Visible"},
    };
    return zem::Rows(rows);
}

std::span<const ControlRow> CDlgStarGsc::Controls() {
    static const ControlRow controls[] = {
        {Ctl::GroupBox, IDC_GSC_GROUP},   {Ctl::CheckBox, IDC_GSC_STAR},    {Ctl::CheckBox, IDC_GSC_GALAXY},
        {Ctl::CheckBox, IDC_GSC_BLEND},   {Ctl::CheckBox, IDC_GSC_NONSTAR}, {Ctl::CheckBox, IDC_GSC_ARTIFACT},
    };
    return controls;
}
