// SPDX-License-Identifier: BSD-3-Clause
// CDlgMw: the Milky Way (and the Magellanic Clouds, which follow it) as a real image or an
// outline, with the image brightness from 0.1 to 5.0.
#pragma once

#include "framework/settingsdialog.h"

class ZEM_EXPORT CDlgMw : public CSettingsDialog {
public:
    CDlgMw(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgMw(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;
    void Apply() override;

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgMw> Rows();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;

    void UpdateControls();
    void UpdateBrightnessValue();

    void OnButtonBrightness();
    void OnCheckView();
    void OnRadioReal();
    void OnRadioOutline();
    void OnEditBrightness();
    void OnDeltaposSpinBrightness(NMHDR* pNotify, LRESULT* pResult);

    BOOL m_bVisible = FALSE;
    int m_nMode = 0;               // 0 real image, 1 outline; anything else draws neither
    double m_dBrightness = 0.0;
    int m_nBrightness10 = 0;       // the brightness in tenths, for the spin

    CQelEdit m_editBrightness;
};
