// SPDX-License-Identifier: BSD-3-Clause
// CDlgStarNova and CDlgStarSNova: novae and supernovae, the same dialog twice. Their labels
// (name, discovery magnitude, discoverers or sender, discovery date), the magnitude that follows
// the date and time with its offset, and which of them are drawn by magnitude. Nothing typed is
// checked: every change is sent as it stands.
//
// One implementation serves both; a small table says where they differ: the template and keys,
// the property prefix and the control ids (the supernova's are the nova's plus 100); and each has
// its rows, whose fourth label is the discoverers for novae and the sender for supernovae.
#pragma once

#include "dialogs/overlay/overlaydialog.h"
#include "resources/resource_ids.h"

class CDlgStarNovaBase;

struct NovaTraits {
    DialogTraits dialog;
    UINT idOffset;                  // added to every IDC_NOVA_* id
    zem::SettingRows<CDlgStarNovaBase> rows;
    zem::SettingRows<CDlgStarNovaBase> labels;  // the rows that follow the show box
    const zem::NumberRow<CDlgStarNovaBase>* offset;  // the magnitude offset field
    zem::MagLimitTraits limit;
};

class ZEM_EXPORT CDlgStarNovaBase : public COverlayDialog {
public:
    // The label boxes (every row but the show box) follow the show box.
    enum RowGroup : unsigned char { kLabels, kShow };

    // No edit-ready test and no checks: a spin step is sent from the edit's change notification
    // and again from the spin handler. Text the exchange cannot read gets the framework's own
    // message and keeps the last value read.
    BOOL GetScript(CString* script) override;

protected:
    CDlgStarNovaBase(CCorQel* engine, CCorQel* engine2, CWnd* parent, const NovaTraits& nova);
    CDlgStarNovaBase(CWnd* parent, const NovaTraits& nova);

    // The message map of D, whose ids are the nova's plus its id offset.
    template <class D>
    static CMessageMap NovaMap() {
        using M = MessageMapOf<CDlgStarNovaBase>;
        const UINT d = D::Traits().idOffset;
        return OverlayMap<D>({
            M::OnNotify(UDN_DELTAPOS, IDC_NOVA_MAG_OFFSET_SPIN + d, &CDlgStarNovaBase::OnDeltaposSpinMagOffset),
            M::OnBnClicked(IDC_NOVA_COLOR_FONT + d, &CDlgStarNovaBase::OnButtonFont),
        });
    }

    void AttachControls() override;
    void PrepareFields() override;
    void ExchangeSettings(CDataExchange* pDX) override;
    void ReadSettings() override;
    void WriteSettings(zem::StatementWriter& out) override;
    void SetEnableOrDisable();
    void SetEnableRules() override { SetEnableOrDisable(); }
    void OnDeltaposSpinMagOffset(NMHDR* pNotify, LRESULT* pResult);

    int Id(UINT novaId) const { return static_cast<int>(novaId + m_nova.idOffset); }
    zem::NumberRows<CDlgStarNovaBase> Offset() const { return {m_nova.offset, 1}; }

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
    static const NovaTraits& Traits();
    static const zem::MagLimitTraits& Limit() { return Traits().limit; }
    static zem::SettingRows<CDlgStarNovaBase> Rows();
    static zem::NumberRows<CDlgStarNovaBase> Numbers();

    using D = CDlgStarNova;
    static const zem::SettingRow<CDlgStarNovaBase> kRows[];
    static const zem::NumberRow<CDlgStarNovaBase> kNumbers[];
};

class ZEM_EXPORT CDlgStarSNova : public CDlgStarNovaBase {
public:
    CDlgStarSNova(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStarSNova(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static const NovaTraits& Traits();
    static const zem::MagLimitTraits& Limit() { return Traits().limit; }
    static zem::SettingRows<CDlgStarNovaBase> Rows();
    static zem::NumberRows<CDlgStarNovaBase> Numbers();

    using D = CDlgStarSNova;
    static const zem::SettingRow<CDlgStarNovaBase> kRows[];
    static const zem::NumberRow<CDlgStarNovaBase> kNumbers[];
};

// The show box runs the enable rules; the labels travel as the model holds them.
inline constexpr zem::SettingRow<CDlgStarNovaBase> CDlgStarNova::kRows[] = {
    {IDC_NOVA_VISIBLE, &D::m_bVisible, L"Star.Nova.Visible", L"Star.Nova.Visible", zem::Click::ApplyEnable, {},
     D::kShow},
    {IDC_NOVA_NAME, &D::m_bName, L"Star.Nova.Name.Visible", L"Star.Nova.Name.Visible"},
    {IDC_NOVA_DISCOVERY_MAG, &D::m_bDiscoveryMag, L"Star.Nova.Mag.Visible", L"Star.Nova.Mag.Visible"},
    {IDC_NOVA_DISCOVERERS, &D::m_bDiscoverers, L"Star.Nova.Discoverers.Visible", L"Star.Nova.Discoverers.Visible"},
    {IDC_NOVA_DISCOVERY_DATE, &D::m_bDiscoveryDate, L"Star.Nova.DiscoveryDate.Visible", L"Star.Nova.DiscoveryDate.Visible"},
    {IDC_NOVA_MAG_VARIABLE, &D::m_bMagVariable, L"Star.Nova.Magnitude.Variable", L"Star.Nova.Magnitude.Variable"},
};

inline constexpr zem::NumberRow<CDlgStarNovaBase> CDlgStarNova::kNumbers[] = {
    {.edit = IDC_NOVA_MAG_OFFSET, .spin = IDC_NOVA_MAG_OFFSET_SPIN, .member = &D::m_dMagOffset,
     .read = L"Star.Nova.Magnitude.Offset", .write = L"Star.Nova.Magnitude.Offset", .lower10 = -200, .upper10 = 300,
     .width = 7, .spinRange = true},
};

inline constexpr zem::SettingRow<CDlgStarNovaBase> CDlgStarSNova::kRows[] = {
    {IDC_SNOVA_VISIBLE, &D::m_bVisible, L"Star.Supernova.Visible", L"Star.Supernova.Visible", zem::Click::ApplyEnable,
     {}, D::kShow},
    {IDC_SNOVA_NAME, &D::m_bName, L"Star.Supernova.Name.Visible", L"Star.Supernova.Name.Visible"},
    {IDC_SNOVA_DISCOVERY_MAG, &D::m_bDiscoveryMag, L"Star.Supernova.Mag.Visible", L"Star.Supernova.Mag.Visible"},
    {IDC_SNOVA_SENDER, &D::m_bDiscoverers, L"Star.Supernova.Sender.Visible", L"Star.Supernova.Sender.Visible"},
    {IDC_SNOVA_DISCOVERY_DATE, &D::m_bDiscoveryDate, L"Star.Supernova.DiscoveryDate.Visible",
     L"Star.Supernova.DiscoveryDate.Visible"},
    {IDC_SNOVA_MAG_VARIABLE, &D::m_bMagVariable, L"Star.Supernova.Magnitude.Variable",
     L"Star.Supernova.Magnitude.Variable"},
};

inline constexpr zem::NumberRow<CDlgStarNovaBase> CDlgStarSNova::kNumbers[] = {
    {.edit = IDC_SNOVA_MAG_OFFSET, .spin = IDC_SNOVA_MAG_OFFSET_SPIN, .member = &D::m_dMagOffset,
     .read = L"Star.Supernova.Magnitude.Offset", .write = L"Star.Supernova.Magnitude.Offset", .lower10 = -200,
     .upper10 = 300, .width = 7, .spinRange = true},
};

inline zem::SettingRows<CDlgStarNovaBase> CDlgStarNova::Rows() { return kRows; }
inline zem::NumberRows<CDlgStarNovaBase> CDlgStarNova::Numbers() { return kNumbers; }
inline zem::SettingRows<CDlgStarNovaBase> CDlgStarSNova::Rows() { return kRows; }
inline zem::NumberRows<CDlgStarNovaBase> CDlgStarSNova::Numbers() { return kNumbers; }
