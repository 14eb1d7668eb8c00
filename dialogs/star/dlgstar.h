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

#include <initializer_list>
#include <map>

#include "dialogs/star/starcatalogs.h"
#include "framework/magfield.h"
#include "framework/settingsdialog.h"
#include "resources/resource_ids.h"

class ZEM_EXPORT CDlgStar : public CSettingsDialog {
public:
    CDlgStar(CCorQel* engine, CCorQel* engine2, CWnd* parent);
    explicit CDlgStar(CWnd* parent = nullptr);

    BOOL GetScript(CString* script) override;

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();

    // The check boxes, in the order of the exchange; each group is read and written where the
    // reads and the script take it: the show box, proper motion, twinkling, the labels (the
    // proper-name and label-limit boxes are the dialog's own), and the "その他" group.
    enum RowGroup : unsigned char { kShow, kProperMotion, kTwinkle, kLabels, kOverlays };
    static zem::SettingRows<CDlgStar> Rows();
    static zem::SettingRows<CDlgStar> Rows(RowGroup group);
    // The edits with their up-down controls, in the order of the exchange.
    static zem::NumberRows<CDlgStar> Numbers();
    // What the dialog reads and writes by hand, by control.
    static zem::HandSettings HandSettings();

    using D = CDlgStar;
    static const zem::SettingRow<D> kRows[];
    static const zem::NumberRow<D> kNumbers[];
    // A row or number row by its control, found when the dialog is compiled.
    static consteval const zem::SettingRow<D>& Row(UINT control);
    static consteval const zem::NumberRow<D>& Number(UINT edit);

    // Whether the named image style "MIRADOファンタジー" is offered. The dialog only reads it; its
    // creator sets it after construction and before the dialog is shown.
    BOOL m_bMiradoStyle = FALSE;

protected:
    // The built-in star-image styles of the shape list.
    static constexpr const wchar_t* kRealShape = L"リアル";
    static constexpr const wchar_t* kBlurShape = L"にじみ星";
    static constexpr const wchar_t* kMiradoShape = L"MIRADOファンタジー";

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void InitData();
    void ReadStarSettings();

    // Validation and script (dlgstar_script.cpp).
    BOOL CheckFields();
    double GetMagUpperBound();
    BOOL AppendCatalogScript(CString& script);

    // Magnitude, image and label controls (dlgstar_controls.cpp).
    void UpdateMagSpin(int editId, int delta) { m_mag.UpdateMagSpin(editId, delta); }
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
    using CSettingsDialog::EnableCompanions;
    // A double rounded down to an int, as the processor converts it (INT_MIN when it does not fit).
    static int RoundDown(double v);
    void Repaint() { SendMessage(WM_PAINT); }

    void OnPaint();
    void OnApply() { Apply(); }
    void OnButtonFont() { OpenColourDialog(); }
    // Either radio of the magnitude mode.
    void OnRadioAngle();
    void OnRadioFix() { OnRadioAngle(); }
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
    void OnCheckAbsmag();

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

    // The settings model; the numbers take their rows' defaults when the dialog is made.
    BOOL m_bVisible = FALSE;
    int m_nMagMode = 0;            // 0 linked to the field of view, 1 fixed range
    double m_dAutoMagMin;
    double m_dFixedMagMax;         // bright end
    double m_dFixedMagMin;         // faint end
    double m_dSize;
    int m_nShape = 0;              // position in the shape list
    BOOL m_bTwinkle = FALSE;
    double m_dTwinkleStrength;
    BOOL m_bProperName = FALSE;
    int m_nNameLang = 0;           // 0 Japanese, 1 English
    BOOL m_bBayerLetter = FALSE;
    BOOL m_bFlamsteedNumber = FALSE;
    BOOL m_bMagnitude = FALSE;
    BOOL m_bNameMagLimit = FALSE;
    double m_dNameMagLimit;
    BOOL m_bProperMotion = FALSE;
    double m_dProperMotionMag;
    BOOL m_bAbsMag = FALSE;
    double m_dAbsMagParsec;
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
    int m_nSize10 = 0;             // the size in tenths; the size edit is written from it
    CStarCatalogs m_catalogs;      // the extended-data list, the limits and the magnitude bounds
    int m_nExtDataInit = -1;
    BOOL m_bExtDataNotified = FALSE;
    BOOL m_bExtDataLocked = FALSE;
    std::map<CString, CString> m_mapCustomStar;  // full file path -> display name
    CString m_strMiradoDefault;    // the registry's answer, read on every image reset into its room

    zem::CMagFields m_mag{*this};
    CQelComboBox m_cmbShape;
    CQelComboBox m_cmbExtData;
};

// The twinkle box's handler is its own: it keeps the member in step with the box. The "その他"
// boxes stay usable while stars are hidden; a box no other row enables is a show box there.
inline constexpr zem::SettingRow<CDlgStar> CDlgStar::kRows[] = {
    {IDC_STAR_VISIBLE, &D::m_bVisible, L"Star.Visible", L"Star.Visible", zem::Click::ApplyEnable},
    {IDC_STAR_PROPER_MOTION, &D::m_bProperMotion, L"Star.ProperMotion", L"Star.ProperMotion", zem::Click::Apply,
     {IDC_STAR_PM_MAG, IDC_STAR_PM_MAG_SPIN, IDC_STAR_PM_MAG_UNIT}, D::kProperMotion},
    {IDC_STAR_TWINKLE, &D::m_bTwinkle, L"Star.Twinkle.Visible", L"Star.Twinkle.Visible", zem::Click::ByHand,
     {IDC_STAR_TWINKLE_LABEL, IDC_STAR_TWINKLE_STRENGTH, IDC_STAR_TWINKLE_STRENGTH_SPIN}, D::kTwinkle},
    {IDC_STAR_BAYER, &D::m_bBayerLetter, L"Star.BayerLetter.Visible", L"Star.BayerLetter.Visible", zem::Click::Apply,
     {}, D::kLabels},
    {IDC_STAR_FLAMSTEED, &D::m_bFlamsteedNumber, L"Star.FlamsteedNumber.Visible", L"Star.FlamsteedNumber.Visible",
     zem::Click::Apply, {}, D::kLabels},
    {IDC_STAR_MAGNITUDE, &D::m_bMagnitude, L"Star.Magnitude.Visible", L"Star.Magnitude.Visible", zem::Click::Apply, {},
     D::kLabels},
    {.control = IDC_STAR_NEARBY, .member = &D::m_bNearbyStars, .read = L"NearbyStars.Visible",
     .write = L"NearbyStars.Visible", .enables = {IDC_STAR_NEARBY_NAME}, .group = D::kOverlays,
     .kind = Ctl::FocusCheckBox},
    {.control = IDC_STAR_NEARBY_NAME, .member = &D::m_bNearbyStarsName, .read = L"NearbyStars.Name.Visible",
     .write = L"NearbyStars.Name.Visible", .group = D::kOverlays, .kind = Ctl::FocusCheckBox},
    {.control = IDC_STAR_JNAMES, .member = &D::m_bJapaneseStarNames, .read = L"JapaneseStarNames.Visible",
     .write = L"JapaneseStarNames.Visible", .enables = {IDC_STAR_JNAMES_NAME}, .group = D::kOverlays,
     .kind = Ctl::FocusCheckBox},
    {.control = IDC_STAR_JNAMES_NAME, .member = &D::m_bJapaneseStarNamesName, .read = L"JapaneseStarNames.Name.Visible",
     .write = L"JapaneseStarNames.Name.Visible", .group = D::kOverlays, .kind = Ctl::FocusCheckBox},
    {.control = IDC_STAR_PULSAR, .member = &D::m_bPulsar, .read = L"Pulsar.Visible", .write = L"Pulsar.Visible",
     .enables = {IDC_STAR_PULSAR_NAME}, .group = D::kOverlays, .kind = Ctl::FocusCheckBox},
    {.control = IDC_STAR_PULSAR_NAME, .member = &D::m_bPulsarName, .read = L"Pulsar.Name.Visible",
     .write = L"Pulsar.Name.Visible", .group = D::kOverlays, .kind = Ctl::FocusCheckBox},
    // One box for the distances and their labels.
    {.control = IDC_STAR_DISTANCE, .member = &D::m_bDistanceToStars, .read = L"DistanceToStars.Visible",
     .write = L"DistanceToStars.Visible", .group = D::kOverlays, .read2 = L"DistanceToStars.Name.Visible",
     .write2 = L"DistanceToStars.Name.Visible", .kind = Ctl::FocusCheckBox},
};

// The five magnitudes lie between the floor and the limit of the standard data until other data
// is chosen (m_catalogs). The label limit is written to six properties; the distance is shown in
// parsecs, ten times its property, and its up-down keeps the platform's range, so that its up
// arrow counts down.
inline constexpr zem::NumberRow<CDlgStar> CDlgStar::kNumbers[] = {
    {.edit = IDC_STAR_SIZE, .spin = IDC_STAR_SIZE_SPIN, .member = &D::m_dSize, .read = L"Star.Size",
     .write = L"Star.Size", .lower10 = 1, .upper10 = 100, .initial = 1.0, .message = IDS_STAR_SIZE_RANGE,
     .textLimit = 5, .spinRange = true},
    {.edit = IDC_STAR_TWINKLE_STRENGTH, .spin = IDC_STAR_TWINKLE_STRENGTH_SPIN, .member = &D::m_dTwinkleStrength,
     .read = L"Star.Twinkle.Strength", .write = L"Star.Twinkle.Strength", .lower10 = 1, .upper10 = 10,
     .initial = 0.5, .reset = 0.2, .message = IDS_TWINKLE_STRENGTH_RANGE, .spinRange = true},
    {.edit = IDC_STAR_NAME_LIMIT_MAG, .spin = IDC_STAR_NAME_LIMIT_MAG_SPIN, .member = &D::m_dNameMagLimit,
     .read = L"Star.JapaneseName.MagnitudeLimit.Minimum", .write = L"Star.JapaneseName.MagnitudeLimit.Minimum",
     .lower10 = CStarCatalogs::kFloor10, .upper10 = CStarCatalogs::kStandard10, .initial = 8.0,
     .message = IDS_MAG_RANGE, .textLimit = 5, .spinRange = true},
    {.edit = IDC_STAR_MAG_AUTO_MIN, .spin = IDC_STAR_MAG_AUTO_MIN_SPIN, .member = &D::m_dAutoMagMin,
     .read = L"Star.AutoMagnitudeLimit.Minimum", .write = L"Star.AutoMagnitudeLimit.Minimum",
     .lower10 = CStarCatalogs::kFloor10, .upper10 = CStarCatalogs::kStandard10, .initial = 8.0,
     .message = IDS_MAG_RANGE, .textLimit = 5, .spinRange = true},
    {.edit = IDC_STAR_MAG_MIN, .spin = IDC_STAR_MAG_MIN_SPIN, .member = &D::m_dFixedMagMin,
     .read = L"Star.FixedMagnitudeLimit.Minimum", .write = L"Star.FixedMagnitudeLimit.Minimum",
     .lower10 = CStarCatalogs::kFloor10, .upper10 = CStarCatalogs::kStandard10, .initial = 8.0,
     .message = IDS_MAG_RANGE, .textLimit = 5, .spinRange = true},
    {.edit = IDC_STAR_MAG_MAX, .spin = IDC_STAR_MAG_MAX_SPIN, .member = &D::m_dFixedMagMax,
     .read = L"Star.FixedMagnitudeLimit.Maximum", .write = L"Star.FixedMagnitudeLimit.Maximum",
     .lower10 = CStarCatalogs::kFloor10, .upper10 = CStarCatalogs::kStandard10, .initial = -2.0,
     .message = IDS_MAG_RANGE, .textLimit = 5, .spinRange = true},
    {.edit = IDC_STAR_PM_MAG, .spin = IDC_STAR_PM_MAG_SPIN, .member = &D::m_dProperMotionMag,
     .read = L"Star.ProperMotion.MagnitudeLimit.Minimum", .write = L"Star.ProperMotion.MagnitudeLimit.Minimum",
     .lower10 = CStarCatalogs::kFloor10, .upper10 = CStarCatalogs::kStandard10, .message = IDS_MAG_RANGE,
     .textLimit = 5, .spinRange = true},
    {.edit = IDC_STAR_ABSMAG_PARSEC, .spin = IDC_STAR_ABSMAG_PARSEC_SPIN, .member = &D::m_dAbsMagParsec,
     .read = L"star.Distance.Tenparsec.Multiplier", .write = L"star.Distance.Tenparsec.Multiplier", .lower10 = 10,
     .upper10 = 999990, .step10 = 10, .initial = 10.0, .format = L"%.0f", .textLimit = 5},
};

inline zem::SettingRows<CDlgStar> CDlgStar::Rows() { return kRows; }
inline zem::NumberRows<CDlgStar> CDlgStar::Numbers() { return kNumbers; }

inline zem::SettingRows<CDlgStar> CDlgStar::Rows(RowGroup group) {
    static constexpr auto groups = zem::Groups<5>(kRows);
    return groups[group];
}

consteval const zem::SettingRow<CDlgStar>& CDlgStar::Row(UINT control) { return zem::Find(kRows, control); }
consteval const zem::NumberRow<CDlgStar>& CDlgStar::Number(UINT edit) { return zem::Find(kNumbers, edit); }
