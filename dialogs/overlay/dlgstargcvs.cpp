#include "dialogs/overlay/dlgstargcvs.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR_GCVS, IDS_HELP_STAR_GCVS, L"Star.Gcvs.Mark.Color", ApplyKind::Live};

const zem::MagLimitTraits kLimit{
    .prefix = L"Star.GCVS",
    .limitCheck = IDC_GCVS_LIMIT_MAG,
    .autoRadio = IDC_GCVS_MAG_AUTO,
    .fixedRadio = IDC_GCVS_MAG_FIXED,
    .maximum = {IDC_GCVS_MAG_MAX, IDC_GCVS_MAG_MAX_SPIN, -60, 300},
    .minimum = {IDC_GCVS_MAG_MIN, IDC_GCVS_MAG_MIN_SPIN, -60, 300},
    .toStatic = IDC_GCVS_MAG_TO,
    .unitStatic = IDC_GCVS_MAG_UNIT,
    .textLimit = 5,
    .lower = -6.0,
    .upper = 30.0,
    .rangeMessage = IDS_GCVS_MAG_RANGE,
    .orderMessage = IDS_GCVS_MAG_ORDER,
};

}  // namespace

CDlgStarGcvs::CDlgStarGcvs(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : COverlayDialog(engine, engine2, parent, kTraits, kLimit) {
    InitData();
}

CDlgStarGcvs::CDlgStarGcvs(CWnd* parent) : COverlayDialog(parent, kTraits, kLimit) { InitData(); }

void CDlgStarGcvs::InitData() {
    m_bMark = m_bName = m_bAbbreviation = m_bMagMax = m_bMagMin = FALSE;
    m_limit.m_bLimit = FALSE;
    m_limit.m_nMode = 0;
    m_limit.m_dMax = -10.0;
    m_limit.m_dMin = 6.0;
    m_mag.SetEditReady(TRUE);
}

const CMessageMap* CDlgStarGcvs::GetMessageMap() const {
    using M = MessageMapOf<CDlgStarGcvs>;
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_GCVS_VISIBLE, &CDlgStarGcvs::OnCheckGcvsView),
        M::OnBnClicked(IDC_GCVS_NAME, &CDlgStarGcvs::OnCheckGcvsName),
        M::OnBnClicked(IDC_GCVS_MAXIMUM, &CDlgStarGcvs::OnApply),
        M::OnBnClicked(IDC_GCVS_ABBREVIATION, &CDlgStarGcvs::OnApply),
        M::OnBnClicked(IDC_GCVS_MINIMUM, &CDlgStarGcvs::OnApply),
        M::OnBnClicked(IDC_GCVS_LIMIT_MAG, &CDlgStarGcvs::OnCheckGcvsLimitMag),
        M::OnBnClicked(IDC_GCVS_MAG_AUTO, &CDlgStarGcvs::OnClickRadioGcvsAutoMag),
        M::OnBnClicked(IDC_GCVS_MAG_FIXED, &CDlgStarGcvs::OnClickRadioGcvsFixedMag),
        M::OnEnChange(IDC_GCVS_MAG_MAX, &CDlgStarGcvs::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_GCVS_MAG_MAX_SPIN, &CDlgStarGcvs::OnDeltaposSpinGcvsMagMax),
        M::OnEnChange(IDC_GCVS_MAG_MIN, &CDlgStarGcvs::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_GCVS_MAG_MIN_SPIN, &CDlgStarGcvs::OnDeltaposSpinGcvsMagMin),
        M::OnBnClicked(IDC_GCVS_COLOR_FONT, &CDlgStarGcvs::OnButtonFont),
    });
    return &map;
}

void CDlgStarGcvs::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_GCVS_VISIBLE, m_bMark);
    DDX_Check(pDX, IDC_GCVS_NAME, m_bName);
    DDX_Check(pDX, IDC_GCVS_ABBREVIATION, m_bAbbreviation);
    DDX_Check(pDX, IDC_GCVS_MAXIMUM, m_bMagMax);
    DDX_Check(pDX, IDC_GCVS_MINIMUM, m_bMagMin);
    DDX_Check(pDX, IDC_GCVS_LIMIT_MAG, m_limit.m_bLimit);
    DDX_Radio(pDX, IDC_GCVS_MAG_AUTO, m_limit.m_nMode);
    DDX_Double(pDX, IDC_GCVS_MAG_MAX, m_limit.m_dMax, L"%.1f");
    DDX_Double(pDX, IDC_GCVS_MAG_MIN, m_limit.m_dMin, L"%.1f");
}

void CDlgStarGcvs::AttachControls() {
    CQelDialog::AttachControls();
    m_btnFont.Attach(IDC_GCVS_COLOR_FONT, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_grpGcvs.Attach(IDC_GCVS_GROUP, this);
    m_grpLimit.Attach(IDC_GCVS_LIMIT_GROUP, this);
    m_editMagMax.Attach(IDC_GCVS_MAG_MAX, this);
    m_editMagMin.Attach(IDC_GCVS_MAG_MIN, this);
    m_stcTo.Attach(IDC_GCVS_MAG_TO, this);
    m_stcUnit.Attach(IDC_GCVS_MAG_UNIT, this);
    m_chkView.Attach(IDC_GCVS_VISIBLE, this);
    m_chkName.Attach(IDC_GCVS_NAME, this);
    m_chkMagMax.Attach(IDC_GCVS_MAXIMUM, this);
    m_chkAbbreviation.Attach(IDC_GCVS_ABBREVIATION, this);
    m_chkMagMin.Attach(IDC_GCVS_MINIMUM, this);
    m_chkLimitMag.Attach(IDC_GCVS_LIMIT_MAG, this);
    m_rdoAutoMag.Attach(IDC_GCVS_MAG_AUTO, this);
    m_rdoFixedMag.Attach(IDC_GCVS_MAG_FIXED, this);
    m_spinMagMax.Attach(IDC_GCVS_MAG_MAX_SPIN, this);
    m_spinMagMin.Attach(IDC_GCVS_MAG_MIN_SPIN, this);
}

BOOL CDlgStarGcvs::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    m_limit.Prepare();

    m_bMark = Query(L"Star.GCVS.Mark.Visible") == L"TRUE";
    m_bName = Query(L"Star.GCVS.Name.Visible") == L"TRUE";
    m_bAbbreviation = Query(L"Star.GCVS.Abbreviation.Visible") == L"TRUE";
    m_bMagMax = Query(L"Star.GCVS.Magnitude.Maximum.Visible") == L"TRUE";
    m_bMagMin = Query(L"Star.GCVS.Magnitude.Minimum.Visible") == L"TRUE";
    m_limit.ReadFromEngine();

    UpdateData(FALSE);
    SetEnableOrDisableGcvs();
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgStarGcvs::GetScript(CString* script) {
    if (!ValidateLimit()) return FALSE;
    // Text the checks let through but the exchange cannot read (an empty edit) has had the
    // framework's own message; nothing is sent.
    if (!UpdateData(TRUE)) return FALSE;

    // The labels travel as the model holds them, also while their boxes are disabled.
    *script = GetScriptBool(L"Star.GCVS.Mark.Visible", m_bMark) + GetScriptBool(L"Star.GCVS.Name.Visible", m_bName) +
              GetScriptBool(L"Star.GCVS.Abbreviation.Visible", m_bAbbreviation) +
              GetScriptBool(L"Star.GCVS.Magnitude.Maximum.Visible", m_bMagMax) +
              GetScriptBool(L"Star.GCVS.Magnitude.Minimum.Visible", m_bMagMin) + m_limit.GetScript();
    return TRUE;
}

void CDlgStarGcvs::SetEnableOrDisableGcvs() {
    const bool view = IsDlgButtonChecked(IDC_GCVS_VISIBLE) != 0;
    const bool name = IsDlgButtonChecked(IDC_GCVS_NAME) != 0;
    EnableItems({IDC_GCVS_NAME, IDC_GCVS_MAXIMUM, IDC_GCVS_MINIMUM}, view);
    // The abbreviation is the alternative to the name.
    EnableItem(IDC_GCVS_ABBREVIATION, view && !name);
    m_limit.EnableControls(view);
}

void CDlgStarGcvs::OnCheckGcvsView() {
    Apply();
    SetEnableOrDisableGcvs();
}

void CDlgStarGcvs::OnCheckGcvsName() {
    Apply();
    SetEnableOrDisableGcvs();
}

void CDlgStarGcvs::OnCheckGcvsLimitMag() {
    Apply();
    SetEnableOrDisableGcvs();
}

void CDlgStarGcvs::OnClickRadioGcvsAutoMag() {
    Apply();
    SetEnableOrDisableGcvs();
}

void CDlgStarGcvs::OnClickRadioGcvsFixedMag() {
    Apply();
    SetEnableOrDisableGcvs();
}

void CDlgStarGcvs::OnDeltaposSpinGcvsMagMax(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.maximum, pNotify, pResult);
}

void CDlgStarGcvs::OnDeltaposSpinGcvsMagMin(NMHDR* pNotify, LRESULT* pResult) {
    StepField(kLimit.minimum, pNotify, pResult);
}
