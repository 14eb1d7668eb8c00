// SPDX-License-Identifier: BSD-3-Clause
// CDlgMw: the Milky Way (and the Magellanic Clouds, which follow it) as a real image or an
// outline, with the image brightness from 0.1 to 5.0.
#pragma once

#include "framework/settingsdialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgMw : public CSettingsDialog {
public:
    CDlgMw(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgMw(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;
    void Apply() override;

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();
    static zem::SettingRows<CDlgMw> Rows();
    static zem::NumberRows<CDlgMw> Numbers();
    // What the dialog reads and writes by hand, by control.
    static zem::HandSettings HandSettings();

    using D = CDlgMw;
    static const zem::SettingRow<D> kRows[];
    static const zem::NumberRow<D> kNumbers[];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;

    void UpdateControls();
    void UpdateBrightnessValue();

    void OnButtonBrightness();
    void OnRadioReal();
    void OnRadioOutline();
    void OnEditBrightness();
    void OnDeltaposSpinBrightness(NMHDR* pNotify, LRESULT* pResult);

    BOOL m_bVisible = FALSE;
    int m_nMode = 0;               // 0 real image, 1 outline; anything else draws neither
    double m_dBrightness = 0.0;
    int m_nBrightness10 = 0;       // the brightness in tenths, for the spin
};

// The Magellanic Clouds follow the Milky Way's switch.
inline constexpr zem::SettingRow<CDlgMw> CDlgMw::kRows[] = {
    {.control = IDC_MW_VISIBLE, .member = &D::m_bVisible, .read = L"Milkyway.Visible",
     .write = L"Milkyway.Visible", .write2 = L"MagellanicCloud.Visible"},
};

// The brightness is written by hand (only for the real image, with the clouds' quarter of it);
// the spin keeps the platform's range, so its up arrow arrives negative.
inline constexpr zem::NumberRow<CDlgMw> CDlgMw::kNumbers[] = {
    {.edit = IDC_MW_BRIGHTNESS_EDIT, .spin = IDC_MW_BRIGHTNESS_SPIN, .member = &D::m_dBrightness,
     .read = L"Milkyway.Image.Brightness", .write = L"Milkyway.Image.Brightness", .lower10 = 1, .upper10 = 50,
     .message = IDS_MW_BRIGHTNESS_RANGE, .textLimit = 5, .change = zem::Click::ByHand},
};

inline zem::SettingRows<CDlgMw> CDlgMw::Rows() { return kRows; }
inline zem::NumberRows<CDlgMw> CDlgMw::Numbers() { return kNumbers; }
