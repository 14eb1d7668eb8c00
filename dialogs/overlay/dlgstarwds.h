// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarWds: double stars: the primary's mark, names, the secondary with the line of the pair,
// magnitudes, and which pairs are drawn by magnitude.
#pragma once

#include "dialogs/overlay/overlaydialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgStarWds : public CRowOverlayDialog<CDlgStarWds> {
public:
    CDlgStarWds(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarWds(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();
    static const zem::MagLimitTraits& Limit();
    // The label boxes (every row but the show box) follow the show box.
    enum RowGroup : unsigned char { kLabels, kShow };
    static zem::SettingRows<CDlgStarWds> Rows();
    static zem::SettingRows<CDlgStarWds> Rows(RowGroup group);

    using D = CDlgStarWds;
    static const zem::SettingRow<D> kRows[];

protected:
    void AttachControls() override;
    void SetEnableOrDisableWds();
    void SetEnableRules() override { SetEnableOrDisableWds(); }

    BOOL m_bPrimaryMark = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bSystem = FALSE;         // secondary marks and the pair's line
    BOOL m_bComponentName = FALSE;  // component names and the pair's name
    BOOL m_bMagPrimary = FALSE;
    BOOL m_bMagAll = FALSE;         // secondary magnitudes too, only with the primary's
};

// A box that carries two properties is set only when both are (the second is asked only when the
// first is TRUE). The system box gates "all magnitudes" on screen but plays no part in what that
// box sends; the secondary magnitudes count only with the primary's.
inline constexpr zem::SettingRow<CDlgStarWds> CDlgStarWds::kRows[] = {
    {IDC_WDS_VISIBLE, &D::m_bPrimaryMark, L"Star.WDS.Primary.Mark.Visible", L"Star.WDS.Primary.Mark.Visible",
     zem::Click::ApplyEnable, {}, D::kShow},
    {IDC_WDS_NAME, &D::m_bName, L"Star.WDS.Name.Visible", L"Star.WDS.Name.Visible"},
    {.control = IDC_WDS_SYSTEM, .member = &D::m_bSystem, .read = L"Star.WDS.Pair.Line.Visible",
     .write = L"Star.WDS.Secondary.Mark.Visible", .click = zem::Click::ApplyEnable,
     .read2 = L"Star.WDS.Secondary.Mark.Visible", .write2 = L"Star.WDS.Pair.Line.Visible"},
    {.control = IDC_WDS_COMPONENT_NAME, .member = &D::m_bComponentName, .read = L"Star.WDS.ComponentName.Visible",
     .write = L"Star.WDS.ComponentName.Visible", .read2 = L"Star.WDS.Pair.Name.Visible",
     .write2 = L"Star.WDS.Pair.Name.Visible"},
    {IDC_WDS_MAG_PRIMARY, &D::m_bMagPrimary, L"Star.WDS.Primary.Magnitude.Visible",
     L"Star.WDS.Primary.Magnitude.Visible", zem::Click::ApplyEnable},
    {.control = IDC_WDS_MAG_ALL, .member = &D::m_bMagAll, .read = L"Star.WDS.Secondary.Magnitude.Visible",
     .write = L"Star.WDS.Secondary.Magnitude.Visible", .gate = &D::m_bMagPrimary, .flags = zem::kRowOwnRule},
};

inline zem::SettingRows<CDlgStarWds> CDlgStarWds::Rows() { return kRows; }

inline zem::SettingRows<CDlgStarWds> CDlgStarWds::Rows(RowGroup group) {
    static constexpr auto groups = zem::Groups<2>(kRows);
    return groups[group];
}
