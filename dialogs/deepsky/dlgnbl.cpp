// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky dialog's life: construction, message map, controls, opening, exchange and Close.
#include "dialogs/deepsky/dlgnbl.h"

#include "framework/module.h"

namespace {

const DialogTraits kTraits{IDD_DSP_NBL, IDS_HELP_NEBULA, L"DeepSkyObject.GlobularCluster.Name.Color",
                           ApplyKind::LiveTracked};

}  // namespace

CDlgNbl::CDlgNbl(CCorQel* engine, CCorQel* engine2, int pgcDataExists, CWnd* parent)
    : CSettingsDialog(engine, engine2, parent, kTraits), m_bPgcDataExist(pgcDataExists) {
    InitNumbers(Numbers());
}

CDlgNbl::CDlgNbl(CWnd* parent) : CSettingsDialog(parent, kTraits), m_bPgcDataExist(0) { InitNumbers(Numbers()); }

const DialogTraits& CDlgNbl::Traits() { return kTraits; }

const CMessageMap* CDlgNbl::GetMessageMap() const {
    using M = MessageMapOf<CDlgNbl>;
    static const CMessageMap map = [] {
        std::vector<CMessageMap::Entry> entries = {
            M::OnRegisteredMessage(&g_nQelListBoxAObjMessage, &D::OnQelListBoxAObj),
            M::OnBnClicked(IDC_NBL_LIMIT_MAG, &D::OnCheckLimitMag),
            M::OnNotify(UDN_DELTAPOS, IDC_NBL_MAG_MAX_SPIN, &D::OnDeltaposDspNblSpinLimitMagMax),
            M::OnNotify(UDN_DELTAPOS, IDC_NBL_MAG_MIN_SPIN, &D::OnDeltaposDspNblSpinLimitMagMin),
            M::OnNotify(UDN_DELTAPOS, IDC_NBL_BRIGHTNESS_SPIN, &D::OnDeltaposDspNblSpinImageBrightness),
            M::OnBnClicked(IDC_NBL_IMAGE_RESET, &D::OnBtnImageReset),
            M::OnBnClicked(IDC_NBL_PGC, &D::OnCheckPgcVisible),
            M::OnBnClicked(IDC_NBL_PGC_NUMBER, &D::OnCheckPgcVisible),
            M::OnBnClicked(IDC_NBL_PGC_MAGNITUDE, &D::OnCheckPgcVisible),
            M::OnBnClicked(IDC_NBL_PGC_LIMIT_MAG, &D::OnCheckPgcLimitMag),
            M::OnNotify(UDN_DELTAPOS, IDC_NBL_PGC_MAG_MAX_SPIN, &D::OnDeltaposDspNblSpinPgcLimitMagMax),
            M::OnNotify(UDN_DELTAPOS, IDC_NBL_PGC_MAG_MIN_SPIN, &D::OnDeltaposDspNblSpinPgcLimitMagMin),
            M::OnBnClicked(IDC_NBL_PGC_POINT, &D::OnApply),
            M::OnBnClicked(IDC_NBL_PGC_SHAPE_IMAGE, &D::OnApply),
            M::OnBnClicked(IDC_NBL_PGC_SHAPE_OUTLINE, &D::OnApply),
            M::OnBnClicked(IDC_NBL_COLOR_FONT, &D::OnButtonColorFont),
        };
        for (const tagFeatureTypeInfo& f : FeatureTypes()) entries.push_back(M::OnBnClicked(f.nID, &D::OnCheckView));
        for (const tagEtcObjInfo& e : OtherObjects()) {
            entries.push_back(M::OnBnClicked(e.nVisibleID, &D::OnApplyEtc));
            entries.push_back(M::OnBnClicked(e.nNameID, &D::OnApply));
        }
        return MapWithRows<D>(CSettingsDialog::ThisMessageMap(), std::move(entries));
    }();
    return &map;
}

void CDlgNbl::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow head[] = {
        {Ctl::GroupBox, IDC_NBL_GROUP}, {Ctl::GroupBox, IDC_NBL_LIMIT_GROUP}, {Ctl::Static, IDC_NBL_CATALOG_LABEL},
    };
    static const ControlRow levelLabel[] = {{Ctl::Static, IDC_NBL_LEVEL_LABEL}};
    static const ControlRow typeLabel[] = {{Ctl::Static, IDC_NBL_TYPE_LABEL}};
    static const ControlRow rest[] = {
        {Ctl::GroupBox, IDC_NBL_MAG_GROUP},       {Ctl::CheckBox, IDC_NBL_LIMIT_MAG},
        {Ctl::Static, IDC_NBL_MAG_TO},            {Ctl::Static, IDC_NBL_MAG_UNIT},
        {Ctl::GroupBox, IDC_NBL_OUTLINE_GROUP},   {Ctl::GroupBox, IDC_NBL_IMAGE_GROUP},
        {Ctl::Static, IDC_NBL_BRIGHTNESS_LABEL},  {Ctl::Button, IDC_NBL_IMAGE_RESET},
        {Ctl::GroupBox, IDC_NBL_PGC_GROUP},       {Ctl::GroupBox, IDC_NBL_PGC_MAG_GROUP},
        {Ctl::CheckBox, IDC_NBL_PGC_LIMIT_MAG},   {Ctl::Static, IDC_NBL_PGC_MAG_TO},
        {Ctl::Static, IDC_NBL_PGC_MAG_UNIT},      {Ctl::CheckBox, IDC_NBL_PGC_POINT},
        {Ctl::GroupBox, IDC_NBL_PGC_SHAPE_GROUP}, {Ctl::RadioButton, IDC_NBL_PGC_SHAPE_IMAGE},
        {Ctl::RadioButton, IDC_NBL_PGC_SHAPE_OUTLINE}, {Ctl::GroupBox, IDC_NBL_OTHER_GROUP},
        {Ctl::Button, IDC_NBL_COLOR_FONT},
    };
    AttachTable(head);
    for (const tagFeatureTypeInfo& f : m_aFeatureType) Attach(Ctl::CheckBox, f.nID);
    m_lstCatalog.Attach(IDC_NBL_CATALOG_LIST, this);
    AttachTable(levelLabel);
    m_lstLevel.Attach(IDC_NBL_LEVEL_LIST, this);
    AttachTable(typeLabel);
    m_lstType.Attach(IDC_NBL_TYPE_LIST, this);
    AttachTable(rest);
    AttachRows(Rows());
    AttachNumbers(Numbers());

    // The grid from its rows; a row without a control leaves it out.
    for (const tagEtcObjInfo& e : m_aEtcObj)
        for (const ControlRow c : {ControlRow{Ctl::Static, e.nLabelID}, ControlRow{Ctl::FocusCheckBox, e.nVisibleID},
                                   ControlRow{Ctl::FocusCheckBox, e.nNameID}})
            if (c.id) Attach(c.kind, c.id);
}

BOOL CDlgNbl::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    m_bApplied = FALSE;

    InitFeatureTypes();
    InitCatalogs();
    InitLevelsAndTypes();
    InitEtcObj();

    AttachControls();
    InitListBoxAObj();
    SetListCounts();

    // The limit is asked only when some annotation is shown; otherwise it stays on.
    if (ReadListStates()) m_bLimitMag = Query({m_strObject.str(), L".FixedMagnitudeLimit"}) == L"TRUE";

    ReadNumber(Number(IDC_NBL_MAG_MIN));
    ReadNumber(Number(IDC_NBL_MAG_MAX));
    ReadRows(Rows(kImages));
    ReadNumber(Number(IDC_NBL_BRIGHTNESS));
    ReadPgc();
    ReadEtcObj();

    UpdateData(FALSE);
    UpdateLists();
    SetNgcEnableOrDisable();
    // With the PGC box checked this ends in the PGC limit handler, which applies once.
    SetPgcEnableOrDisable();
    SetEtcEnableOrDisable();
    StoreUndoScript();
    return TRUE;
}

void CDlgNbl::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    for (auto& f : m_aFeatureType) DDX_Check(pDX, static_cast<int>(f.nID), f.bCheck);
    DDX_Check(pDX, IDC_NBL_LIMIT_MAG, m_bLimitMag);
    ExchangeNumber(pDX, Number(IDC_NBL_MAG_MAX));
    ExchangeNumber(pDX, Number(IDC_NBL_MAG_MIN));
    ExchangeRows(pDX, Rows(kImages));
    ExchangeNumber(pDX, Number(IDC_NBL_BRIGHTNESS));
    ExchangeRows(pDX, Rows(kPgc));
    ExchangeRows(pDX, Rows(kPgcLabels));
    DDX_Check(pDX, IDC_NBL_PGC_LIMIT_MAG, m_bPgcLimitMag);
    ExchangeNumber(pDX, Number(IDC_NBL_PGC_MAG_MAX));
    ExchangeNumber(pDX, Number(IDC_NBL_PGC_MAG_MIN));
    DDX_Check(pDX, IDC_NBL_PGC_POINT, m_bPgcPoint);
    DDX_Radio(pDX, IDC_NBL_PGC_SHAPE_IMAGE, m_nPgcShape);
    for (auto& e : m_aEtcObj) {
        DDX_Check(pDX, static_cast<int>(e.nVisibleID), e.bVisible);
        DDX_Check(pDX, static_cast<int>(e.nNameID), e.bName);
    }
}

// Close checks with messages and stays open while a check fails; what was applied last stays.
void CDlgNbl::OnOK() {
    CString script;
    if (GetScript(&script, Report::WithMessages)) CSettingsDialog::OnOK();
}

void CDlgNbl::OnCheckView() {
    SetNgcEnableOrDisable();
    Apply();
}
