// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarGsc: which object classes of the GSC-ACT catalog are drawn. The star dialog opens it.
#pragma once

#include "dialogs/overlay/detaildialog.h"

class ZEM_EXPORT CDlgStarGsc : public CDetailDialog<CDlgStarGsc> {
public:
    CDlgStarGsc(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarGsc(CWnd* parent = nullptr);

    static zem::SettingRows<CDlgStarGsc> Rows();
    static std::span<const ControlRow> Controls();

protected:
    BOOL m_bStar = FALSE;
    BOOL m_bGalaxy = FALSE;
    BOOL m_bBlend = FALSE;
    BOOL m_bNonStar = FALSE;
    BOOL m_bArtifact = FALSE;
};
