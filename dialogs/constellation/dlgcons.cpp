// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/constellation/dlgcons.h"

#include "dialogs/constellation/conspresets.h"
#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_CONS, IDS_HELP_CONS, L"Constellation.Name.Color", ApplyKind::Constellation};

constexpr int kCount = CConsSelection::kCount;
constexpr std::size_t kSwitches = 5;  // the first rows: names, lines and boundaries

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

const CMessageMap* CDlgCons::GetMessageMap() const {
    using M = MessageMapOf<CDlgCons>;
    static const CMessageMap map(&CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_CONS_NAME, &CDlgCons::OnCheckName),
        M::OnBnClicked(IDC_CONS_LATIN_NAME, &CDlgCons::OnCheckGak),
        M::OnBnClicked(IDC_CONS_ABBREVIATION, &CDlgCons::OnCheckShort),
        M::OnBnClicked(IDC_CONS_LINE, &CDlgCons::OnCheckLine),
        M::OnBnClicked(IDC_CONS_BOUNDARY, &CDlgCons::OnCheckBorder),
        M::OnBnClicked(IDC_CONS_PICTURE, &CDlgCons::OnCheckFigure),
        M::OnBnClicked(IDC_CONS_ASTERISM, &CDlgCons::OnChkSmark),
        M::OnBnClicked(IDC_CONS_ASTERISM_NAME, &CDlgCons::OnChkSmarkName),
        M::OnBnClicked(IDC_CONS_NICKNAME, &CDlgCons::OnChkNickname),
        M::OnBnClicked(IDC_CONS_NICKNAME_NAME, &CDlgCons::OnChkNicknameName),
        M::OnBnClicked(IDC_CONS_CHINESE, &CDlgCons::OnChk28shuku),
        M::OnBnClicked(IDC_CONS_CHINESE_NAME, &CDlgCons::OnChk28shukuName),
        M::OnBnClicked(IDC_CONS_CALENDAR, &CDlgCons::OnChk24sekki),
        M::OnBnClicked(IDC_CONS_CALENDAR_NAME, &CDlgCons::OnChk24sekkiName),
        M::OnBnClicked(IDC_CONS_COLOR_FONT, &CDlgCons::OnButtonColor),
        M::OnCbnSelchange(IDC_CONS_PICTURE_SET, &CDlgCons::OnCbnSelchangeDspCnsComboFigure),
        M::OnCommand(CQelListBoxCheck::kCheckChange, IDC_CONS_LIST, &CDlgCons::OnChangeCheckboxState),
        M::OnMessage(CQelListBoxCheck::kCheckChangeMessage, &CDlgCons::OnCLBNCheckChange),
        M::OnBnClicked(IDC_CONS_SPRING, &CDlgCons::OnSelconsButtonSpring),
        M::OnBnClicked(IDC_CONS_SUMMER, &CDlgCons::OnSelconsButtonSummer),
        M::OnBnClicked(IDC_CONS_AUTUMN, &CDlgCons::OnSelconsButtonAutumn),
        M::OnBnClicked(IDC_CONS_WINTER, &CDlgCons::OnSelconsButtonWinter),
        M::OnBnClicked(IDC_CONS_SOUTH, &CDlgCons::OnSelconsButtonSouth),
        M::OnBnClicked(IDC_CONS_ZODIAC, &CDlgCons::OnSelconsButtonZodiac),
        M::OnBnClicked(IDC_CONS_SELECT_ALL, &CDlgCons::OnSelconsButtonAll),
        M::OnBnClicked(IDC_CONS_CLEAR_ALL, &CDlgCons::OnSelconsButtonClear),
        M::OnPaint(&CDlgCons::OnPaint),
    });
    return &map;
}

// The switches, in exchange order: the names, lines and boundaries; the pictures' switch; the
// related figures. The script puts the pictures' statements between the first and the second.
zem::SettingRows<CDlgCons> CDlgCons::Rows() {
    using D = CDlgCons;
    static const zem::SettingRow<D> rows[] = {
        {IDC_CONS_NAME, &D::m_bName, L"Constellation.JapaneseName.Visible", L"Constellation.JapaneseName.Visible"},
        {IDC_CONS_LATIN_NAME, &D::m_bGak, L"Constellation.EnglishName.Visible", L"Constellation.EnglishName.Visible"},
        {IDC_CONS_ABBREVIATION, &D::m_bShort, L"Constellation.Abbreviation.Visible", L"Constellation.Abbreviation.Visible"},
        {IDC_CONS_LINE, &D::m_bLine, L"Constellation.Line.Visible", L"Constellation.Line.Visible"},
        {IDC_CONS_BOUNDARY, &D::m_bBorder, L"Constellation.Boundary.Visible", L"Constellation.Boundary.Visible"},
        {IDC_CONS_PICTURE, &D::m_bFigure, L"Constellation.Picture.Visible", L"Constellation.Picture.Visible"},
        {IDC_CONS_ASTERISM, &D::m_bSmark, L"Asterism.Visible", L"Asterism.Visible"},
        {IDC_CONS_ASTERISM_NAME, &D::m_bSmarkName, L"Asterism.name.Visible", L"Asterism.Name.Visible"},
        {IDC_CONS_NICKNAME, &D::m_bNickname, L"Nickname.Visible", L"Nickname.Visible"},
        {IDC_CONS_NICKNAME_NAME, &D::m_bNicknameName, L"Nickname.Name.Visible", L"Nickname.Name.Visible"},
        {IDC_CONS_CHINESE, &D::m_b28shuku, L"ChineseConstellation.Visible", L"ChineseConstellation.Visible"},
        {IDC_CONS_CHINESE_NAME, &D::m_b28shukuName, L"ChineseConstellation.Name.Visible",
         L"ChineseConstellation.Name.Visible"},
        {IDC_CONS_CALENDAR, &D::m_b24sekki, L"JapaneseCalendar.Visible", L"JapaneseCalendar.Visible"},
        {IDC_CONS_CALENDAR_NAME, &D::m_b24sekkiName, L"JapaneseCalendar.Name.Visible", L"JapaneseCalendar.Name.Visible"},
    };
    return zem::Rows(rows);
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
        {Ctl::GroupBox, IDC_CONS_CALENDAR_GROUP}, {Ctl::CheckBox, IDC_CONS_NAME},
        {Ctl::CheckBox, IDC_CONS_LATIN_NAME},     {Ctl::CheckBox, IDC_CONS_ABBREVIATION},
        {Ctl::CheckBox, IDC_CONS_LINE},           {Ctl::CheckBox, IDC_CONS_BOUNDARY},
        {Ctl::CheckBox, IDC_CONS_PICTURE},        {Ctl::CheckBox, IDC_CONS_ASTERISM},
        {Ctl::CheckBox, IDC_CONS_ASTERISM_NAME},  {Ctl::CheckBox, IDC_CONS_NICKNAME},
        {Ctl::CheckBox, IDC_CONS_NICKNAME_NAME},  {Ctl::CheckBox, IDC_CONS_CHINESE},
        {Ctl::CheckBox, IDC_CONS_CHINESE_NAME},   {Ctl::CheckBox, IDC_CONS_CALENDAR},
        {Ctl::CheckBox, IDC_CONS_CALENDAR_NAME},  {Ctl::Button, IDC_CONS_SPRING},
        {Ctl::Button, IDC_CONS_SUMMER},           {Ctl::Button, IDC_CONS_AUTUMN},
        {Ctl::Button, IDC_CONS_WINTER},           {Ctl::Button, IDC_CONS_SOUTH},
        {Ctl::Button, IDC_CONS_ZODIAC},           {Ctl::Button, IDC_CONS_CLEAR_ALL},
        {Ctl::Button, IDC_CONS_SELECT_ALL},
    };
    AttachTable(controls);
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

    const auto rows = Rows();
    ReadRows(rows.first(kSwitches));
    const bool image = Query(L"Constellation.Picture.Image.Visible") == L"TRUE";
    const bool outline = Query(L"Constellation.Picture.Outline.Visible") == L"TRUE";
    ReadRows(rows.subspan(kSwitches, 1));
    m_cmbFigure.EnableWindow(m_bFigure);

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

    for (int i = 0; i < kCount; ++i) {
        m_lstCons.InsertString(-1, m_astrConsName[static_cast<std::size_t>(i)]);
        m_lstCons.SetCheck(i, m_selection.Test(i) ? 1 : 0);
    }
    m_lstCons.SendMessage(LB_SETCARETINDEX, 0, 0);

    ReadRows(rows.subspan(kSwitches + 1));

    UpdateData(FALSE);
    EnableItem(IDC_CONS_ASTERISM_NAME, m_bSmark);
    EnableItem(IDC_CONS_NICKNAME_NAME, m_bNickname);
    EnableItem(IDC_CONS_CHINESE_NAME, m_b28shuku);
    EnableItem(IDC_CONS_CALENDAR_NAME, m_b24sekki);
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
    const auto rows = Rows();
    CString s = StartScript();
    for (int i = 0; i < kCount; ++i) AppendScriptBool(s, paths[static_cast<std::size_t>(i)], m_selection.Test(i));
    AppendRows(s, rows.first(kSwitches));

    m_nFigure = m_cmbFigure.GetCurSel();
    // Pictures are always sent as images: an outline mode read at opening is not given back.
    AppendScriptBool(s, L"Constellation.Picture.Image.Visible", TRUE);
    AppendScriptBool(s, L"Constellation.Picture.Outline.Visible", FALSE);
    // Without a valid set (none installed) the file is left as the engine has it.
    CString file;
    if (m_nFigure >= 0 && m_nFigure < static_cast<int>(m_aCnsPicInfo.size())) {
        file = m_aCnsPicInfo[static_cast<std::size_t>(m_nFigure)].strFile;
        s += L"Constellation.Picture.Image.File = \"";
        s += file;
        s += L"\";";
    }
    AppendRows(s, rows.subspan(kSwitches));

    m_strFigureFile = file;
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

void CDlgCons::RepaintAndApply() {
    SendMessage(WM_PAINT);
    Apply();
}

void CDlgCons::EnableByCheck(UINT target, UINT check) {
    EnableItem(target, IsDlgButtonChecked(static_cast<int>(check)) == BST_CHECKED);
}

void CDlgCons::OnPaint() {
    CQelDialog::OnPaint();
    CPaintDC dc(this);
}

void CDlgCons::OnCheckName() { RepaintAndApply(); }
void CDlgCons::OnCheckGak() { RepaintAndApply(); }
void CDlgCons::OnCheckShort() { RepaintAndApply(); }
void CDlgCons::OnCheckLine() { RepaintAndApply(); }
void CDlgCons::OnCheckBorder() { RepaintAndApply(); }

void CDlgCons::OnCheckFigure() {
    EnableByCheck(IDC_CONS_PICTURE_SET, IDC_CONS_PICTURE);
    RepaintAndApply();
}

void CDlgCons::OnChkSmark() {
    EnableByCheck(IDC_CONS_ASTERISM_NAME, IDC_CONS_ASTERISM);
    Apply();
}

void CDlgCons::OnChkNickname() {
    EnableByCheck(IDC_CONS_NICKNAME_NAME, IDC_CONS_NICKNAME);
    Apply();
}

void CDlgCons::OnChk28shuku() {
    EnableByCheck(IDC_CONS_CHINESE_NAME, IDC_CONS_CHINESE);
    Apply();
}

void CDlgCons::OnChk24sekki() {
    EnableByCheck(IDC_CONS_CALENDAR_NAME, IDC_CONS_CALENDAR);
    Apply();
}

void CDlgCons::OnChkSmarkName() { Apply(); }
void CDlgCons::OnChkNicknameName() { Apply(); }
void CDlgCons::OnChk28shukuName() { Apply(); }
void CDlgCons::OnChk24sekkiName() { Apply(); }

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
