// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/constellation/dlgcons.h"

#include "dialogs/constellation/conspresets.h"

using namespace std::string_view_literals;

namespace {

const DialogTraits kTraits{IDD_DSP_CONS, IDS_HELP_CONS, L"Constellation.Name.Color", ApplyKind::Constellation};

constexpr int kCount = CConsSelection::kCount;

// "Constellation.No%d.<what>" for every item, made once: every opening asks all 88 and every
// Apply sends all 88 selections.
std::array<CString, kCount> NumberedPaths(const wchar_t* what) {
    std::array<CString, kCount> p;
    for (int i = 0; i < kCount; ++i) p[static_cast<std::size_t>(i)].Format(L"Constellation.No%d.%s", i + 1, what);
    return p;
}

const std::array<CString, kCount>& SelectionPaths() {
    static const std::array<CString, kCount> paths = NumberedPaths(L"Selection");
    return paths;
}

const std::array<CString, kCount>& NamePaths() {
    static const std::array<CString, kCount> paths = NumberedPaths(L"JapaneseName");
    return paths;
}

}  // namespace

CDlgCons::CDlgCons(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CSettingsDialog(engine, engine2, parent, kTraits) {}
CDlgCons::CDlgCons(CWnd* parent) : CSettingsDialog(parent, kTraits) {}

const DialogTraits& CDlgCons::Traits() { return kTraits; }

zem::HandSettings CDlgCons::HandSettings() {
    static constexpr zem::HandSetting settings[] = {
        {IDC_CONS_PICTURE_SET,
         L"Constellation.Picture.Image.Visible;Constellation.Picture.Outline.Visible;Constellation.Picture.Image.File",
         L"Constellation.Picture.Image.Visible;Constellation.Picture.Outline.Visible;Constellation.Picture.Image.File"},
        {IDC_CONS_LIST, L"Constellation.No%d.JapaneseName;Constellation.No%d.Selection", L"Constellation.No%d.Selection",
         kCount},
    };
    return settings;
}

const CMessageMap* CDlgCons::GetMessageMap() const {
    using M = MessageMapOf<CDlgCons>;
    static const CMessageMap map = MapWithRows<D>(CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_CONS_COLOR_FONT, &D::OnButtonColor),
        M::OnCbnSelchange(IDC_CONS_PICTURE_SET, &D::OnCbnSelchangeDspCnsComboFigure),
        M::OnCommand(CQelListBoxCheck::kCheckChange, IDC_CONS_LIST, &D::OnChangeCheckboxState),
        M::OnMessage(CQelListBoxCheck::kCheckChangeMessage, &D::OnCLBNCheckChange),
        M::OnBnClicked(IDC_CONS_SPRING, &D::OnSelconsButtonSpring),
        M::OnBnClicked(IDC_CONS_SUMMER, &D::OnSelconsButtonSummer),
        M::OnBnClicked(IDC_CONS_AUTUMN, &D::OnSelconsButtonAutumn),
        M::OnBnClicked(IDC_CONS_WINTER, &D::OnSelconsButtonWinter),
        M::OnBnClicked(IDC_CONS_SOUTH, &D::OnSelconsButtonSouth),
        M::OnBnClicked(IDC_CONS_ZODIAC, &D::OnSelconsButtonZodiac),
        M::OnBnClicked(IDC_CONS_SELECT_ALL, &D::OnSelconsButtonAll),
        M::OnBnClicked(IDC_CONS_CLEAR_ALL, &D::OnSelconsButtonClear),
        M::OnPaint(&D::OnPaint),
    });
    return &map;
}

void CDlgCons::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    ExchangeRows(pDX, Rows());
}

void CDlgCons::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow controls[] = {
        {Ctl::GroupBox, IDC_CONS_GROUP},          {Ctl::GroupBox, IDC_CONS_LIMIT_GROUP},
        {Ctl::GroupBox, IDC_CONS_ASTERISM_GROUP}, {Ctl::GroupBox, IDC_CONS_NICKNAME_GROUP},
        {Ctl::Button, IDC_CONS_COLOR_FONT},       {Ctl::GroupBox, IDC_CONS_CHINESE_GROUP},
        {Ctl::GroupBox, IDC_CONS_CALENDAR_GROUP}, {Ctl::Button, IDC_CONS_SPRING},
        {Ctl::Button, IDC_CONS_SUMMER},           {Ctl::Button, IDC_CONS_AUTUMN},
        {Ctl::Button, IDC_CONS_WINTER},           {Ctl::Button, IDC_CONS_SOUTH},
        {Ctl::Button, IDC_CONS_ZODIAC},           {Ctl::Button, IDC_CONS_CLEAR_ALL},
        {Ctl::Button, IDC_CONS_SELECT_ALL},
    };
    AttachTable(controls);
    AttachRows(Rows());
    m_cmbFigure.Attach(IDC_CONS_PICTURE_SET, this);
    m_lstCons.Attach(IDC_CONS_LIST, this);
    // Without themed drawing the check list is drawn classic.
    if (GetThemeFlag() == 0) CQelTheme::SetWindowTheme(m_lstCons.GetSafeHwnd(), L"", L"");
}

BOOL CDlgCons::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    AttachControls();
    m_bApplied = FALSE;

    for (int i = 0; i < kCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_astrConsName[k] = Query(NamePaths()[k]);
        // The selection alone is read without regard to case.
        m_selection.Set(i, Query(SelectionPaths()[k]).CompareNoCase(L"TRUE") == 0);
    }

    ReadRows(Rows(kNames));
    const bool image = Query(L"Constellation.Picture.Image.Visible") == L"TRUE";
    const bool outline = Query(L"Constellation.Picture.Outline.Visible") == L"TRUE";
    ReadRows(Rows(kPicture));

    InitCnsPicInfo();
    for (const auto& info : m_aCnsPicInfo) m_cmbFigure.AddString(info.strName);
    if (outline) {
        m_nFigure = 0;
    } else if (image) {
        const CString file = Query(L"Constellation.Picture.Image.File");
        for (std::size_t i = 0; i < m_aCnsPicInfo.size(); ++i) {
            if (m_aCnsPicInfo[i].strFile.CompareNoCase(file) == 0) {
                m_nFigure = static_cast<int>(i);
                break;
            }
        }
    }
    m_cmbFigure.SetCurSel(m_nFigure);  // no selection when there is no set

    m_lstCons.InitStorage(kCount, 0);
    for (int i = 0; i < kCount; ++i) {
        m_lstCons.InsertString(-1, m_astrConsName[static_cast<std::size_t>(i)]);
        m_lstCons.SetCheck(i, m_selection.Test(i) ? 1 : 0);
    }
    m_lstCons.SendMessage(LB_SETCARETINDEX, 0, 0);

    ReadRows(Rows(kFigures));

    UpdateData(FALSE);
    EnableCompanions(Rows());
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgCons::InitCnsPicInfo() {
    CCnsPic enumerator;
    tagCnsPicInfo info;
    while (enumerator.EnumInfo(&info)) m_aCnsPicInfo.push_back(info);
    return TRUE;
}

BOOL CDlgCons::GetScript(CString* script) {
    UpdateData(TRUE);
    SyncCheckboxState();

    const auto& paths = SelectionPaths();
    CString s = StartScript();
    for (int i = 0; i < kCount; ++i) AppendScriptBool(s, {paths[static_cast<std::size_t>(i)].str()}, m_selection.Test(i));
    AppendRows(s, Rows(kNames));

    m_nFigure = m_cmbFigure.GetCurSel();
    // Pictures are always sent as images: an outline mode read at opening is not given back.
    AppendScriptBool(s, L"Constellation.Picture.Image.Visible"sv, TRUE);
    AppendScriptBool(s, L"Constellation.Picture.Outline.Visible"sv, FALSE);
    // Without a valid set (none installed) the file is left as the engine has it.
    if (m_nFigure >= 0 && m_nFigure < static_cast<int>(m_aCnsPicInfo.size())) {
        const CString& file = m_aCnsPicInfo[static_cast<std::size_t>(m_nFigure)].strFile;
        s += L"Constellation.Picture.Image.File = \""sv;
        s += file;
        s += L"\";"sv;
        m_strFigureFile = file;
    } else {
        m_strFigureFile.Empty();
    }
    AppendRows(s, Rows(kPicture));
    AppendRows(s, Rows(kFigures));

    return FinishScript(s, script);
}

void CDlgCons::SyncCheckboxState() {
    for (int i = 0; i < kCount; ++i) m_selection.Set(i, m_lstCons.GetCheck(i) != 0);
}

// A preset replaces the selection when everything was selected (nothing was limited yet), and
// otherwise adds to it.
void CDlgCons::SelectListedCons(const int* items, int count) {
    if (m_selection.IsAllSet()) {
        m_selection.ClearAll();
        for (int i = 0; i < kCount; ++i) m_lstCons.SetCheck(i, m_selection.Test(i) ? 1 : 0);
    }
    for (int k = 0; k < count; ++k) m_lstCons.SetCheck(items[k], 1);
    SyncCheckboxState();
}

void CDlgCons::SetAllChecks(int check) {
    for (int i = 0; i < kCount; ++i) m_lstCons.SetCheck(i, check);
    SyncCheckboxState();
}

void CDlgCons::OnPaint() {
    CQelDialog::OnPaint();
    CPaintDC dc(this);
}

void CDlgCons::OnButtonColor() { OpenColourDialog(); }

void CDlgCons::OnCbnSelchangeDspCnsComboFigure() {
    m_nFigure = m_cmbFigure.GetCurSel();
    Apply();
}

void CDlgCons::OnChangeCheckboxState() {
    SyncCheckboxState();
    Apply();
}

LRESULT CDlgCons::OnCLBNCheckChange(WPARAM, LPARAM) {
    SyncCheckboxState();
    Apply();
    return 0;
}

void CDlgCons::OnSelconsButtonSpring() { ApplyPreset(cons_presets::kSpring); }
void CDlgCons::OnSelconsButtonSummer() { ApplyPreset(cons_presets::kSummer); }
void CDlgCons::OnSelconsButtonAutumn() { ApplyPreset(cons_presets::kAutumn); }
void CDlgCons::OnSelconsButtonWinter() { ApplyPreset(cons_presets::kWinter); }
void CDlgCons::OnSelconsButtonSouth() { ApplyPreset(cons_presets::kSouth); }
void CDlgCons::OnSelconsButtonZodiac() { ApplyPreset(cons_presets::kZodiac); }

void CDlgCons::OnSelconsButtonAll() {
    SetAllChecks(1);
    Apply();
}

void CDlgCons::OnSelconsButtonClear() {
    SetAllChecks(0);
    Apply();
}
