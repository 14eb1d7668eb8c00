// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarWds: double stars: the primary's mark, names, the secondary with the line of the pair,
// magnitudes, and which pairs are drawn by magnitude.
#pragma once

#include "dialogs/overlay/overlaydialog.h"

class ZEM_EXPORT CDlgStarWds : public CRowOverlayDialog<CDlgStarWds> {
public:
    CDlgStarWds(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarWds(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgStarWds> Rows();

protected:
    void AttachControls() override;
    void InitData();
    void SetEnableOrDisableWds();
    void SetEnableRules() override { SetEnableOrDisableWds(); }

    void OnCheckWdsView();
    void OnCheckWdsMagPrimary();
    void OnCheckWdsSystem();
    void OnCheckWdsLimitMag();
    void OnClickRadioWdsAutoMag();
    void OnClickRadioWdsFixedMag();
    void OnDeltaposSpinWdsMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinWdsMagMin(NMHDR* pNotify, LRESULT* pResult);

    BOOL m_bPrimaryMark = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bSystem = FALSE;         // secondary marks and the pair's line
    BOOL m_bComponentName = FALSE;  // component names and the pair's name
    BOOL m_bMagPrimary = FALSE;
    BOOL m_bMagAll = FALSE;         // secondary magnitudes too, only with the primary's
};
