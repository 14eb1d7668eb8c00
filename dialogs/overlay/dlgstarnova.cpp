// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/overlay/dlgstarnova.h"

namespace {

// The supernova template is the nova template with every id moved by this.
constexpr UINT kSupernovaIds = 100;
static_assert(IDC_SNOVA_GROUP == IDC_NOVA_GROUP + kSupernovaIds &&
              IDC_SNOVA_SENDER == IDC_NOVA_DISCOVERERS + kSupernovaIds &&
              IDC_SNOVA_MAG_OFFSET == IDC_NOVA_MAG_OFFSET + kSupernovaIds &&
              IDC_SNOVA_COLOR_FONT == IDC_NOVA_COLOR_FONT + kSupernovaIds);

template <class D, UINT d>
constexpr NovaTraits MakeTraits(DialogTraits dialog, const wchar_t* prefix) {
    return {
        .dialog = dialog,
        .idOffset = d,
        .rows = D::kRows,
        .labels = zem::Groups<2>(D::kRows)[CDlgStarNovaBase::kLabels],
        .offset = &zem::Find(D::kNumbers, IDC_NOVA_MAG_OFFSET + d),
        .limit = {
            .prefix = prefix,
            .group = IDC_NOVA_LIMIT_GROUP + d,
            .limitCheck = IDC_NOVA_LIMIT_MAG + d,
            .autoRadio = IDC_NOVA_MAG_AUTO + d,
            .fixedRadio = IDC_NOVA_MAG_FIXED + d,
            .maximum = {IDC_NOVA_MAG_MAX + d, IDC_NOVA_MAG_MAX_SPIN + d, -20, 300, 0.0},
            .minimum = {IDC_NOVA_MAG_MIN + d, IDC_NOVA_MAG_MIN_SPIN + d, -20, 300, 12.0},
            .toStatic = IDC_NOVA_MAG_TO + d,
            .unitStatic = IDC_NOVA_MAG_UNIT + d,
            // No text limit, no range and no order check.
            .textLimit = 0,
            .rangeMessage = 0,
            .orderMessage = 0,
            .exchangeWidth = 7,
        },
    };
}

constexpr NovaTraits kNova = MakeTraits<CDlgStarNova, 0>(
    {IDD_DSP_STAR_NOVA, IDS_HELP_STAR_NOVA, L"Star.Nova.Name.Color", ApplyKind::Live}, L"Star.Nova");
constexpr NovaTraits kSupernova = MakeTraits<CDlgStarSNova, kSupernovaIds>(
    {IDD_DSP_STAR_SNOVA, IDS_HELP_STAR_SNOVA, L"Star.Supernova.Name.Color", ApplyKind::Live}, L"Star.Supernova");

}  // namespace

CDlgStarNovaBase::CDlgStarNovaBase(CCorQel* engine, CCorQel* engine2, CWnd* parent, const NovaTraits& nova)
    : COverlayDialog(engine, engine2, parent, nova.dialog, nova.limit), m_nova(nova) {
    InitNumbers(Offset());
}

CDlgStarNovaBase::CDlgStarNovaBase(CWnd* parent, const NovaTraits& nova)
    : COverlayDialog(parent, nova.dialog, nova.limit), m_nova(nova) {
    InitNumbers(Offset());
}

void CDlgStarNovaBase::ExchangeSettings(CDataExchange* pDX) {
    ExchangeRows(pDX, m_nova.rows);
    ExchangeNumbers(pDX, Offset());
}

void CDlgStarNovaBase::AttachControls() {
    COverlayDialog::AttachControls();
    AttachRows(m_nova.rows);
    AttachNumbers(Offset());
    const ControlRow controls[] = {
        {Ctl::Button, static_cast<UINT>(Id(IDC_NOVA_COLOR_FONT))},
        {Ctl::GroupBox, static_cast<UINT>(Id(IDC_NOVA_GROUP))},
        {Ctl::GroupBox, static_cast<UINT>(Id(IDC_NOVA_MAG_GROUP))},
        {Ctl::Static, static_cast<UINT>(Id(IDC_NOVA_MAG_OFFSET_LABEL))},
    };
    AttachTable(controls);
}

void CDlgStarNovaBase::PrepareFields() {
    PrepareNumbers(Offset());
    COverlayDialog::PrepareFields();
}

void CDlgStarNovaBase::ReadSettings() {
    ReadRows(m_nova.rows);
    ReadNumber(*m_nova.offset);
}

void CDlgStarNovaBase::WriteSettings(zem::StatementWriter& out) {
    WriteRows(out, m_nova.rows);
    out.Value({m_nova.offset->write}, m_dMagOffset);
}

BOOL CDlgStarNovaBase::GetScript(CString* script) {
    UpdateData(TRUE);
    CString s = StartScript();
    AppendScript(s);
    return FinishScript(s, script);
}

void CDlgStarNovaBase::SetEnableOrDisable() {
    const bool view = IsDlgButtonChecked(Id(IDC_NOVA_VISIBLE)) != 0;
    EnableRows(m_nova.labels, view);
    // The offset follows the main switch alone, not the date-and-time box.
    for (UINT id : {IDC_NOVA_MAG_GROUP, IDC_NOVA_MAG_OFFSET_LABEL, IDC_NOVA_LIMIT_GROUP})
        EnableItem(static_cast<UINT>(Id(id)), view);
    EnableNumbers(Offset(), view);
    m_limit.EnableControls(view);
}

void CDlgStarNovaBase::OnDeltaposSpinMagOffset(NMHDR* pNotify, LRESULT* pResult) {
    const zem::NumberRow<CDlgStarNovaBase>& f = *m_nova.offset;
    StepField(f.edit, f.lower10, f.upper10, pNotify, pResult);
}

CDlgStarNova::CDlgStarNova(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDlgStarNovaBase(engine, engine2, parent, kNova) {}
CDlgStarNova::CDlgStarNova(CWnd* parent) : CDlgStarNovaBase(parent, kNova) {}

const NovaTraits& CDlgStarNova::Traits() { return kNova; }

const CMessageMap* CDlgStarNova::GetMessageMap() const {
    static const CMessageMap map = NovaMap<CDlgStarNova>();
    return &map;
}

CDlgStarSNova::CDlgStarSNova(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDlgStarNovaBase(engine, engine2, parent, kSupernova) {}
CDlgStarSNova::CDlgStarSNova(CWnd* parent) : CDlgStarNovaBase(parent, kSupernova) {}

const NovaTraits& CDlgStarSNova::Traits() { return kSupernova; }

const CMessageMap* CDlgStarSNova::GetMessageMap() const {
    static const CMessageMap map = NovaMap<CDlgStarSNova>();
    return &map;
}
