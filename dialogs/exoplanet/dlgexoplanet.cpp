#include "dialogs/exoplanet/dlgexoplanet.h"

#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_EXOPLANET, IDS_HELP_EXOPLANET, L"star.extrasolarplanet.mark.color", ApplyKind::Live};

}  // namespace

CDlgExoPlanet::CDlgExoPlanet(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CSettingsDialog(engine, engine2, parent, kTraits) {}
CDlgExoPlanet::CDlgExoPlanet(CWnd* parent) : CSettingsDialog(parent, kTraits, false) {}

const CMessageMap* CDlgExoPlanet::GetMessageMap() const {
    using M = MessageMapOf<CDlgExoPlanet>;
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_EXO_VISIBLE, &CDlgExoPlanet::OnCheckVisible),
        M::OnBnClicked(IDC_EXO_MARK, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_PLANET_NAME, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_STAR_NAME, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_ORBIT, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_COLOR_FONT, &CDlgExoPlanet::OnButtonFont),
    });
    return &map;
}

void CDlgExoPlanet::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_EXO_VISIBLE, m_bVisible);
    DDX_Check(pDX, IDC_EXO_STAR_NAME, m_bStarName);
    DDX_Check(pDX, IDC_EXO_MARK, m_bMark);
    DDX_Check(pDX, IDC_EXO_ORBIT, m_bOrbit);
    DDX_Check(pDX, IDC_EXO_PLANET_NAME, m_bPlanetName);
}

void CDlgExoPlanet::AttachControls() {
    CQelDialog::AttachControls();
    m_grpExo.Attach(IDC_EXO_GROUP, this);
    m_chkVisible.Attach(IDC_EXO_VISIBLE, this);
    m_chkStarName.Attach(IDC_EXO_STAR_NAME, this);
    m_chkMark.Attach(IDC_EXO_MARK, this);
    m_chkOrbit.Attach(IDC_EXO_ORBIT, this);
    m_chkPlanetName.Attach(IDC_EXO_PLANET_NAME, this);
    m_btnFont.Attach(IDC_EXO_COLOR_FONT, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
}

BOOL CDlgExoPlanet::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    m_bVisible = GetBool(L"star", L"extrasolarplanet.visible");
    m_bStarName = GetBool(L"star", L"extrasolarplanet.Star.Name.visible");
    m_bMark = GetBool(L"star", L"extrasolarplanet.Mark.visible");
    m_bOrbit = GetBool(L"star", L"extrasolarplanet.Orbit.visible");
    m_bPlanetName = GetBool(L"star", L"extrasolarplanet.Name.visible");
    Query(L"View.Projection");
    UpdateData(FALSE);
    UpdateStatus();
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgExoPlanet::GetScript(CString* script) {
    UpdateData(TRUE);
    // The sub-switches travel with their own values whatever the main switch says.
    *script = GetScriptBool(L"star.extrasolarplanet.visible", m_bVisible) +
              GetScriptBool(L"star.extrasolarplanet.Star.Name.visible", m_bStarName) +
              GetScriptBool(L"star.extrasolarplanet.Mark.visible", m_bMark) +
              GetScriptBool(L"star.extrasolarplanet.Orbit.visible", m_bOrbit) +
              GetScriptBool(L"star.extrasolarplanet.Name.visible", m_bPlanetName);
    return TRUE;
}

void CDlgExoPlanet::UpdateStatus() {
    UpdateData(TRUE);
    EnableItems({IDC_EXO_MARK, IDC_EXO_STAR_NAME}, m_bVisible);
    EnableItems({IDC_EXO_PLANET_NAME, IDC_EXO_ORBIT}, m_bVisible && m_nProjection);
}

void CDlgExoPlanet::OnCheckVisible() {
    UpdateStatus();
    Apply();
}

void CDlgExoPlanet::OnApply() { Apply(); }
void CDlgExoPlanet::OnButtonFont() { OpenColourDialog(); }
