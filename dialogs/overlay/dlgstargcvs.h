// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarGcvs: variable stars: their marks, the labels beside them (name or abbreviation, the
// magnitudes at maximum and minimum light) and which of them are drawn by magnitude.
#pragma once

#include "dialogs/overlay/overlaydialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgStarGcvs : public CRowOverlayDialog<CDlgStarGcvs> {
public:
    CDlgStarGcvs(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarGcvs(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();
    static const zem::MagLimitTraits& Limit();
    // The label boxes (every row but the show box) follow the show box.
    enum RowGroup : unsigned char { kLabels, kShow };
    static zem::SettingRows<CDlgStarGcvs> Rows();
    static zem::SettingRows<CDlgStarGcvs> Rows(RowGroup group);

    using D = CDlgStarGcvs;
    static const zem::SettingRow<D> kRows[];

protected:
    void AttachControls() override;
    void SetEnableOrDisableGcvs();
    void SetEnableRules() override { SetEnableOrDisableGcvs(); }

    BOOL m_bMark = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bAbbreviation = FALSE;
    BOOL m_bMagMax = FALSE;  // label with the magnitude at maximum light
    BOOL m_bMagMin = FALSE;  // label with the magnitude at minimum light
};

// The labels travel as the model holds them, also while their boxes are disabled.
inline constexpr zem::SettingRow<CDlgStarGcvs> CDlgStarGcvs::kRows[] = {
    {IDC_GCVS_VISIBLE, &D::m_bMark, L"Star.GCVS.Mark.Visible", L"Star.GCVS.Mark.Visible", zem::Click::ApplyEnable, {},
     D::kShow},
    {IDC_GCVS_NAME, &D::m_bName, L"Star.GCVS.Name.Visible", L"Star.GCVS.Name.Visible", zem::Click::ApplyEnable},
    {.control = IDC_GCVS_ABBREVIATION, .member = &D::m_bAbbreviation, .read = L"Star.GCVS.Abbreviation.Visible",
     .write = L"Star.GCVS.Abbreviation.Visible", .flags = zem::kRowOwnRule},
    {IDC_GCVS_MAXIMUM, &D::m_bMagMax, L"Star.GCVS.Magnitude.Maximum.Visible", L"Star.GCVS.Magnitude.Maximum.Visible"},
    {IDC_GCVS_MINIMUM, &D::m_bMagMin, L"Star.GCVS.Magnitude.Minimum.Visible", L"Star.GCVS.Magnitude.Minimum.Visible"},
};

inline zem::SettingRows<CDlgStarGcvs> CDlgStarGcvs::Rows() { return kRows; }

inline zem::SettingRows<CDlgStarGcvs> CDlgStarGcvs::Rows(RowGroup group) {
    static constexpr auto groups = zem::Groups<2>(kRows);
    return groups[group];
}
