// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky dialog's life: construction, message map, controls, opening, exchange and Close.
#include "dialogs/deepsky/dlgnbl.h"

#include "companions/zemdcm/ddxfmt.h"
#include "framework/module.h"
#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_NBL, IDS_HELP_NEBULA, L"DeepSkyObject.GlobularCluster.Name.Color",
                           ApplyKind::LiveTracked};

}  // namespace

CDlgNbl::CDlgNbl(CCorQel* engine, CCorQel* engine2, int pgcDataExists, CWnd* parent)
    : CSettingsDialog(engine, engine2, parent, kTraits) {
    Init(pgcDataExists);
}

CDlgNbl::CDlgNbl(CWnd* parent) : CSettingsDialog(parent, kTraits) { Init(0); }

void CDlgNbl::Init(int pgcDataExists) {
    m_bLimitMag = TRUE;
    m_dLimitMagMax = 0.0;
    m_dLimitMagMin = 12.5;
    m_bOutline = m_bImage = FALSE;
    m_dImageBrightness = 1.0;
    m_bPgc = m_bPgcNumber = FALSE;
    m_dPgcLimitMagMin = 26.0;
    m_bPgcAliasName = m_bPgcMagnitude = FALSE;
    m_bPgcLimitMag = FALSE;
    m_dPgcLimitMagMax = 0.0;
    m_bPgcPoint = FALSE;
    m_nPgcShape = -1;
    m_strObject = L"DeepSkyObject";
    m_strUndoScript.Empty();
    m_aFeatureType.clear();
    m_aCatalog.clear();
    m_aType.clear();
    m_bPgcLock = FALSE;
    m_bPgcDataExist = pgcDataExists;
    m_aEtcObj.clear();
}

const CMessageMap* CDlgNbl::GetMessageMap() const {
    using M = MessageMapOf<CDlgNbl>;
    using D = CDlgNbl;
    static const CMessageMap map(&CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_NBL_MARK, &D::OnCheckView),
        M::OnBnClicked(IDC_NBL_NAME, &D::OnCheckView),
        M::OnBnClicked(IDC_NBL_NUMBER, &D::OnCheckView),
        M::OnBnClicked(IDC_NBL_MAGNITUDE, &D::OnCheckView),
        M::OnRegisteredMessage(&g_nQelListBoxAObjMessage, &D::OnQelListBoxAObj),
        M::OnBnClicked(IDC_NBL_LIMIT_MAG, &D::OnCheckLimitMag),
        M::OnEnChange(IDC_NBL_MAG_MAX, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NBL_MAG_MAX_SPIN, &D::OnDeltaposDspNblSpinLimitMagMax),
        M::OnEnChange(IDC_NBL_MAG_MIN, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NBL_MAG_MIN_SPIN, &D::OnDeltaposDspNblSpinLimitMagMin),
        M::OnBnClicked(IDC_NBL_OUTLINE, &D::OnApply),
        M::OnBnClicked(IDC_NBL_IMAGE, &D::OnCheckImage),
        M::OnEnChange(IDC_NBL_BRIGHTNESS, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NBL_BRIGHTNESS_SPIN, &D::OnDeltaposDspNblSpinImageBrightness),
        M::OnBnClicked(IDC_NBL_IMAGE_RESET, &D::OnBtnImageReset),
        M::OnBnClicked(IDC_NBL_PGC, &D::OnCheckPgcVisible),
        M::OnBnClicked(IDC_NBL_PGC_NUMBER, &D::OnCheckPgcVisible),
        M::OnBnClicked(IDC_NBL_PGC_ALIAS, &D::OnApply),
        M::OnBnClicked(IDC_NBL_PGC_MAGNITUDE, &D::OnCheckPgcVisible),
        M::OnBnClicked(IDC_NBL_PGC_LIMIT_MAG, &D::OnCheckPgcLimitMag),
        M::OnEnChange(IDC_NBL_PGC_MAG_MAX, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NBL_PGC_MAG_MAX_SPIN, &D::OnDeltaposDspNblSpinPgcLimitMagMax),
        M::OnEnChange(IDC_NBL_PGC_MAG_MIN, &D::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_NBL_PGC_MAG_MIN_SPIN, &D::OnDeltaposDspNblSpinPgcLimitMagMin),
        M::OnBnClicked(IDC_NBL_PGC_POINT, &D::OnApply),
        M::OnBnClicked(IDC_NBL_PGC_SHAPE_IMAGE, &D::OnApply),
        M::OnBnClicked(IDC_NBL_PGC_SHAPE_OUTLINE, &D::OnApply),
        M::OnBnClicked(IDC_NBL_INFRARED, &D::OnApplyEtc),
        M::OnBnClicked(IDC_NBL_H2REGION, &D::OnApplyEtc),
        M::OnBnClicked(IDC_NBL_XRAY, &D::OnApplyEtc),
        M::OnBnClicked(IDC_NBL_QUASAR, &D::OnApplyEtc),
        M::OnBnClicked(IDC_NBL_LOCAL_GALAXIES, &D::OnApplyEtc),
        M::OnBnClicked(IDC_NBL_GALAXY_CLUSTERS, &D::OnApplyEtc),
        M::OnBnClicked(IDC_NBL_INFRARED_NAME, &D::OnApply),
        M::OnBnClicked(IDC_NBL_H2REGION_NAME, &D::OnApply),
        M::OnBnClicked(IDC_NBL_XRAY_NAME, &D::OnApply),
        M::OnBnClicked(IDC_NBL_QUASAR_NAME, &D::OnApply),
        M::OnBnClicked(IDC_NBL_LOCAL_GALAXIES_NAME, &D::OnApply),
        M::OnBnClicked(IDC_NBL_GALAXY_CLUSTERS_NAME, &D::OnApply),
        M::OnBnClicked(IDC_NBL_COLOR_FONT, &D::OnButtonColorFont),
    });
    return &map;
}

void CDlgNbl::AttachControls() {
    CSettingsDialog::AttachControls();
    // In id order; the cell lists sit between the captions.
    static const ControlRow head[] = {
        {Ctl::GroupBox, IDC_NBL_GROUP},     {Ctl::CheckBox, IDC_NBL_MARK},     {Ctl::CheckBox, IDC_NBL_NAME},
        {Ctl::CheckBox, IDC_NBL_NUMBER},    {Ctl::CheckBox, IDC_NBL_MAGNITUDE}, {Ctl::GroupBox, IDC_NBL_LIMIT_GROUP},
        {Ctl::Static, IDC_NBL_CATALOG_LABEL},
    };
    static const ControlRow levelLabel[] = {{Ctl::Static, IDC_NBL_LEVEL_LABEL}};
    static const ControlRow typeLabel[] = {{Ctl::Static, IDC_NBL_TYPE_LABEL}};
    static const ControlRow rest[] = {
        {Ctl::GroupBox, IDC_NBL_MAG_GROUP},       {Ctl::CheckBox, IDC_NBL_LIMIT_MAG},
        {Ctl::Edit, IDC_NBL_MAG_MAX},             {Ctl::Spin, IDC_NBL_MAG_MAX_SPIN},
        {Ctl::Static, IDC_NBL_MAG_TO},            {Ctl::Edit, IDC_NBL_MAG_MIN},
        {Ctl::Spin, IDC_NBL_MAG_MIN_SPIN},        {Ctl::Static, IDC_NBL_MAG_UNIT},
        {Ctl::GroupBox, IDC_NBL_OUTLINE_GROUP},   {Ctl::CheckBox, IDC_NBL_OUTLINE},
        {Ctl::GroupBox, IDC_NBL_IMAGE_GROUP},     {Ctl::CheckBox, IDC_NBL_IMAGE},
        {Ctl::Static, IDC_NBL_BRIGHTNESS_LABEL},  {Ctl::Edit, IDC_NBL_BRIGHTNESS},
        {Ctl::Spin, IDC_NBL_BRIGHTNESS_SPIN},     {Ctl::Button, IDC_NBL_IMAGE_RESET},
        {Ctl::GroupBox, IDC_NBL_PGC_GROUP},       {Ctl::CheckBox, IDC_NBL_PGC},
        {Ctl::CheckBox, IDC_NBL_PGC_NUMBER},      {Ctl::CheckBox, IDC_NBL_PGC_ALIAS},
        {Ctl::CheckBox, IDC_NBL_PGC_MAGNITUDE},   {Ctl::GroupBox, IDC_NBL_PGC_MAG_GROUP},
        {Ctl::CheckBox, IDC_NBL_PGC_LIMIT_MAG},   {Ctl::Edit, IDC_NBL_PGC_MAG_MAX},
        {Ctl::Spin, IDC_NBL_PGC_MAG_MAX_SPIN},    {Ctl::Static, IDC_NBL_PGC_MAG_TO},
        {Ctl::Edit, IDC_NBL_PGC_MAG_MIN},         {Ctl::Spin, IDC_NBL_PGC_MAG_MIN_SPIN},
        {Ctl::Static, IDC_NBL_PGC_MAG_UNIT},      {Ctl::CheckBox, IDC_NBL_PGC_POINT},
        {Ctl::GroupBox, IDC_NBL_PGC_SHAPE_GROUP}, {Ctl::RadioButton, IDC_NBL_PGC_SHAPE_IMAGE},
        {Ctl::RadioButton, IDC_NBL_PGC_SHAPE_OUTLINE}, {Ctl::GroupBox, IDC_NBL_OTHER_GROUP},
    };
    AttachTable(head);
    m_lstCatalog.Attach(IDC_NBL_CATALOG_LIST, this);
    AttachTable(levelLabel);
    m_lstLevel.Attach(IDC_NBL_LEVEL_LIST, this);
    AttachTable(typeLabel);
    m_lstType.Attach(IDC_NBL_TYPE_LIST, this);
    AttachTable(rest);

    // The grid from its rows, six at most; a row without a control leaves it out.
    std::vector<ControlRow> grid;
    for (std::size_t i = 0; i < m_aEtcObj.size() && i < 6; ++i) {
        const tagEtcObjInfo& e = m_aEtcObj[i];
        for (const ControlRow c : {ControlRow{Ctl::Static, e.nLabelID}, ControlRow{Ctl::FocusCheckBox, e.nVisibleID},
                                   ControlRow{Ctl::FocusCheckBox, e.nNameID}})
            if (c.id) grid.push_back(c);
    }
    AttachTable(grid);

    static const ControlRow colour[] = {{Ctl::Button, IDC_NBL_COLOR_FONT}};
    AttachTable(colour);
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
    if (ReadListStates()) {
        CString query;
        query.Format(L"? %s.FixedMagnitudeLimit", m_strObject);
        m_bLimitMag = IsItBool(query);
    }

    const auto rows = Rows();
    m_dLimitMagMin = GetDouble(ObjectPath(L".FixedMagnitudeLimit.Minimum"));
    m_dLimitMagMax = GetDouble(ObjectPath(L".FixedMagnitudeLimit.Maximum"));
    ReadRows(rows.first(2));  // outline, image
    m_dImageBrightness = GetDouble(ObjectPath(L".Image.Brightness"));
    ReadRows(rows.subspan(2));  // PGC and its labels
    m_nPgcShape = IsVisible(ObjectPath(L".PGC.Outline")) ? 1 : 0;

    // The PGC limit and points are asked only while PGC galaxies are shown.
    if (m_bPgc) {
        CString query;
        query.Format(L"? %s.PGC.FixedMagnitudeLimit", m_strObject);
        m_bPgcLimitMag = IsItBool(query);
        if (m_bPgcLimitMag) {
            m_dPgcLimitMagMin = GetDouble(ObjectPath(L".PGC.FixedMagnitudeLimit.Minimum"));
            m_dPgcLimitMagMax = GetDouble(ObjectPath(L".PGC.FixedMagnitudeLimit.Maximum"));
        }
        m_bPgcPoint = IsVisible(ObjectPath(L".PGC.Point"));
    }

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
    DDX_DoubleFmt(pDX, IDC_NBL_MAG_MAX, m_dLimitMagMax, L"%.1f", 5);
    DDX_DoubleFmt(pDX, IDC_NBL_MAG_MIN, m_dLimitMagMin, L"%.1f", 5);
    const auto rows = Rows();
    ExchangeRows(pDX, rows.first(2));
    DDX_DoubleFmt(pDX, IDC_NBL_BRIGHTNESS, m_dImageBrightness, L"%.1f", 3);
    ExchangeRows(pDX, rows.subspan(2));
    DDX_Check(pDX, IDC_NBL_PGC_LIMIT_MAG, m_bPgcLimitMag);
    DDX_DoubleFmt(pDX, IDC_NBL_PGC_MAG_MAX, m_dPgcLimitMagMax, L"%.1f", 5);
    DDX_DoubleFmt(pDX, IDC_NBL_PGC_MAG_MIN, m_dPgcLimitMagMin, L"%.1f", 5);
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
    if (GetScript(&script, FALSE)) CSettingsDialog::OnOK();
}

void CDlgNbl::OnCheckView() {
    SetNgcEnableOrDisable();
    Apply();
}

void CDlgNbl::OnCheckLimitMag() {
    SetNgcEnableOrDisable();
    Apply();
}
