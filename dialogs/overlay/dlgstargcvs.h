// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarGcvs: variable stars: their marks, the labels beside them (name or abbreviation, the
// magnitudes at maximum and minimum light) and which of them are drawn by magnitude.
#pragma once

#include "dialogs/overlay/overlaydialog.h"

class ZEM_EXPORT CDlgStarGcvs : public CRowOverlayDialog<CDlgStarGcvs> {
public:
    CDlgStarGcvs(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarGcvs(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgStarGcvs> Rows();

protected:
    void AttachControls() override;
    void InitData();
    void SetEnableOrDisableGcvs();
    void SetEnableRules() override { SetEnableOrDisableGcvs(); }

    void OnCheckGcvsView();
    void OnCheckGcvsName();
    void OnCheckGcvsLimitMag();
    void OnClickRadioGcvsAutoMag();
    void OnClickRadioGcvsFixedMag();
    void OnDeltaposSpinGcvsMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinGcvsMagMin(NMHDR* pNotify, LRESULT* pResult);

    BOOL m_bMark = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bAbbreviation = FALSE;
    BOOL m_bMagMax = FALSE;  // label with the magnitude at maximum light
    BOOL m_bMagMin = FALSE;  // label with the magnitude at minimum light
};
