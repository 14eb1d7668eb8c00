// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarUsnoA20: whether all stars of the USNO-A2.0 catalog are drawn or only those within the
// fixed magnitude limit. The star dialog opens it.
#pragma once

#include "dialogs/overlay/detaildialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgStarUsnoA20 : public CDetailDialog<CDlgStarUsnoA20> {
public:
    CDlgStarUsnoA20(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarUsnoA20(CWnd* parent = nullptr);

    static const DialogTraits& Traits();
    static zem::SettingRows<CDlgStarUsnoA20> Rows();
    static std::span<const ControlRow> Controls();

    using D = CDlgStarUsnoA20;
    static const zem::SettingRow<D> kRows[];

protected:
    BOOL m_bAllStars = FALSE;
};

// The box is the opposite of the fixed limit; the one answer of these dialogs read without regard
// to case.
inline constexpr zem::SettingRow<CDlgStarUsnoA20> CDlgStarUsnoA20::kRows[] = {
    {.control = IDC_USNO_ALL_STARS,
     .member = &D::m_bAllStars,
     .read = L"Star.Catalog.UsnoA20.FixedMagnitudeLimit",
     .write = L"Star.Catalog.UsnoA20.FixedMagnitudeLimit",
     .flags = zem::kRowInverted | zem::kRowNoCase},
};

inline zem::SettingRows<CDlgStarUsnoA20> CDlgStarUsnoA20::Rows() { return kRows; }
