// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarNova and CDlgStarSNova: novae and supernovae, the same dialog twice. Their labels
// (name, discovery magnitude, discoverers or sender, discovery date), the magnitude that follows
// the date and time with its offset, and which of them are drawn by magnitude. Nothing typed is
// checked: every change is sent as it stands.
//
// One implementation serves both; a small table says where they differ: the template and keys,
// the property prefix and the control ids (the supernova's are the nova's plus 100); and each has
// its setting rows, whose fourth label is the discoverers for novae and the sender for supernovae.
#pragma once

#include "dialogs/overlay/overlaydialog.h"

struct NovaTraits {
    DialogTraits dialog;
    UINT idOffset;                  // added to every IDC_NOVA_* id
    const wchar_t* prefix;          // "Star.Nova"
    zem::MagField magOffset;        // the magnitude offset field
    zem::MagLimitTraits limit;
};

class ZEM_EXPORT CDlgStarNovaBase : public COverlayDialog {
public:
    // No edit-ready test and no checks: a spin step is sent from the edit's change notification
    // and again from the spin handler. Text the exchange cannot read gets the framework's own
    // message and keeps the last value read.
    BOOL GetScript(CString* script) override;

protected:
    CDlgStarNovaBase(CCorQel* engine, CCorQel* engine2, CWnd* parent, const NovaTraits& nova);
    CDlgStarNovaBase(CWnd* parent, const NovaTraits& nova);

    // The message map of the dialog whose ids are the nova's plus idOffset.
    static CMessageMap BuildMessageMap(UINT idOffset);

    void AttachControls() override;
    void PrepareFields() override;
    void ExchangeSettings(CDataExchange* pDX) override;
    void ReadSettings() override;
    void AppendSettings(CString& script) override;
    void InitData();
    virtual zem::SettingRows<CDlgStarNovaBase> NovaRows() const = 0;
    // The handlers drop the object word of their names (OnCheckNovaView, OnCheckSupernovaView):
    // one member serves both dialogs.
    void SetEnableOrDisable();
    void SetEnableRules() override { SetEnableOrDisable(); }
    void OnCheckView() { ApplyAndEnable(); }
    void OnCheckLimitMag() { ApplyAndEnable(); }
    void OnClickRadioAutoMag() { ApplyAndEnable(); }
    void OnClickRadioFixedMag() { ApplyAndEnable(); }
    void OnDeltaposSpinMagOffset(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult);

    int Id(UINT novaId) const { return static_cast<int>(novaId + m_nova.idOffset); }
    CString Path(const wchar_t* suffix) const { return CString(m_nova.prefix) + suffix; }

    const NovaTraits m_nova;

    BOOL m_bVisible = FALSE;
    BOOL m_bName = FALSE;
    BOOL m_bDiscoveryMag = FALSE;
    BOOL m_bDiscoverers = FALSE;    // novae: discoverers; supernovae: sender
    BOOL m_bDiscoveryDate = FALSE;
    BOOL m_bMagVariable = FALSE;    // the magnitude follows the date and time
    double m_dMagOffset = 0.0;      // always read from the engine before use

};

class ZEM_EXPORT CDlgStarNova : public CDlgStarNovaBase {
public:
    CDlgStarNova(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarNova(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgStarNovaBase> Rows();

protected:
    zem::SettingRows<CDlgStarNovaBase> NovaRows() const override { return Rows(); }
};

class ZEM_EXPORT CDlgStarSNova : public CDlgStarNovaBase {
public:
    CDlgStarSNova(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarSNova(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgStarNovaBase> Rows();

protected:
    zem::SettingRows<CDlgStarNovaBase> NovaRows() const override { return Rows(); }
};
