// SPDX-License-Identifier: BSD-3-Clause
// CDlgCons: constellation names, lines, boundaries and pictures; asterisms, nicknames, Chinese
// constellations and the Japanese-calendar solar longitudes; which of the 88 constellations are
// drawn (by hand or with presets); and the constellation-picture set.
#pragma once

#include <array>
#include <vector>

#include "companions/zemcst/qellistboxcheck.h"
#include "companions/zemdcm/cnspic.h"
#include "dialogs/constellation/consselection.h"
#include "framework/settingsdialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgCons : public CSettingsDialog {
public:
    CDlgCons(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgCons(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();

    // The switches, in exchange order: the names, lines and boundaries; the pictures' switch,
    // read after the picture mode; the related figures. The script puts the pictures' statements
    // between the first group and the second.
    enum RowGroup : unsigned char { kNames, kPicture, kFigures };
    static zem::SettingRows<CDlgCons> Rows();
    static zem::SettingRows<CDlgCons> Rows(RowGroup group);
    // What the dialog reads and writes by hand, by control.
    static zem::HandSettings HandSettings();

    using D = CDlgCons;
    static const zem::SettingRow<D> kRows[];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;

    BOOL InitCnsPicInfo();
    void SelectListedCons(const int* items, int count);
    // A preset's handler: select its constellations, then apply.
    template <std::size_t N>
    void ApplyPreset(const std::array<int, N>& items) {
        SelectListedCons(items.data(), static_cast<int>(N));
        Apply();
    }
    void SyncCheckboxState();
    void SetAllChecks(int check);

    void OnPaint();
    void OnButtonColor();
    void OnCbnSelchangeDspCnsComboFigure();
    void OnChangeCheckboxState();
    LRESULT OnCLBNCheckChange(WPARAM wParam, LPARAM lParam);
    void OnSelconsButtonSpring();
    void OnSelconsButtonSummer();
    void OnSelconsButtonAutumn();
    void OnSelconsButtonWinter();
    void OnSelconsButtonSouth();
    void OnSelconsButtonZodiac();
    void OnSelconsButtonAll();
    void OnSelconsButtonClear();

    BOOL m_bName = FALSE;          // Japanese name
    BOOL m_bGak = FALSE;           // Latin name
    BOOL m_bShort = FALSE;         // abbreviation
    BOOL m_bLine = FALSE;
    BOOL m_bBorder = FALSE;
    BOOL m_bFigure = FALSE;        // pictures
    int m_nFigure = 0;             // picture set index (the combo's selection)
    BOOL m_bSmark = FALSE;         // asterisms
    BOOL m_bSmarkName = FALSE;
    BOOL m_bNickname = FALSE;
    BOOL m_bNicknameName = FALSE;
    BOOL m_b28shuku = FALSE;       // Chinese constellations
    BOOL m_b28shukuName = FALSE;
    BOOL m_b24sekki = FALSE;       // Japanese calendar
    BOOL m_b24sekkiName = FALSE;

    CConsSelection m_selection;
    std::array<CString, CConsSelection::kCount> m_astrConsName;
    std::vector<tagCnsPicInfo> m_aCnsPicInfo;
    CString m_strFigureFile;       // the file the last script carried (empty without a set)

    CQelComboBox m_cmbFigure;
    CQelListBoxCheck m_lstCons;
};

// A click on a name, line or boundary box repaints the dialog before it applies; a show box
// enables its name box.
inline constexpr zem::SettingRow<CDlgCons> CDlgCons::kRows[] = {
    {IDC_CONS_NAME, &D::m_bName, L"Constellation.JapaneseName.Visible", L"Constellation.JapaneseName.Visible",
     zem::Click::RepaintApply},
    {IDC_CONS_LATIN_NAME, &D::m_bGak, L"Constellation.EnglishName.Visible", L"Constellation.EnglishName.Visible",
     zem::Click::RepaintApply},
    {IDC_CONS_ABBREVIATION, &D::m_bShort, L"Constellation.Abbreviation.Visible", L"Constellation.Abbreviation.Visible",
     zem::Click::RepaintApply},
    {IDC_CONS_LINE, &D::m_bLine, L"Constellation.Line.Visible", L"Constellation.Line.Visible", zem::Click::RepaintApply},
    {IDC_CONS_BOUNDARY, &D::m_bBorder, L"Constellation.Boundary.Visible", L"Constellation.Boundary.Visible",
     zem::Click::RepaintApply},
    {IDC_CONS_PICTURE, &D::m_bFigure, L"Constellation.Picture.Visible", L"Constellation.Picture.Visible",
     zem::Click::RepaintApply, {IDC_CONS_PICTURE_SET}, D::kPicture},
    {IDC_CONS_ASTERISM, &D::m_bSmark, L"Asterism.Visible", L"Asterism.Visible", zem::Click::Apply,
     {IDC_CONS_ASTERISM_NAME}, D::kFigures},
    {IDC_CONS_ASTERISM_NAME, &D::m_bSmarkName, L"Asterism.name.Visible", L"Asterism.Name.Visible", zem::Click::Apply,
     {}, D::kFigures},
    {IDC_CONS_NICKNAME, &D::m_bNickname, L"Nickname.Visible", L"Nickname.Visible", zem::Click::Apply,
     {IDC_CONS_NICKNAME_NAME}, D::kFigures},
    {IDC_CONS_NICKNAME_NAME, &D::m_bNicknameName, L"Nickname.Name.Visible", L"Nickname.Name.Visible",
     zem::Click::Apply, {}, D::kFigures},
    {IDC_CONS_CHINESE, &D::m_b28shuku, L"ChineseConstellation.Visible", L"ChineseConstellation.Visible",
     zem::Click::Apply, {IDC_CONS_CHINESE_NAME}, D::kFigures},
    {IDC_CONS_CHINESE_NAME, &D::m_b28shukuName, L"ChineseConstellation.Name.Visible",
     L"ChineseConstellation.Name.Visible", zem::Click::Apply, {}, D::kFigures},
    {IDC_CONS_CALENDAR, &D::m_b24sekki, L"JapaneseCalendar.Visible", L"JapaneseCalendar.Visible", zem::Click::Apply,
     {IDC_CONS_CALENDAR_NAME}, D::kFigures},
    {IDC_CONS_CALENDAR_NAME, &D::m_b24sekkiName, L"JapaneseCalendar.Name.Visible", L"JapaneseCalendar.Name.Visible",
     zem::Click::Apply, {}, D::kFigures},
};

inline zem::SettingRows<CDlgCons> CDlgCons::Rows() { return kRows; }

inline zem::SettingRows<CDlgCons> CDlgCons::Rows(RowGroup group) {
    static constexpr auto groups = zem::Groups<3>(kRows);
    return groups[group];
}
