// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarUsnoA20: whether all stars of the USNO-A2.0 catalog are drawn or only those within the
// fixed magnitude limit. The star dialog opens it.
#pragma once

#include "dialogs/overlay/detaildialog.h"

class ZEM_EXPORT CDlgStarUsnoA20 : public CDetailDialog<CDlgStarUsnoA20> {
public:
    CDlgStarUsnoA20(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarUsnoA20(CWnd* parent = nullptr);

    static zem::SettingRows<CDlgStarUsnoA20> Rows();
    static std::span<const ControlRow> Controls();

protected:
    BOOL m_bAllStars = FALSE;
};
