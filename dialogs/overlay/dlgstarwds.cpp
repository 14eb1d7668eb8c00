#include "dialogs/overlay/dlgstarwds.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_WDS, IDS_HELP_STAR_WDS, L"Star.Wds.Primary.Mark.Color", ApplyKind::Live};

const zem::MagLimitTraits kLimit{
    .prefix = L"Star.WDS",
    .limitCheck = IDC_WDS_LIMIT_MAG,
    .autoRadio = IDC_WDS_MAG_AUTO,
    .fixedRadio = IDC_WDS_MAG_FIXED,
    .maximum = {IDC_WDS_MAG_MAX, IDC_WDS_MAG_MAX_SPIN, -20, 300},
    .minimum = {IDC_WDS_MAG_MIN, IDC_WDS_MAG_MIN_SPIN, -20, 300},
    .toStatic = IDC_WDS_MAG_TO,
    .unitStatic = IDC_WDS_MAG_UNIT,
    .textLimit = 5,
    .lower = -2.0,
    .upper = 30.0,
    .rangeMessage = IDS_WDS_MAG_RANGE,
    .orderMessage = IDS_WDS_MAG_ORDER,
};

}  // namespace

CDlgStarWds::CDlgStarWds(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : COverlayDialog(engine, engine2, parent, kTraits, kLimit) {
    InitData();
}

CDlgStarWds::CDlgStarWds(CWnd* parent) : COverlayDialog(parent, kTraits, kLimit) { InitData(); }

void CDlgStarWds::InitData() {
    m_bPrimaryMark = m_bName = m_bSystem = m_bComponentName = m_bMagPrimary = m_bMagAll = FALSE;
    m_limit.m_bLimit = FALSE;
    m_limit.m_nMode = 0;
    m_limit.m_dMax = -10.0;
    m_limit.m_dMin = 6.0;
    m_mag.SetEditReady(TRUE);
}

const CMessageMap* CDlgStarWds::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarWds>;
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_WDS_VISIBLE, &CDlgStarWds::OnCheckWdsView),
        M::OnBnClicked(IDC_WDS_NAME, &CDlgStarWds::OnApply),
        M::OnBnClicked(IDC_WDS_MAG_PRIMARY, &CDlgStarWds::OnCheckWdsMagPrimary),
        M::OnBnClicked(IDC_WDS_COMPONENT_NAME, &CDlgStarWds::OnApply),
        M::OnBnClicked(IDC_WDS_SYSTEM, &CDlgStarWds::OnCheckWdsSystem),
        M::OnBnClicked(IDC_WDS_MAG_ALL, &CDlgStarWds::OnApply),
        M::OnBnClicked(IDC_WDS_LIMIT_MAG, &CDlgStarWds::OnCheckWdsLimitMag),
        M::OnBnClicked(IDC_WDS_MAG_AUTO, &CDlgStarWds::OnClickRadioWdsAutoMag),
        M::OnBnClicked(IDC_WDS_MAG_FIXED, &CDlgStarWds::OnClickRadioWdsFixedMag),
        M::OnEnChange(IDC_WDS_MAG_MAX, &CDlgStarWds::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_WDS_MAG_MAX_SPIN, &CDlgStarWds::OnDeltaposSpinWdsMagMax),
        M::OnEnChange(IDC_WDS_MAG_MIN, &CDlgStarWds::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_WDS_MAG_MIN_SPIN, &CDlgStarWds::OnDeltaposSpinWdsMagMin),
        M::OnBnClicked(IDC_WDS_COLOR_FONT, &CDlgStarWds::OnButtonFont),
    });
    return &map;
}

void CDlgStarWds::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_WDS_VISIBLE, m_bPrimaryMark);
    DDX_Check(pDX, IDC_WDS_NAME, m_bName);
    DDX_Check(pDX, IDC_WDS_SYSTEM, m_bSystem);
    DDX_Check(pDX, IDC_WDS_COMPONENT_NAME, m_bComponentName);
    DDX_Check(pDX, IDC_WDS_MAG_PRIMARY, m_bMagPrimary);
    DDX_Check(pDX, IDC_WDS_MAG_ALL, m_bMagAll);
    DDX_Check(pDX, IDC_WDS_LIMIT_MAG, m_limit.m_bLimit);
    DDX_Radio(pDX, IDC_WDS_MAG_AUTO, m_limit.m_nMode);
    DDX_Double(pDX, IDC_WDS_MAG_MAX, m_limit.m_dMax, L"%.1f");
    DDX_Double(pDX, IDC_WDS_MAG_MIN, m_limit.m_dMin, L"%.1f");
}

void CDlgStarWds::AttachControls() {
    CQelDialog::AttachControls();
    m_btnFont.Attach(IDC_WDS_COLOR_FONT, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_grpWds.Attach(IDC_WDS_GROUP, this);
    m_grpLimit.Attach(IDC_WDS_LIMIT_GROUP, this);
    m_editMagMax.Attach(IDC_WDS_MAG_MAX, this);
    m_editMagMin.Attach(IDC_WDS_MAG_MIN, this);
    m_stcTo.Attach(IDC_WDS_MAG_TO, this);
    m_stcUnit.Attach(IDC_WDS_MAG_UNIT, this);
    m_chkView.Attach(IDC_WDS_VISIBLE, this);
    m_chkName.Attach(IDC_WDS_NAME, this);
    m_chkMagPrimary.Attach(IDC_WDS_MAG_PRIMARY, this);
    m_chkComponentName.Attach(IDC_WDS_COMPONENT_NAME, this);
    m_chkSystem.Attach(IDC_WDS_SYSTEM, this);
    m_chkMagAll.Attach(IDC_WDS_MAG_ALL, this);
    m_chkLimitMag.Attach(IDC_WDS_LIMIT_MAG, this);
    m_rdoAutoMag.Attach(IDC_WDS_MAG_AUTO, this);
    m_rdoFixedMag.Attach(IDC_WDS_MAG_FIXED, this);
    m_spinMagMax.Attach(IDC_WDS_MAG_MAX_SPIN, this);
    m_spinMagMin.Attach(IDC_WDS_MAG_MIN_SPIN, this);
}

BOOL CDlgStarWds::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    m_limit.Prepare();

    m_bPrimaryMark = Query(L"Star.WDS.Primary.Mark.Visible") == L"TRUE";
    m_bName = Query(L"Star.WDS.Name.Visible") == L"TRUE";
    // A box that carries two properties is set only when both are; the second is asked only
    // when the first is TRUE.
    m_bSystem = Query(L"Star.WDS.Pair.Line.Visible") == L"TRUE" && Query(L"Star.WDS.Secondary.Mark.Visible") == L"TRUE";
    m_bComponentName =
        Query(L"Star.WDS.ComponentName.Visible") == L"TRUE" && Query(L"Star.WDS.Pair.Name.Visible") == L"TRUE";
    m_bMagPrimary = Query(L"Star.WDS.Primary.Magnitude.Visible") == L"TRUE";
    m_bMagAll = m_bMagPrimary && Query(L"Star.WDS.Secondary.Magnitude.Visible") == L"TRUE";
    m_limit.ReadFromEngine();

    UpdateData(FALSE);
    SetEnableOrDisableWds();
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgStarWds::GetScript(CString* script) {
    if (!ValidateLimit()) return FALSE;
    // Text the checks let through but the exchange cannot read (an empty edit) has had the
    // framework's own message; nothing is sent.
    if (!UpdateData(TRUE)) return FALSE;

    // The system box gates "all magnitudes" on screen but plays no part in what it sends.
    *script = GetScriptBool(L"Star.WDS.Primary.Mark.Visible", m_bPrimaryMark) +
              GetScriptBool(L"Star.WDS.Name.Visible", m_bName) +
              GetScriptBool(L"Star.WDS.Secondary.Mark.Visible", m_bSystem) +
              GetScriptBool(L"Star.WDS.Pair.Line.Visible", m_bSystem) +
              GetScriptBool(L"Star.WDS.ComponentName.Visible", m_bComponentName) +
              GetScriptBool(L"Star.WDS.Pair.Name.Visible", m_bComponentName) +
              GetScriptBool(L"Star.WDS.Primary.Magnitude.Visible", m_bMagPrimary) +
              GetScriptBool(L"Star.WDS.Secondary.Magnitude.Visible", m_bMagPrimary && m_bMagAll) + m_limit.GetScript();
    return TRUE;
}

void CDlgStarWds::SetEnableOrDisableWds() {
    const bool view = IsDlgButtonChecked(IDC_WDS_VISIBLE) != 0;
    const bool system = IsDlgButtonChecked(IDC_WDS_SYSTEM) != 0;
    const bool magPrimary = IsDlgButtonChecked(IDC_WDS_MAG_PRIMARY) != 0;
    EnableItems({IDC_WDS_NAME, IDC_WDS_MAG_PRIMARY, IDC_WDS_COMPONENT_NAME, IDC_WDS_SYSTEM}, view);
    EnableItem(IDC_WDS_MAG_ALL, view && system && magPrimary);
    m_limit.EnableControls(view);
}

void CDlgStarWds::OnCheckWdsView() {
    Apply();
    SetEnableOrDisableWds();
}

void CDlgStarWds::OnCheckWdsMagPrimary() {
    Apply();
    SetEnableOrDisableWds();
}

void CDlgStarWds::OnCheckWdsSystem() {
    Apply();
    SetEnableOrDisableWds();
}

void CDlgStarWds::OnCheckWdsLimitMag() {
    Apply();
    SetEnableOrDisableWds();
}

void CDlgStarWds::OnClickRadioWdsAutoMag() {
    Apply();
    SetEnableOrDisableWds();
}

void CDlgStarWds::OnClickRadioWdsFixedMag() {
    Apply();
    SetEnableOrDisableWds();
}

void CDlgStarWds::OnDeltaposSpinWdsMagMax(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.maximum, pNotify, pResult);
}

void CDlgStarWds::OnDeltaposSpinWdsMagMin(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.minimum, pNotify, pResult);
}
