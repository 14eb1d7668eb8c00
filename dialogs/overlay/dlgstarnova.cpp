#include "dialogs/overlay/dlgstarnova.h"

#include "companions/zemdcm/ddxfmt.h"
#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

// The supernova template is the nova template with every id moved by this.
constexpr UINT kSupernovaIds = 100;
static_assert(IDC_SNOVA_GROUP == IDC_NOVA_GROUP + kSupernovaIds &&
              IDC_SNOVA_SENDER == IDC_NOVA_DISCOVERERS + kSupernovaIds &&
              IDC_SNOVA_MAG_OFFSET == IDC_NOVA_MAG_OFFSET + kSupernovaIds &&
              IDC_SNOVA_COLOR_FONT == IDC_NOVA_COLOR_FONT + kSupernovaIds);

constexpr NovaTraits MakeTraits(DialogTraits dialog, UINT d, const wchar_t* prefix, const wchar_t* fourthLabel) {
    return {
        .dialog = dialog,
        .idOffset = d,
        .prefix = prefix,
        .fourthLabel = fourthLabel,
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
        },
    };
}

constexpr NovaTraits kNova =
    MakeTraits({IDD_DSP_STAR_NOVA, IDS_HELP_STAR_NOVA, L"Star.Nova.Name.Color", ApplyKind::Live}, 0, L"Star.Nova",
               L".Discoverers.Visible");
constexpr NovaTraits kSupernova =
    MakeTraits({IDD_DSP_STAR_SNOVA, IDS_HELP_STAR_SNOVA, L"Star.Supernova.Name.Color", ApplyKind::Live}, kSupernovaIds,
               L"Star.Supernova", L".Sender.Visible");

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
    m_limit.m_bLimit = FALSE;
    m_limit.m_nMode = 0;
    m_limit.m_dMax = 0.0;
    m_limit.m_dMin = 12.0;
    m_mag.SetEditReady(TRUE);
}

CMessageMap CDlgStarNovaBase::BuildMessageMap(UINT d) {
    using M = MessageMapOf<CDlgStarNovaBase>;
    using D = CDlgStarNovaBase;
    return CMessageMap(&CQelDialog::ThisMessageMap(), {
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

void CDlgStarNovaBase::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, Id(IDC_NOVA_VISIBLE), m_bVisible);
    DDX_Check(pDX, Id(IDC_NOVA_NAME), m_bName);
    DDX_Check(pDX, Id(IDC_NOVA_DISCOVERY_MAG), m_bDiscoveryMag);
    DDX_Check(pDX, Id(IDC_NOVA_DISCOVERERS), m_bDiscoverers);
    DDX_Check(pDX, Id(IDC_NOVA_DISCOVERY_DATE), m_bDiscoveryDate);
    DDX_Check(pDX, Id(IDC_NOVA_MAG_VARIABLE), m_bMagVariable);
    DDX_DoubleFmt(pDX, Id(IDC_NOVA_MAG_OFFSET), m_dMagOffset, L"%.1f", 7);
    DDX_Check(pDX, Id(IDC_NOVA_LIMIT_MAG), m_limit.m_bLimit);
    DDX_Radio(pDX, Id(IDC_NOVA_MAG_AUTO), m_limit.m_nMode);
    DDX_DoubleFmt(pDX, Id(IDC_NOVA_MAG_MAX), m_limit.m_dMax, L"%.1f", 7);
    DDX_DoubleFmt(pDX, Id(IDC_NOVA_MAG_MIN), m_limit.m_dMin, L"%.1f", 7);
}

void CDlgStarNovaBase::AttachControls() {
    CQelDialog::AttachControls();
    m_btnFont.Attach(Id(IDC_NOVA_COLOR_FONT), this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_grpNova.Attach(Id(IDC_NOVA_GROUP), this);
    m_chkView.Attach(Id(IDC_NOVA_VISIBLE), this);
    m_chkName.Attach(Id(IDC_NOVA_NAME), this);
    m_chkDiscoveryMag.Attach(Id(IDC_NOVA_DISCOVERY_MAG), this);
    m_chkDiscoverers.Attach(Id(IDC_NOVA_DISCOVERERS), this);
    m_chkDiscoveryDate.Attach(Id(IDC_NOVA_DISCOVERY_DATE), this);
    m_grpMag.Attach(Id(IDC_NOVA_MAG_GROUP), this);
    m_chkMagVariable.Attach(Id(IDC_NOVA_MAG_VARIABLE), this);
    m_stcOffset.Attach(Id(IDC_NOVA_MAG_OFFSET_LABEL), this);
    m_editMagOffset.Attach(Id(IDC_NOVA_MAG_OFFSET), this);
    m_spinMagOffset.Attach(Id(IDC_NOVA_MAG_OFFSET_SPIN), this);
    m_grpLimit.Attach(Id(IDC_NOVA_LIMIT_GROUP), this);
    m_chkLimitMag.Attach(Id(IDC_NOVA_LIMIT_MAG), this);
    m_rdoAutoMag.Attach(Id(IDC_NOVA_MAG_AUTO), this);
    m_rdoFixedMag.Attach(Id(IDC_NOVA_MAG_FIXED), this);
    m_editMagMax.Attach(Id(IDC_NOVA_MAG_MAX), this);
    m_spinMagMax.Attach(Id(IDC_NOVA_MAG_MAX_SPIN), this);
    m_stcTo.Attach(Id(IDC_NOVA_MAG_TO), this);
    m_editMagMin.Attach(Id(IDC_NOVA_MAG_MIN), this);
    m_spinMagMin.Attach(Id(IDC_NOVA_MAG_MIN_SPIN), this);
    m_stcUnit.Attach(Id(IDC_NOVA_MAG_UNIT), this);
}

BOOL CDlgStarNovaBase::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    InitSpin(static_cast<int>(m_nova.magOffset.spin));
    m_limit.Prepare();

    m_bVisible = Query(Path(L".Visible")) == L"TRUE";
    m_bName = Query(Path(L".Name.Visible")) == L"TRUE";
    m_bDiscoveryMag = Query(Path(L".Mag.Visible")) == L"TRUE";
    m_bDiscoverers = Query(Path(m_nova.fourthLabel)) == L"TRUE";
    m_bDiscoveryDate = Query(Path(L".DiscoveryDate.Visible")) == L"TRUE";
    m_bMagVariable = Query(Path(L".Magnitude.Variable")) == L"TRUE";
    m_dMagOffset = crt::_wtof(Query(Path(L".Magnitude.Offset")));
    m_limit.ReadFromEngine();

    UpdateData(FALSE);
    SetEnableOrDisable();
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgStarNovaBase::GetScript(CString* script) {
    // No edit-ready test and no checks: a spin step is sent from the edit's change notification
    // and again from the spin handler. Text the exchange cannot read gets the framework's own
    // message and keeps the last value read.
    UpdateData(TRUE);

    CString s = GetScriptBool(Path(L".Visible"), m_bVisible) + GetScriptBool(Path(L".Name.Visible"), m_bName) +
                GetScriptBool(Path(L".Mag.Visible"), m_bDiscoveryMag) +
                GetScriptBool(Path(m_nova.fourthLabel), m_bDiscoverers) +
                GetScriptBool(Path(L".DiscoveryDate.Visible"), m_bDiscoveryDate) +
                GetScriptBool(Path(L".Magnitude.Variable"), m_bMagVariable);
    s.AppendFormat(L"%s.Magnitude.Offset = %.1f;", m_nova.prefix, m_dMagOffset);
    *script = s + m_limit.GetScript();
    return TRUE;
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

void CDlgStarNovaBase::OnCheckView() {
    Apply();
    SetEnableOrDisable();
}

void CDlgStarNovaBase::OnCheckLimitMag() {
    Apply();
    SetEnableOrDisable();
}

void CDlgStarNovaBase::OnClickRadioAutoMag() {
    Apply();
    SetEnableOrDisable();
}

void CDlgStarNovaBase::OnClickRadioFixedMag() {
    Apply();
    SetEnableOrDisable();
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

CDlgStarSNova::CDlgStarSNova(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CDlgStarNovaBase(engine, engine2, parent, kSupernova) {}
CDlgStarSNova::CDlgStarSNova(CWnd* parent) : CDlgStarNovaBase(parent, kSupernova) {}

const CMessageMap* CDlgStarSNova::GetMessageMap() const {
    static const CMessageMap map = BuildMessageMap(kSupernova.idOffset);
    return &map;
}
