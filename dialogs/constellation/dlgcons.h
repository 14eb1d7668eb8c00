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

class ZEM_EXPORT CDlgCons : public CSettingsDialog {
public:
    CDlgCons(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgCons(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgCons> Rows();

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
    void RepaintAndApply();
    void EnableByCheck(UINT target, UINT check);

    void OnPaint();
    void OnCheckName();
    void OnCheckGak();
    void OnCheckShort();
    void OnCheckLine();
    void OnCheckBorder();
    void OnCheckFigure();
    void OnChkSmark();
    void OnChkSmarkName();
    void OnChkNickname();
    void OnChkNicknameName();
    void OnChk28shuku();
    void OnChk28shukuName();
    void OnChk24sekki();
    void OnChk24sekkiName();
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
