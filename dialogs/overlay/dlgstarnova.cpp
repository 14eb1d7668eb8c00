// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstarnova.h"

#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

// The supernova template is the nova template with every id moved by this.
constexpr UINT kSupernovaIds = 100;
static_assert(IDC_SNOVA_GROUP == IDC_NOVA_GROUP + kSupernovaIds &&
              IDC_SNOVA_SENDER == IDC_NOVA_DISCOVERERS + kSupernovaIds &&
              IDC_SNOVA_MAG_OFFSET == IDC_NOVA_MAG_OFFSET + kSupernovaIds &&
              IDC_SNOVA_COLOR_FONT == IDC_NOVA_COLOR_FONT + kSupernovaIds);

constexpr NovaTraits MakeTraits(DialogTraits dialog, UINT d, const wchar_t* prefix) {
    return {
        .dialog = dialog,
        .idOffset = d,
        .prefix = prefix,
        .magOffset = {IDC_NOVA_MAG_OFFSET + d, IDC_NOVA_MAG_OFFSET_SPIN + d, -200, 300},
        .limit = {
            .prefix = prefix,
            .limitCheck = IDC_NOVA_LIMIT_MAG + d,
            .autoRadio = IDC_NOVA_MAG_AUTO + d,
            .fixedRadio = IDC_NOVA_MAG_FIXED + d,
            .maximum = {IDC_NOVA_MAG_MAX + d, IDC_NOVA_MAG_MAX_SPIN + d, -20, 300},
            .minimum = {IDC_NOVA_MAG_MIN + d, IDC_NOVA_MAG_MIN_SPIN + d, -20, 300},
            .toStatic = IDC_NOVA_MAG_TO + d,
            .unitStatic = IDC_NOVA_MAG_UNIT + d,
            // No text limit, no range and no order check.
            .textLimit = 0,
            .lower = 0.0,
            .upper = 0.0,
            .rangeMessage = 0,
            .orderMessage = 0,
            .exchangeWidth = 7,
        },
    };
}

constexpr NovaTraits kNova =
    MakeTraits({IDD_DSP_STAR_NOVA, IDS_HELP_STAR_NOVA, L"Star.Nova.Name.Color", ApplyKind::Live}, 0, L"Star.Nova");
constexpr NovaTraits kSupernova =
    MakeTraits({IDD_DSP_STAR_SNOVA, IDS_HELP_STAR_SNOVA, L"Star.Supernova.Name.Color", ApplyKind::Live}, kSupernovaIds,
               L"Star.Supernova");

}  // namespace

CDlgStarNovaBase::CDlgStarNovaBase(CCorQel* engine, CCorQel* engine2, CWnd* parent, const NovaTraits& nova)
    : COverlayDialog(engine, engine2, parent, nova.dialog, nova.limit), m_nova(nova) {
    InitData();
}

CDlgStarNovaBase::CDlgStarNovaBase(CWnd* parent, const NovaTraits& nova)
    : COverlayDialog(parent, nova.dialog, nova.limit), m_nova(nova) {
    InitData();
}

void CDlgStarNovaBase::InitData() {
    m_bVisible = m_bName = m_bDiscoveryMag = m_bDiscoverers = m_bDiscoveryDate = m_bMagVariable = FALSE;
    InitLimit(0.0, 12.0);
}

CMessageMap CDlgStarNovaBase::BuildMessageMap(UINT d) {
    using M = MessageMapOf<CDlgStarNovaBase>;
    using D = CDlgStarNovaBase;
    return CMessageMap(&COverlayDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_NOVA_VISIBLE + d, &D::OnCheckView),
        M::OnBnClicked(IDC_NOVA_NAME + d, &D::OnApply),
        M::OnBnClicked(IDC_NOVA_DISCOVERY_MAG + d, &D::OnApply),
        M::OnBnClicked(IDC_NOVA_DISCOVERERS + d, &D::OnApply),
        M::OnBnClicked(IDC_NOVA_DISCOVERY_DATE + d, &D::OnApply),
        M::OnBnClicked(IDC_NOVA_MAG_VARIABLE + d, &D::OnApply),
        M::OnEnChange(IDC_NOVA_MAG_OFFSET + d, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NOVA_MAG_OFFSET_SPIN + d, &D::OnDeltaposSpinMagOffset),
        M::OnBnClicked(IDC_NOVA_LIMIT_MAG + d, &D::OnCheckLimitMag),
        M::OnBnClicked(IDC_NOVA_MAG_AUTO + d, &D::OnClickRadioAutoMag),
        M::OnBnClicked(IDC_NOVA_MAG_FIXED + d, &D::OnClickRadioFixedMag),
        M::OnEnChange(IDC_NOVA_MAG_MAX + d, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NOVA_MAG_MAX_SPIN + d, &D::OnDeltaposSpinMagMax),
        M::OnEnChange(IDC_NOVA_MAG_MIN + d, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NOVA_MAG_MIN_SPIN + d, &D::OnDeltaposSpinMagMin),
        M::OnBnClicked(IDC_NOVA_COLOR_FONT + d, &D::OnButtonFont),
    });
}

void CDlgStarNovaBase::ExchangeSettings(CDataExchange* pDX) {
    ExchangeRows(pDX, NovaRows());
    ExchangeMag(pDX, m_nova.magOffset.edit, m_dMagOffset);
}

void CDlgStarNovaBase::AttachControls() {
    COverlayDialog::AttachControls();
    static const ControlRow nova[] = {
        {Ctl::Button, IDC_NOVA_COLOR_FONT},     {Ctl::GroupBox, IDC_NOVA_GROUP},
        {Ctl::CheckBox, IDC_NOVA_VISIBLE},      {Ctl::CheckBox, IDC_NOVA_NAME},
        {Ctl::CheckBox, IDC_NOVA_DISCOVERY_MAG}, {Ctl::CheckBox, IDC_NOVA_DISCOVERERS},
        {Ctl::CheckBox, IDC_NOVA_DISCOVERY_DATE}, {Ctl::GroupBox, IDC_NOVA_MAG_GROUP},
        {Ctl::CheckBox, IDC_NOVA_MAG_VARIABLE}, {Ctl::Static, IDC_NOVA_MAG_OFFSET_LABEL},
        {Ctl::Edit, IDC_NOVA_MAG_OFFSET},       {Ctl::Spin, IDC_NOVA_MAG_OFFSET_SPIN},
        {Ctl::GroupBox, IDC_NOVA_LIMIT_GROUP},  {Ctl::CheckBox, IDC_NOVA_LIMIT_MAG},
        {Ctl::RadioButton, IDC_NOVA_MAG_AUTO},  {Ctl::RadioButton, IDC_NOVA_MAG_FIXED},
        {Ctl::Edit, IDC_NOVA_MAG_MAX},          {Ctl::Spin, IDC_NOVA_MAG_MAX_SPIN},
        {Ctl::Static, IDC_NOVA_MAG_TO},         {Ctl::Edit, IDC_NOVA_MAG_MIN},
        {Ctl::Spin, IDC_NOVA_MAG_MIN_SPIN},     {Ctl::Static, IDC_NOVA_MAG_UNIT},
    };
    // The supernova's controls are the nova's moved by the id offset.
    ControlRow controls[std::size(nova)];
    for (std::size_t i = 0; i < std::size(nova); ++i) controls[i] = {nova[i].kind, nova[i].id + m_nova.idOffset};
    AttachTable(controls);
}

void CDlgStarNovaBase::PrepareFields() {
    InitSpin(static_cast<int>(m_nova.magOffset.spin));
    COverlayDialog::PrepareFields();
}

void CDlgStarNovaBase::ReadSettings() {
    ReadRows(NovaRows());
    m_dMagOffset = crt::_wtof(Query(Path(L".Magnitude.Offset")));
}

void CDlgStarNovaBase::AppendSettings(CString& script) {
    AppendRows(script, NovaRows());
    AppendScriptValue(script, {m_nova.prefix, L".Magnitude.Offset"}, m_dMagOffset);
}

BOOL CDlgStarNovaBase::GetScript(CString* script) {
    UpdateData(TRUE);
    CString s = StartScript();
    AppendScript(s);
    return FinishScript(s, script);
}

void CDlgStarNovaBase::SetEnableOrDisable() {
    const bool view = IsDlgButtonChecked(Id(IDC_NOVA_VISIBLE)) != 0;
    // The offset follows the main switch alone, not the date-and-time box.
    for (UINT id : {IDC_NOVA_NAME, IDC_NOVA_DISCOVERY_MAG, IDC_NOVA_DISCOVERERS, IDC_NOVA_DISCOVERY_DATE,
                    IDC_NOVA_MAG_GROUP, IDC_NOVA_MAG_VARIABLE, IDC_NOVA_MAG_OFFSET_LABEL, IDC_NOVA_MAG_OFFSET,
                    IDC_NOVA_MAG_OFFSET_SPIN, IDC_NOVA_LIMIT_GROUP})
        EnableItem(static_cast<UINT>(Id(id)), view);
    m_limit.EnableControls(view);
}

void CDlgStarNovaBase::OnDeltaposSpinMagOffset(NMHDR* pNotify, LRESULT* pResult) {
    StepField(m_nova.magOffset, pNotify, pResult);
}
void CDlgStarNovaBase::OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult) {
    StepField(m_nova.limit.maximum, pNotify, pResult);
}
void CDlgStarNovaBase::OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult) {
    StepField(m_nova.limit.minimum, pNotify, pResult);
}

CDlgStarNova::CDlgStarNova(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDlgStarNovaBase(engine, engine2, parent, kNova) {}
CDlgStarNova::CDlgStarNova(CWnd* parent) : CDlgStarNovaBase(parent, kNova) {}

const CMessageMap* CDlgStarNova::GetMessageMap() const {
    static const CMessageMap map = BuildMessageMap(kNova.idOffset);
    return &map;
}

zem::SettingRows<CDlgStarNovaBase> CDlgStarNova::Rows() {
    using D = CDlgStarNova;
    static const zem::SettingRow<CDlgStarNovaBase> rows[] = {
        {IDC_NOVA_VISIBLE, &D::m_bVisible, L"Star.Nova.Visible", L"Star.Nova.Visible"},
        {IDC_NOVA_NAME, &D::m_bName, L"Star.Nova.Name.Visible", L"Star.Nova.Name.Visible"},
        {IDC_NOVA_DISCOVERY_MAG, &D::m_bDiscoveryMag, L"Star.Nova.Mag.Visible", L"Star.Nova.Mag.Visible"},
        {IDC_NOVA_DISCOVERERS, &D::m_bDiscoverers, L"Star.Nova.Discoverers.Visible", L"Star.Nova.Discoverers.Visible"},
        {IDC_NOVA_DISCOVERY_DATE, &D::m_bDiscoveryDate, L"Star.Nova.DiscoveryDate.Visible", L"Star.Nova.DiscoveryDate.Visible"},
        {IDC_NOVA_MAG_VARIABLE, &D::m_bMagVariable, L"Star.Nova.Magnitude.Variable", L"Star.Nova.Magnitude.Variable"},
    };
    return zem::Rows(rows);
}

CDlgStarSNova::CDlgStarSNova(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDlgStarNovaBase(engine, engine2, parent, kSupernova) {}
CDlgStarSNova::CDlgStarSNova(CWnd* parent) : CDlgStarNovaBase(parent, kSupernova) {}

const CMessageMap* CDlgStarSNova::GetMessageMap() const {
    static const CMessageMap map = BuildMessageMap(kSupernova.idOffset);
    return &map;
}

zem::SettingRows<CDlgStarNovaBase> CDlgStarSNova::Rows() {
    using D = CDlgStarSNova;
    static const zem::SettingRow<CDlgStarNovaBase> rows[] = {
        {IDC_SNOVA_VISIBLE, &D::m_bVisible, L"Star.Supernova.Visible", L"Star.Supernova.Visible"},
        {IDC_SNOVA_NAME, &D::m_bName, L"Star.Supernova.Name.Visible", L"Star.Supernova.Name.Visible"},
        {IDC_SNOVA_DISCOVERY_MAG, &D::m_bDiscoveryMag, L"Star.Supernova.Mag.Visible", L"Star.Supernova.Mag.Visible"},
        {IDC_SNOVA_SENDER, &D::m_bDiscoverers, L"Star.Supernova.Sender.Visible", L"Star.Supernova.Sender.Visible"},
        {IDC_SNOVA_DISCOVERY_DATE, &D::m_bDiscoveryDate, L"Star.Supernova.DiscoveryDate.Visible",
         L"Star.Supernova.DiscoveryDate.Visible"},
        {IDC_SNOVA_MAG_VARIABLE, &D::m_bMagVariable, L"Star.Supernova.Magnitude.Variable",
         L"Star.Supernova.Magnitude.Variable"},
    };
    return zem::Rows(rows);
}
