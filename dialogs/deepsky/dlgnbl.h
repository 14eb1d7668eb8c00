// SPDX-License-Identifier: BSD-3-Clause
// CDlgNbl: nebulae, clusters and galaxies. Which annotations are drawn (mark, name, number,
// magnitude), restricted by catalog, observing level and object type in three cell lists and by a
// magnitude range; outlines and images with their brightness; PGC galaxies, whose data may not be
// installed; and six further kinds of object.
//
// Unlike the other dialogs it checks its fields silently while the person works and with messages
// at Close, which it refuses while a check fails. Its script, apply and undo are its own business:
// the host only runs it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "companions/zemcst/qellistboxaobj.h"
#include "framework/magfield.h"
#include "framework/settingsdialog.h"
#include "resources/resource_ids.h"

// One annotation kind and its check box.
struct tagFeatureTypeInfo {
    int nType;        // 0 mark, 1 name (also the Magellanic Clouds' name), 2 number, 3 magnitude
    CString strName;  // property word after the object prefix
    UINT nID;
    BOOL bCheck;
};

// One row of a cell list: a catalog, a level or a type.
struct tagLBoxAObjInfo {
    CString strName;    // property word
    CString strLabel;   // shown
    CString strPrefix;  // designation prefixes joined by '|'; empty for levels and types
    BOOL bSelect;
};

// One row of the other-objects grid.
struct tagEtcObjInfo {
    UINT nLabelID;
    UINT nVisibleID;
    UINT nNameID;
    CString strName;         // top-level property, no object prefix
    BOOL bVisible;
    BOOL bName;
};

class ZEM_EXPORT CDlgNbl : public CSettingsDialog {
public:
    CDlgNbl(CCorQel* engine, CCorQel* engine2, int pgcDataExists, CWnd* parent);
    // Works as if the PGC data were not installed.
    explicit CDlgNbl(CWnd* parent = nullptr);

    const CMessageMap* GetMessageMap() const override;
    static const DialogTraits& Traits();

    // The outline and image switches, the PGC box, and the PGC labels that follow it; the image
    // brightness is read and written between the images and PGC galaxies.
    enum RowGroup : unsigned char { kImages, kPgc, kPgcLabels };
    static zem::SettingRows<CDlgNbl> Rows();
    static zem::SettingRows<CDlgNbl> Rows(RowGroup group);
    // The magnitude ranges and the image brightness.
    static zem::NumberRows<CDlgNbl> Numbers();
    // The annotation kinds and the other-objects grid, as the dialog starts them.
    static std::span<const tagFeatureTypeInfo> FeatureTypes();
    static std::span<const tagEtcObjInfo> OtherObjects();
    // What the dialog reads and writes by hand, by control.
    static zem::HandSettings HandSettings();

    using D = CDlgNbl;
    static const zem::SettingRow<D> kRows[];
    static const zem::NumberRow<D> kNumbers[];
    // A number row by its edit, found when the dialog is compiled.
    static consteval const zem::NumberRow<D>& Number(UINT edit);

protected:
    // How the checks report a refusal: live changes are checked silently, Close with messages.
    enum class Report { Silently, WithMessages };
    BOOL GetScript(CString* script) override { return GetScript(script, Report::Silently); }
    BOOL GetScript(CString* script, Report report);
    using CSettingsDialog::Apply;
    using CSettingsDialog::Undo;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachControls() override;
    void OnOK() override;

    // The rows (dlgnbl_lists.cpp).
    void InitFeatureTypes();
    void InitCatalogs();
    void InitLevelsAndTypes();
    // The annotations' states, and when one is shown, the catalogs', levels' and types'; true
    // when one is shown.
    bool ReadListStates();
    void InitListBoxAObj();
    void SetListCounts();
    void UpdateLists();
    LRESULT OnQelListBoxAObj(WPARAM code, LPARAM info);
    void GetAllQelListBoxAObj(CQelListBoxAObj::tagUpdateInfo* info);
    void ChangeDataItemOnceQelListBoxAObj(CQelListBoxAObj::tagUpdateInfo* info);
    void AppendListScript(CString& script);

    // Other objects (dlgnbl_other.cpp).
    void InitEtcObj();
    void ReadEtcObj();
    void AppendEtcObj(CString& script);
    void OnApplyEtc();

    // The edits (dlgnbl_fields.cpp): 1 when the edit's leading number lies within its row's
    // bounds; 1 when the bright end is not numerically above the faint end.
    int CheckRange(const zem::NumberRow<D>& field, Report report);
    int CheckMagOrder(const zem::NumberRow<D>& bright, const zem::NumberRow<D>& faint, Report report);
    void UpdateMagSpin(const zem::NumberRow<D>& field, int delta);
    // The five spins step their edits alike: one tenth by the sign of the delta, within the edit's
    // bounds; the edit's change notification applies.
    void StepEdit(NMHDR* pNotify, LRESULT* pResult);
    void OnDeltaposDspNblSpinLimitMagMax(NMHDR* pNotify, LRESULT* pResult) { StepEdit(pNotify, pResult); }
    void OnDeltaposDspNblSpinLimitMagMin(NMHDR* pNotify, LRESULT* pResult) { StepEdit(pNotify, pResult); }
    void OnDeltaposDspNblSpinImageBrightness(NMHDR* pNotify, LRESULT* pResult) { StepEdit(pNotify, pResult); }
    void OnDeltaposDspNblSpinPgcLimitMagMax(NMHDR* pNotify, LRESULT* pResult) { StepEdit(pNotify, pResult); }
    void OnDeltaposDspNblSpinPgcLimitMagMin(NMHDR* pNotify, LRESULT* pResult) { StepEdit(pNotify, pResult); }
    void OnBtnImageReset();

    // Enable rules (dlgnbl_enable.cpp).
    void SetNgcEnableOrDisable();
    void SetPgcEnableOrDisable();
    void SetEtcEnableOrDisable();
    bool AnyFeatureChecked() const;

    // PGC galaxies (dlgnbl_pgc.cpp).
    void ReadPgc();
    void OnCheckPgcVisible();
    void OnCheckPgcLimitMag();

    void OnApply() { Apply(); }
    // An annotation box or the limit box: the annotations' enable rules, then apply.
    void OnCheckView();
    void OnCheckLimitMag() { OnCheckView(); }
    void OnButtonColorFont() { OpenColourDialog(); }

    // The model; the numbers take their rows' defaults when the dialog is made.
    BOOL m_bLimitMag = TRUE;
    double m_dLimitMagMax;  // bright end
    double m_dLimitMagMin;  // faint end
    BOOL m_bOutline = FALSE;
    BOOL m_bImage = FALSE;
    double m_dImageBrightness;
    BOOL m_bPgc = FALSE;
    BOOL m_bPgcNumber = FALSE;
    BOOL m_bPgcAliasName = FALSE;
    BOOL m_bPgcMagnitude = FALSE;
    BOOL m_bPgcLimitMag = FALSE;
    double m_dPgcLimitMagMax;
    double m_dPgcLimitMagMin;
    BOOL m_bPgcPoint = FALSE;
    int m_nPgcShape = -1;  // 0 image, 1 outline, -1 none
    // The prefix of the deep-sky properties.
    static constexpr const wchar_t* kObject = L"DeepSkyObject";
    CString m_strObject = kObject;
    BOOL m_bPgcDataExist;
    // Set while the PGC handler works, and for good once the missing-data notice has been sent.
    BOOL m_bPgcLock = FALSE;

    std::vector<tagFeatureTypeInfo> m_aFeatureType;
    std::vector<tagLBoxAObjInfo> m_aCatalog;
    std::vector<tagLBoxAObjInfo> m_aLevel;
    std::vector<tagLBoxAObjInfo> m_aType;
    std::vector<tagEtcObjInfo> m_aEtcObj;

    CQelListBoxAObj m_lstCatalog;
    CQelListBoxAObj m_lstLevel;
    CQelListBoxAObj m_lstType;

    // Only its range check is this dialog's: no edit-ready flag, no spin range.
    zem::CMagFields m_mag{*this};

private:
    // The three cell lists, in the order they are set up: control, rows, list box, text column's
    // title.
    struct CellList {
        UINT id;
        std::vector<tagLBoxAObjInfo> CDlgNbl::*rows;
        CQelListBoxAObj CDlgNbl::*box;
        const wchar_t* title;
    };
    static std::span<const CellList> CellLists();
    // The list with that control id; null for any other id.
    static const CellList* FindCellList(UINT id);
};

// The image box enables the brightness; a PGC box the dialog's PGC handler takes (the data may be
// missing). The limit and point boxes of PGC galaxies are asked only while PGC galaxies are shown
// and written always, so they are not rows.
inline constexpr zem::SettingRow<CDlgNbl> CDlgNbl::kRows[] = {
    {IDC_NBL_OUTLINE, &D::m_bOutline, L"DeepSkyObject.Outline.Visible", L"DeepSkyObject.Outline.Visible"},
    {IDC_NBL_IMAGE, &D::m_bImage, L"DeepSkyObject.Image.Visible", L"DeepSkyObject.Image.Visible", zem::Click::Apply,
     {IDC_NBL_BRIGHTNESS_LABEL, IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, IDC_NBL_IMAGE_RESET}},
    {IDC_NBL_PGC, &D::m_bPgc, L"DeepSkyObject.PGC.Visible", L"DeepSkyObject.PGC.Visible", zem::Click::ByHand, {},
     D::kPgc},
    {IDC_NBL_PGC_NUMBER, &D::m_bPgcNumber, L"DeepSkyObject.PGC.Number.Visible", L"DeepSkyObject.PGC.Number.Visible",
     zem::Click::ByHand, {}, D::kPgcLabels},
    {IDC_NBL_PGC_ALIAS, &D::m_bPgcAliasName, L"DeepSkyObject.PGC.AliasName.Visible",
     L"DeepSkyObject.PGC.AliasName.Visible", zem::Click::Apply, {}, D::kPgcLabels},
    {IDC_NBL_PGC_MAGNITUDE, &D::m_bPgcMagnitude, L"DeepSkyObject.PGC.Magnitude.Visible",
     L"DeepSkyObject.PGC.Magnitude.Visible", zem::Click::ByHand, {}, D::kPgcLabels},
};

// The edits read their leading number; the spins keep the platform's range (only the sign of a
// delta counts) and the edits no text limit.
inline constexpr zem::NumberRow<CDlgNbl> CDlgNbl::kNumbers[] = {
    {.edit = IDC_NBL_MAG_MAX, .spin = IDC_NBL_MAG_MAX_SPIN, .member = &D::m_dLimitMagMax,
     .read = L"DeepSkyObject.FixedMagnitudeLimit.Maximum", .write = L"DeepSkyObject.FixedMagnitudeLimit.Maximum",
     .lower10 = -20, .upper10 = 180, .message = IDS_MAG_RANGE, .width = 5},
    {.edit = IDC_NBL_MAG_MIN, .spin = IDC_NBL_MAG_MIN_SPIN, .member = &D::m_dLimitMagMin,
     .read = L"DeepSkyObject.FixedMagnitudeLimit.Minimum", .write = L"DeepSkyObject.FixedMagnitudeLimit.Minimum",
     .lower10 = -20, .upper10 = 180, .initial = 12.5, .message = IDS_MAG_RANGE, .width = 5},
    {.edit = IDC_NBL_BRIGHTNESS, .spin = IDC_NBL_BRIGHTNESS_SPIN, .member = &D::m_dImageBrightness,
     .read = L"DeepSkyObject.Image.Brightness", .write = L"DeepSkyObject.Image.Brightness", .lower10 = 1,
     .upper10 = 10, .initial = 1.0, .message = IDS_NBL_IMAGE_BRIGHTNESS_RANGE, .width = 3},
    {.edit = IDC_NBL_PGC_MAG_MAX, .spin = IDC_NBL_PGC_MAG_MAX_SPIN, .member = &D::m_dPgcLimitMagMax,
     .read = L"DeepSkyObject.PGC.FixedMagnitudeLimit.Maximum",
     .write = L"DeepSkyObject.PGC.FixedMagnitudeLimit.Maximum", .lower10 = -20, .upper10 = 260,
     .message = IDS_MAG_RANGE, .width = 5},
    {.edit = IDC_NBL_PGC_MAG_MIN, .spin = IDC_NBL_PGC_MAG_MIN_SPIN, .member = &D::m_dPgcLimitMagMin,
     .read = L"DeepSkyObject.PGC.FixedMagnitudeLimit.Minimum",
     .write = L"DeepSkyObject.PGC.FixedMagnitudeLimit.Minimum", .lower10 = -20, .upper10 = 260, .initial = 26.0,
     .message = IDS_MAG_RANGE, .width = 5},
};

inline zem::SettingRows<CDlgNbl> CDlgNbl::Rows() { return kRows; }
inline zem::NumberRows<CDlgNbl> CDlgNbl::Numbers() { return kNumbers; }

inline zem::SettingRows<CDlgNbl> CDlgNbl::Rows(RowGroup group) {
    static constexpr auto groups = zem::Groups<3>(kRows);
    return groups[group];
}

consteval const zem::NumberRow<CDlgNbl>& CDlgNbl::Number(UINT edit) { return zem::Find(kNumbers, edit); }
