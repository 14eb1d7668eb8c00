#include "dialogs/constellation/dlgcons.h"

#include "dialogs/constellation/conspresets.h"
#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_CONS, IDS_HELP_CONS, L"Constellation.Name.Color", ApplyKind::Constellation};

constexpr int kCount = CConsSelection::kCount;

// "Constellation.No%d.Selection" for every item, made once: every Apply sends all 88.
const std::array<CString, kCount>& SelectionPaths() {
    static const std::array<CString, kCount> paths = [] {
        std::array<CString, kCount> p;
        for (int i = 0; i < kCount; ++i) p[static_cast<std::size_t>(i)].Format(L"Constellation.No%d.Selection", i + 1);
        return p;
    }();
    return paths;
}

template <std::size_t N>
int CountOf(const std::array<int, N>&) {
    return static_cast<int>(N);
}

}  // namespace

CDlgCons::CDlgCons(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CSettingsDialog(engine, engine2, parent, kTraits) {}
CDlgCons::CDlgCons(CWnd* parent) : CSettingsDialog(parent, kTraits) {}

const CMessageMap* CDlgCons::GetMessageMap() const {
    using M = MessageMapOf<CDlgCons>;
    static const CMessageMap map(&CQelDialog::ThisMessageMap(), {
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

void CDlgCons::DoDataExchange(CDataExchange* pDX) {
    CQelDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CONS_NAME, m_bName);
    DDX_Check(pDX, IDC_CONS_LATIN_NAME, m_bGak);
    DDX_Check(pDX, IDC_CONS_ABBREVIATION, m_bShort);
    DDX_Check(pDX, IDC_CONS_LINE, m_bLine);
    DDX_Check(pDX, IDC_CONS_BOUNDARY, m_bBorder);
    DDX_Check(pDX, IDC_CONS_PICTURE, m_bFigure);
    DDX_Check(pDX, IDC_CONS_ASTERISM, m_bSmark);
    DDX_Check(pDX, IDC_CONS_ASTERISM_NAME, m_bSmarkName);
    DDX_Check(pDX, IDC_CONS_NICKNAME, m_bNickname);
    DDX_Check(pDX, IDC_CONS_NICKNAME_NAME, m_bNicknameName);
    DDX_Check(pDX, IDC_CONS_CHINESE, m_b28shuku);
    DDX_Check(pDX, IDC_CONS_CHINESE_NAME, m_b28shukuName);
    DDX_Check(pDX, IDC_CONS_CALENDAR, m_b24sekki);
    DDX_Check(pDX, IDC_CONS_CALENDAR_NAME, m_b24sekkiName);
}

void CDlgCons::AttachControls() {
    CQelDialog::AttachControls();
    m_grpCons.Attach(IDC_CONS_GROUP, this);
    m_grpLimit.Attach(IDC_CONS_LIMIT_GROUP, this);
    m_grpSmark.Attach(IDC_CONS_ASTERISM_GROUP, this);
    m_grpNickname.Attach(IDC_CONS_NICKNAME_GROUP, this);
    m_btnColor.Attach(IDC_CONS_COLOR_FONT, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_grp28shuku.Attach(IDC_CONS_CHINESE_GROUP, this);
    m_grp24sekki.Attach(IDC_CONS_CALENDAR_GROUP, this);
    m_cmbFigure.Attach(IDC_CONS_PICTURE_SET, this);
    m_chkName.Attach(IDC_CONS_NAME, this);
    m_chkGak.Attach(IDC_CONS_LATIN_NAME, this);
    m_chkShort.Attach(IDC_CONS_ABBREVIATION, this);
    m_chkLine.Attach(IDC_CONS_LINE, this);
    m_chkBorder.Attach(IDC_CONS_BOUNDARY, this);
    m_chkFigure.Attach(IDC_CONS_PICTURE, this);
    m_chkSmark.Attach(IDC_CONS_ASTERISM, this);
    m_chkSmarkName.Attach(IDC_CONS_ASTERISM_NAME, this);
    m_chkNickname.Attach(IDC_CONS_NICKNAME, this);
    m_chkNicknameName.Attach(IDC_CONS_NICKNAME_NAME, this);
    m_chk28shuku.Attach(IDC_CONS_CHINESE, this);
    m_chk28shukuName.Attach(IDC_CONS_CHINESE_NAME, this);
    m_chk24sekki.Attach(IDC_CONS_CALENDAR, this);
    m_chk24sekkiName.Attach(IDC_CONS_CALENDAR_NAME, this);
    m_lstCons.Attach(IDC_CONS_LIST, this);
    m_btnSpring.Attach(IDC_CONS_SPRING, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnSummer.Attach(IDC_CONS_SUMMER, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnAutumn.Attach(IDC_CONS_AUTUMN, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnWinter.Attach(IDC_CONS_WINTER, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnSouth.Attach(IDC_CONS_SOUTH, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnZodiac.Attach(IDC_CONS_ZODIAC, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnClear.Attach(IDC_CONS_CLEAR_ALL, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnAll.Attach(IDC_CONS_SELECT_ALL, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    // Without themed drawing the check list is drawn classic.
    if (GetThemeFlag() == 0) CQelTheme::SetWindowTheme(m_lstCons.GetSafeHwnd(), L"", L"");
}

BOOL CDlgCons::OnInitDialog() {
    CQelDialog::OnInitDialog();
    AttachControls();
    m_bApplied = FALSE;

    CString query;
    for (int i = 0; i < kCount; ++i) {
        query.Format(L"Constellation.No%d.JapaneseName", i + 1);
        m_astrConsName[static_cast<std::size_t>(i)] = Query(query);
        query.Format(L"Constellation.No%d.Selection", i + 1);
        // The selection alone is read without regard to case.
        m_selection.Set(i, Query(query).CompareNoCase(L"TRUE") == 0);
    }

    m_bName = Query(L"Constellation.JapaneseName.Visible") == L"TRUE";
    m_bGak = Query(L"Constellation.EnglishName.Visible") == L"TRUE";
    m_bShort = Query(L"Constellation.Abbreviation.Visible") == L"TRUE";
    m_bLine = Query(L"Constellation.Line.Visible") == L"TRUE";
    m_bBorder = Query(L"Constellation.Boundary.Visible") == L"TRUE";
    const bool image = Query(L"Constellation.Picture.Image.Visible") == L"TRUE";
    const bool outline = Query(L"Constellation.Picture.Outline.Visible") == L"TRUE";
    m_bFigure = Query(L"Constellation.Picture.Visible") == L"TRUE";
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

    m_bSmark = Query(L"Asterism.Visible") == L"TRUE";
    m_bSmarkName = Query(L"Asterism.name.Visible") == L"TRUE";
    m_bNickname = Query(L"Nickname.Visible") == L"TRUE";
    m_bNicknameName = Query(L"Nickname.Name.Visible") == L"TRUE";
    m_b28shuku = Query(L"ChineseConstellation.Visible") == L"TRUE";
    m_b28shukuName = Query(L"ChineseConstellation.Name.Visible") == L"TRUE";
    m_b24sekki = Query(L"JapaneseCalendar.Visible") == L"TRUE";
    m_b24sekkiName = Query(L"JapaneseCalendar.Name.Visible") == L"TRUE";

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
    CString s;
    for (int i = 0; i < kCount; ++i) s += GetScriptBool(paths[static_cast<std::size_t>(i)], m_selection.Test(i));
    s += GetScriptBool(L"Constellation.JapaneseName.Visible", m_bName);
    s += GetScriptBool(L"Constellation.EnglishName.Visible", m_bGak);
    s += GetScriptBool(L"Constellation.Abbreviation.Visible", m_bShort);
    s += GetScriptBool(L"Constellation.Line.Visible", m_bLine);
    s += GetScriptBool(L"Constellation.Boundary.Visible", m_bBorder);

    m_nFigure = m_cmbFigure.GetCurSel();
    // Pictures are always sent as images: an outline mode read at opening is not given back.
    s += GetScriptBool(L"Constellation.Picture.Image.Visible", TRUE);
    s += GetScriptBool(L"Constellation.Picture.Outline.Visible", FALSE);
    // Without a valid set (none installed) the file is left as the engine has it.
    CString file;
    if (m_nFigure >= 0 && m_nFigure < static_cast<int>(m_aCnsPicInfo.size())) {
        file.Format(L"%s", m_aCnsPicInfo[static_cast<std::size_t>(m_nFigure)].strFile);
        s.AppendFormat(L"Constellation.Picture.Image.File = \"%s\";", file);
    }
    s += GetScriptBool(L"Constellation.Picture.Visible", m_bFigure);

    s += GetScriptBool(L"Asterism.Visible", m_bSmark);
    s += GetScriptBool(L"Asterism.Name.Visible", m_bSmarkName);
    s += GetScriptBool(L"Nickname.Visible", m_bNickname);
    s += GetScriptBool(L"Nickname.Name.Visible", m_bNicknameName);
    s += GetScriptBool(L"ChineseConstellation.Visible", m_b28shuku);
    s += GetScriptBool(L"ChineseConstellation.Name.Visible", m_b28shukuName);
    s += GetScriptBool(L"JapaneseCalendar.Visible", m_b24sekki);
    s += GetScriptBool(L"JapaneseCalendar.Name.Visible", m_b24sekkiName);

    m_strFigureFile = file;
    *script = s;
    return TRUE;
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

void CDlgCons::OnSelconsButtonSpring() {
    SelectListedCons(cons_presets::kSpring.data(), CountOf(cons_presets::kSpring));
    Apply();
}

void CDlgCons::OnSelconsButtonSummer() {
    SelectListedCons(cons_presets::kSummer.data(), CountOf(cons_presets::kSummer));
    Apply();
}

void CDlgCons::OnSelconsButtonAutumn() {
    SelectListedCons(cons_presets::kAutumn.data(), CountOf(cons_presets::kAutumn));
    Apply();
}

void CDlgCons::OnSelconsButtonWinter() {
    SelectListedCons(cons_presets::kWinter.data(), CountOf(cons_presets::kWinter));
    Apply();
}

void CDlgCons::OnSelconsButtonSouth() {
    SelectListedCons(cons_presets::kSouth.data(), CountOf(cons_presets::kSouth));
    Apply();
}

void CDlgCons::OnSelconsButtonZodiac() {
    SelectListedCons(cons_presets::kZodiac.data(), CountOf(cons_presets::kZodiac));
    Apply();
}

void CDlgCons::OnSelconsButtonAll() {
    SetAllChecks(1);
    Apply();
}

void CDlgCons::OnSelconsButtonClear() {
    SetAllChecks(0);
    Apply();
}
