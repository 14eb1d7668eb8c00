// SPDX-License-Identifier: BSD-3-Clause
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
    static const CMessageMap map(&CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_EXO_VISIBLE, &CDlgExoPlanet::OnCheckVisible),
        M::OnBnClicked(IDC_EXO_MARK, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_PLANET_NAME, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_STAR_NAME, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_ORBIT, &CDlgExoPlanet::OnApply),
        M::OnBnClicked(IDC_EXO_COLOR_FONT, &CDlgExoPlanet::OnButtonFont),
    });
    return &map;
}

// The settings belong to the engine's star object: read through GetBool on "star", written
// with the object in the path. The sub-switches travel with their own values whatever the main
// switch says.
zem::SettingRows<CDlgExoPlanet> CDlgExoPlanet::Rows() {
    using D = CDlgExoPlanet;
    static const zem::SettingRow<D> rows[] = {
        {.control = IDC_EXO_VISIBLE, .member = &D::m_bVisible, .read = L"extrasolarplanet.visible",
         .write = L"star.extrasolarplanet.visible", .object = L"star"},
        {.control = IDC_EXO_STAR_NAME, .member = &D::m_bStarName, .read = L"extrasolarplanet.Star.Name.visible",
         .write = L"star.extrasolarplanet.Star.Name.visible", .object = L"star"},
        {.control = IDC_EXO_MARK, .member = &D::m_bMark, .read = L"extrasolarplanet.Mark.visible",
         .write = L"star.extrasolarplanet.Mark.visible", .object = L"star"},
        {.control = IDC_EXO_ORBIT, .member = &D::m_bOrbit, .read = L"extrasolarplanet.Orbit.visible",
         .write = L"star.extrasolarplanet.Orbit.visible", .object = L"star"},
        {.control = IDC_EXO_PLANET_NAME, .member = &D::m_bPlanetName, .read = L"extrasolarplanet.Name.visible",
         .write = L"star.extrasolarplanet.Name.visible", .object = L"star"},
    };
    return zem::Rows(rows);
}

void CDlgExoPlanet::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    ExchangeRows(pDX, Rows());
}

void CDlgExoPlanet::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow controls[] = {
        {Ctl::GroupBox, IDC_EXO_GROUP},     {Ctl::CheckBox, IDC_EXO_VISIBLE}, {Ctl::CheckBox, IDC_EXO_STAR_NAME},
        {Ctl::CheckBox, IDC_EXO_MARK},      {Ctl::CheckBox, IDC_EXO_ORBIT},   {Ctl::CheckBox, IDC_EXO_PLANET_NAME},
        {Ctl::Button, IDC_EXO_COLOR_FONT},
    };
    AttachTable(controls);
}

BOOL CDlgExoPlanet::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    AttachControls();
    ReadRows(Rows());
    Query(L"View.Projection");
    UpdateData(FALSE);
    UpdateStatus();
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgExoPlanet::GetScript(CString* script) {
    UpdateData(TRUE);
    CString s = StartScript();
    AppendRows(s, Rows());
    return FinishScript(s, script);
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
