// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarGsc: which object classes of the GSC-ACT catalog are drawn. The star dialog opens it.
#pragma once

#include "dialogs/overlay/detaildialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgStarGsc : public CDetailDialog<CDlgStarGsc> {
public:
    CDlgStarGsc(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarGsc(CWnd* parent = nullptr);

    static const DialogTraits& Traits();
    static zem::SettingRows<CDlgStarGsc> Rows();
    static std::span<const ControlRow> Controls();

    using D = CDlgStarGsc;
    static const zem::SettingRow<D> kRows[];

protected:
    BOOL m_bStar = FALSE;
    BOOL m_bGalaxy = FALSE;
    BOOL m_bBlend = FALSE;
    BOOL m_bNonStar = FALSE;
    BOOL m_bArtifact = FALSE;
};

inline constexpr zem::SettingRow<CDlgStarGsc> CDlgStarGsc::kRows[] = {
    {IDC_GSC_STAR, &D::m_bStar, L"Star.Catalog.Gsc.Star.Visible", L"Star.Catalog.Gsc.Star.Visible"},
    {IDC_GSC_GALAXY, &D::m_bGalaxy, L"Star.Catalog.Gsc.Galaxy.Visible", L"Star.Catalog.Gsc.Galaxy.Visible"},
    {IDC_GSC_BLEND, &D::m_bBlend, L"Star.Catalog.Gsc.Blend.Visible", L"Star.Catalog.Gsc.Blend.Visible"},
    {IDC_GSC_NONSTAR, &D::m_bNonStar, L"Star.Catalog.Gsc.NonStar.Visible", L"Star.Catalog.Gsc.NonStar.Visible"},
    {IDC_GSC_ARTIFACT, &D::m_bArtifact, L"Star.Catalog.Gsc.Artifact.Visible", L"Star.Catalog.Gsc.Artifact.Visible"},
};

inline zem::SettingRows<CDlgStarGsc> CDlgStarGsc::Rows() { return kRows; }
