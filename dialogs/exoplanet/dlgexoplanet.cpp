// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/exoplanet/dlgexoplanet.h"

namespace {

const DialogTraits kTraits{IDD_DSP_EXOPLANET, IDS_HELP_EXOPLANET, L"star.extrasolarplanet.mark.color", ApplyKind::Live};

}  // namespace

CDlgExoPlanet::CDlgExoPlanet(CCorQel* engine, CCorQel* engine2, CWnd* parent)
    : CSettingsDialog(engine, engine2, parent, kTraits) {}
CDlgExoPlanet::CDlgExoPlanet(CWnd* parent) : CSettingsDialog(parent, kTraits, false) {}

const DialogTraits& CDlgExoPlanet::Traits() { return kTraits; }

const CMessageMap* CDlgExoPlanet::GetMessageMap() const {
    using M = MessageMapOf<CDlgExoPlanet>;
    static const CMessageMap map = MapWithRows<D>(CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_EXO_COLOR_FONT, &D::OnButtonFont),
    });
    return &map;
}

void CDlgExoPlanet::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    ExchangeRows(pDX, Rows());
}

void CDlgExoPlanet::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow controls[] = {{Ctl::GroupBox, IDC_EXO_GROUP}, {Ctl::Button, IDC_EXO_COLOR_FONT}};
    AttachTable(controls);
    AttachRows(Rows());
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
    EnableRows(Rows(kLabels), m_bVisible);
    // The planets' names and orbits need the projection flag as well.
    EnableItems({IDC_EXO_PLANET_NAME, IDC_EXO_ORBIT}, m_bVisible && m_nProjection);
}

void CDlgExoPlanet::OnButtonFont() { OpenColourDialog(); }
