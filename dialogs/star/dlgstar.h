// SPDX-License-Identifier: BSD-3-Clause
// CDlgStar: how the sky engine draws stars. Whether they are shown; the magnitude limit, linked to
// the field of view or a fixed range; size, shape and twinkling of star images; labels and their
// magnitude limit; proper motion; the absolute-magnitude display; which star data is drawn
// (standard data, one extended catalog or automatic switching); and four further overlays.
//
// The class is split by concern: dlgstar.cpp (construction, message map, exchange, opening),
// dlgstar_script.cpp (validation and the script), dlgstar_controls.cpp (magnitude, image and label
// controls, enable rules), dlgstar_catalog.cpp (star data and extended catalogs) and
// dlgstar_customstar.cpp (the custom star-image list).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <map>

#include "framework/magfield.h"
#include "framework/settingsdialog.h"

class ZEM_EXPORT CDlgStar : public CSettingsDialog {
public:
    CDlgStar(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStar(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;

    const CMessageMap* GetMessageMap() const override;
    static zem::SettingRows<CDlgStar> Rows();

    // Whether the named image style "MIRADOファンタジー" is offered. The dialog only reads it; its
    // creator sets it after construction and before the dialog is shown.
    BOOL m_bMiradoStyle = FALSE;

protected:
    static constexpr int kExtCatalogs = 4;
    // The built-in star-image styles of the shape list.
    static constexpr const wchar_t* kRealShape = L"リアル";
    static constexpr const wchar_t* kBlurShape = L"にじみ星";
    static constexpr const wchar_t* kMiradoShape = L"MIRADOファンタジー";
    // Where the rows fall in the reads and the script: the show box, proper motion, twinkling,
    // the three label boxes, and the overlays of the "その他" group.
    static constexpr std::size_t kShowRow = 0, kProperMotionRow = 1, kTwinkleRow = 2, kLabelRows = 3, kOverlayRows = 6;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void InitData();
    void ReadStarSettings();
    CString EditText(UINT id) const {
        CString text;
        GetDlgItemText(static_cast<int>(id), text);
        return text;
    }

    // Validation and script (dlgstar_script.cpp).
    BOOL CheckFields();
    double GetMagUpperBound();
    BOOL AppendCatalogScript(CString& script);

    // Magnitude, image and label controls (dlgstar_controls.cpp).
    void InitSpin(int spinId) { m_mag.InitSpin(spinId); }
    void UpdateMagSpin(int editId, int delta) { m_mag.UpdateMagSpin(editId, delta); }
    void UpdateMagSpin(int editId, int delta, int upper, int lower) { m_mag.UpdateMagSpin(editId, delta, upper, lower); }
    int CheckMagRange(int editId, double upper, double lower, int messageId) {
        return m_mag.CheckMagRange(editId, upper, lower, static_cast<UINT>(messageId));
    }
    void CheckAllMagEditBox();
    double GetDefaultMagValue(int selection);
    void UpdateMagControls();
    void UpdateStarSizeValue();
    void SetEnableOrDisable();
    void SetEnableRules() override { SetEnableOrDisable(); }
    void StepMagField(int editId, NMHDR* pNotify, LRESULT* pResult);
    // Enables the companions of a check box by its state, then applies.
    void EnableCompanions(UINT check, std::initializer_list<UINT> ids);
    // A double rounded down to an int, as the processor converts it (INT_MIN when it does not fit).
    static int RoundDown(double v);
    void Repaint() { SendMessage(WM_PAINT); }

    void OnPaint();
    void OnApply() { Apply(); }
    void OnButtonFont() { OpenColourDialog(); }
    void OnCheckView() { ApplyAndEnable(); }
    void OnRadioAngle();
    void OnRadioFix();
    void OnDeltaposSpinMagAngle(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinLimitMag(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinPMotion(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinDiam(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinTwinkle(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposSpinAbsMagMul(NMHDR* pNotify, LRESULT* pResult);
    void OnButtonMagReset();
    void OnButtonDiamReset();
    void OnBnClickedDspStarCheckTwinkle();
    void OnCheckName();
    void OnCheckLimitMag();
    void OnCheckProperMotion();
    void OnCheckAbsmag();
    void OnCheckJnameView();
    void OnCheckNeighborView();
    void OnCheckPulsarView();
    void OnCheckDistanceView() { Apply(); }

    // Star data and extended catalogs (dlgstar_catalog.cpp).
    void InitExtData();
    void ReadStarCatalogInfo();
    void InitMagBound();
    int SelectedExtCatalog() const;
    void RaiseAutoMagToDefault(int selection);
    void ChangeStarData(int selection, int catalogMode);
    int CheckExtData();
    void UpdateExtDataRadio();
    void UpdateExtdataControls();
    void OnRadioStd();
    void OnRadioExt();
    void OnRadioAuto();
    void ChooseExtData(int catalogMode);
    void OnCbnSelchangeDspStarComboExtdata();
    void OnBnClickedDspStarExtdata();

    // Custom star images (dlgstar_customstar.cpp).
    BOOL GetCustomStarInfo();
    void InitShapeList();
    int FindShape(const CString& text) const;
    void AppendImageStyle(CString& script);
    void OnCbnSelchangeDspStarComboShape() { Apply(); }

    // The settings model.
    BOOL m_bVisible = FALSE;
    int m_nMagMode = 0;            // 0 linked to the field of view, 1 fixed range
    double m_dAutoMagMin = 8.0;
    double m_dFixedMagMax = -2.0;  // bright end
    double m_dFixedMagMin = 8.0;   // faint end
    double m_dSize = 1.0;
    int m_nShape = 0;              // position in the shape list
    BOOL m_bTwinkle = FALSE;
    double m_dTwinkleStrength = 0.5;
    BOOL m_bProperName = FALSE;
    int m_nNameLang = 0;           // 0 Japanese, 1 English
    BOOL m_bBayerLetter = FALSE;
    BOOL m_bFlamsteedNumber = FALSE;
    BOOL m_bMagnitude = FALSE;
    BOOL m_bNameMagLimit = FALSE;
    double m_dNameMagLimit = 8.0;
    BOOL m_bProperMotion = FALSE;
    double m_dProperMotionMag = 0.0;
    BOOL m_bAbsMag = FALSE;
    double m_dAbsMagParsec = 10.0;
    int m_nCatalogMode = -1;       // 0 standard data, 1 extended data, 2 automatic switching
    int m_nExtData = -1;           // position in the extended-data list
    BOOL m_bJapaneseStarNames = FALSE;
    BOOL m_bJapaneseStarNamesName = FALSE;
    BOOL m_bNearbyStars = FALSE;
    BOOL m_bNearbyStarsName = FALSE;
    BOOL m_bDistanceToStars = FALSE;
    BOOL m_bPulsar = FALSE;
    BOOL m_bPulsarName = FALSE;

    // Working state.
    int m_nSize10 = 10;            // the size in tenths; the size edit is written from it
    int m_nMagUpper10 = 141;       // bounds of the five magnitude edits, in tenths
    int m_nMagLower10 = -60;
    int m_nExtDataInit = -1;
    int m_nExtDataCount = 0;
    int m_anExtDataIndex[kExtCatalogs] = {};  // list position -> extended catalog index
    int m_anExtMinMag10[kExtCatalogs] = {};   // extended catalog index -> its limit in tenths
    BOOL m_bExtDataNotified = FALSE;
    BOOL m_bExtDataLocked = FALSE;
    std::map<CString, CString> m_mapCustomStar;  // full file path -> display name

    // Query words of the extended catalogs, by extended catalog index.
    static const wchar_t* const m_aszExtData[kExtCatalogs];

    zem::CMagFields m_mag{*this};
    CQelComboBox m_cmbShape;
    CQelComboBox m_cmbExtData;
};
