// SPDX-License-Identifier: BSD-3-Clause
// CDlgStar: the magnitude, image and label controls: steps, resets, clamping and enable rules.
// Every program write of an edit goes through the magnitude fields with the edit-ready flag
// clear, so the edit's own change notification applies nothing; the writer applies once itself.
#include <algorithm>
#include <cmath>

#include "companions/zemreg/registry.h"
#include "dialogs/star/dlgstar.h"
#include "framework/numbers.h"
#include "platform/crt.h"

namespace {

// The star frame: everything the show box disables while stars are hidden, but for the boxes of
// its row groups and the number rows' edits and spins.
constexpr UINT kStarFrame[] = {
    IDC_STAR_MAG_GROUP,   IDC_STAR_MAG_AUTO,      IDC_STAR_MAG_FIXED,         IDC_STAR_MAG_AUTO_MIN_UNIT,
    IDC_STAR_MAG_RESET,   IDC_STAR_MAG_TO,        IDC_STAR_MAG_UNIT,          IDC_STAR_IMAGE_GROUP,
    IDC_STAR_SIZE_LABEL,  IDC_STAR_SHAPE_LABEL,   IDC_STAR_SHAPE,             IDC_STAR_TWINKLE_LABEL,
    IDC_STAR_IMAGE_RESET, IDC_STAR_LABEL_GROUP,   IDC_STAR_PROPER_NAME,       IDC_STAR_NAME_JAPANESE,
    IDC_STAR_NAME_ENGLISH, IDC_STAR_NAME_LIMIT,   IDC_STAR_NAME_LIMIT_MAG_UNIT, IDC_STAR_PM_GROUP,
    IDC_STAR_PM_MAG_UNIT, IDC_STAR_ABSMAG_GROUP,  IDC_STAR_ABSMAG,            IDC_STAR_ABSMAG_PARSEC_UNIT,
    IDC_STAR_DATA_GROUP,  IDC_STAR_DATA_LABEL,    IDC_STAR_DATA_STD,          IDC_STAR_DATA_EXT,
    IDC_STAR_DATA_AUTO,   IDC_STAR_EXTDATA_LABEL, IDC_STAR_EXTDATA,           IDC_STAR_EXTDATA_DETAIL,
};

}  // namespace

int CDlgStar::RoundDown(double v) { return zem::TruncToInt(std::floor(v)); }

void CDlgStar::StepMagField(int editId, NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(editId, zem::SpinDelta(pNotify));
    Apply();
    *pResult = 0;
}

void CDlgStar::OnDeltaposSpinMagAngle(NMHDR* pNotify, LRESULT* pResult) { StepMagField(IDC_STAR_MAG_AUTO_MIN, pNotify, pResult); }
void CDlgStar::OnDeltaposSpinMagMax(NMHDR* pNotify, LRESULT* pResult) { StepMagField(IDC_STAR_MAG_MAX, pNotify, pResult); }
void CDlgStar::OnDeltaposSpinMagMin(NMHDR* pNotify, LRESULT* pResult) { StepMagField(IDC_STAR_MAG_MIN, pNotify, pResult); }
void CDlgStar::OnDeltaposSpinLimitMag(NMHDR* pNotify, LRESULT* pResult) { StepMagField(IDC_STAR_NAME_LIMIT_MAG, pNotify, pResult); }
void CDlgStar::OnDeltaposSpinPMotion(NMHDR* pNotify, LRESULT* pResult) { StepMagField(IDC_STAR_PM_MAG, pNotify, pResult); }

// A text already within the bounds of the data in use stays as typed.
void CDlgStar::CheckAllMagEditBox() {
    for (UINT id : {IDC_STAR_MAG_AUTO_MIN, IDC_STAR_MAG_MIN, IDC_STAR_MAG_MAX, IDC_STAR_NAME_LIMIT_MAG, IDC_STAR_PM_MAG})
        m_mag.ClampMagEdit(static_cast<int>(id), m_catalogs.Upper10(), m_catalogs.Lower10());
}

// The default linked limit of a data selection (0 standard data, 1..4 extended catalog index + 1):
// the data's own limit, or the engine's default where that is lower.
double CDlgStar::GetDefaultMagValue(int selection) {
    if (selection < 0 || selection > CStarCatalogs::kCount) {
        AfxMessageBox(L"CDlgStar::GetDefaultMagValue(): No star data is selected.", MB_OK);
        return -1.0;
    }
    return std::min(m_catalogs.Limit10(selection) / 10.0, crt::_wtof(Query(L"Star.AutoMagnitudeLimit.Minimum.Default")));
}

void CDlgStar::OnButtonMagReset() {
    int selection = 0;
    if (!IsDlgButtonChecked(IDC_STAR_DATA_STD)) {
        const int k = SelectedExtCatalog();
        if (k < 0) return;
        selection = k + 1;
    }
    m_mag.SetEditFixed1(IDC_STAR_MAG_AUTO_MIN, GetDefaultMagValue(selection));
    Apply();
}

void CDlgStar::UpdateMagControls() {
    const bool linked = IsDlgButtonChecked(IDC_STAR_MAG_AUTO) != 0;
    EnableItems({IDC_STAR_MAG_AUTO_MIN, IDC_STAR_MAG_AUTO_MIN_SPIN, IDC_STAR_MAG_AUTO_MIN_UNIT, IDC_STAR_MAG_RESET}, linked);
    EnableItems({IDC_STAR_MAG_MAX, IDC_STAR_MAG_MAX_SPIN, IDC_STAR_MAG_TO, IDC_STAR_MAG_MIN, IDC_STAR_MAG_MIN_SPIN,
                 IDC_STAR_MAG_UNIT},
                !linked);
}

void CDlgStar::OnRadioAngle() {
    UpdateMagControls();
    Apply();
}

void CDlgStar::UpdateStarSizeValue() {
    m_dSize = m_nSize10 / 10.0;
    m_mag.SetEditFixed1(IDC_STAR_SIZE, m_dSize);
}

// The size steps from its value rounded to tenths; at a bound the edit keeps its text.
void CDlgStar::OnDeltaposSpinDiam(NMHDR* pNotify, LRESULT* pResult) {
    UpdateData(TRUE);
    const auto& size = Number(IDC_STAR_SIZE);
    const int n = zem::StepTenths(RoundDown(m_dSize * 10 + 0.5), zem::SpinDelta(pNotify));
    if (n >= size.lower10 && n <= size.upper10) {
        m_nSize10 = n;
        Repaint();
        UpdateStarSizeValue();
    } else {
        m_nSize10 = n < size.lower10 ? size.lower10 : size.upper10;
    }
    Apply();
    *pResult = 0;
}

// The box keeps its member in step before it enables the strength.
void CDlgStar::OnBnClickedDspStarCheckTwinkle() {
    m_bTwinkle = IsDlgButtonChecked(IDC_STAR_TWINKLE) != 0;
    const auto& twinkle = Row(IDC_STAR_TWINKLE);
    EnableCompanions(twinkle.control, twinkle.enables);
    Apply();
}

// The twinkle strength steps from its value rounded down to tenths (0.29 steps from 0.2).
void CDlgStar::OnDeltaposSpinTwinkle(NMHDR* pNotify, LRESULT* pResult) {
    UpdateData(TRUE);
    const auto& strength = Number(IDC_STAR_TWINKLE_STRENGTH);
    const int n = std::clamp(zem::StepTenths(RoundDown(m_dTwinkleStrength * 10), zem::SpinDelta(pNotify)),
                             strength.lower10, strength.upper10);
    m_dTwinkleStrength = n / 10.0;
    m_mag.SetEditFixed1(IDC_STAR_TWINKLE_STRENGTH, m_dTwinkleStrength);
    Apply();
    *pResult = 0;
}

// The size and the strength go back to their rows' reset values, the shape to the first style
// (or the named style, where the registry asks for it), and twinkling off.
void CDlgStar::OnButtonDiamReset() {
    m_nSize10 = zem::Tenths(Number(IDC_STAR_SIZE).reset);
    Repaint();
    UpdateStarSizeValue();

    m_nShape = 0;
    CRegistry::Read(L"Default", L"Star.Mirado.Visible", L"FALSE", m_strMiradoDefault);
    if (m_strMiradoDefault.CompareNoCase(L"TRUE") == 0 && m_bMiradoStyle) m_nShape = FindShape(kMiradoShape);
    m_cmbShape.SetCurSel(m_nShape);

    m_bTwinkle = FALSE;
    CheckDlgButton(IDC_STAR_TWINKLE, BST_UNCHECKED);
    const auto& strength = Number(IDC_STAR_TWINKLE_STRENGTH);
    m_dTwinkleStrength = strength.reset;
    CString text;
    text.Format(strength.format, m_dTwinkleStrength);
    m_mag.SetEditText(IDC_STAR_TWINKLE_STRENGTH, text);
    EnableItems(Row(IDC_STAR_TWINKLE).enables, false);
    Apply();
}

// The distance steps from the model, not from the edit: the up arrow (the platform's default
// range counts down) adds a parsec. Every edit then shows the model again, which also puts the
// last applied value back into an edit whose text was refused.
void CDlgStar::OnDeltaposSpinAbsMagMul(NMHDR* pNotify, LRESULT* pResult) {
    const auto& parsec = Number(IDC_STAR_ABSMAG_PARSEC);
    const int delta = zem::SpinDelta(pNotify);
    if (delta < 0) m_dAbsMagParsec += parsec.step10 / 10.0;
    else if (delta > 0) m_dAbsMagParsec -= parsec.step10 / 10.0;
    m_dAbsMagParsec = std::clamp(m_dAbsMagParsec, parsec.Lower(), parsec.Upper());
    UpdateData(FALSE);
    Apply();
    *pResult = 0;
}

void CDlgStar::EnableCompanions(UINT check, std::initializer_list<UINT> ids) {
    EnableItems(ids, IsDlgButtonChecked(static_cast<int>(check)) != 0);
    Apply();
}

void CDlgStar::OnCheckName() { EnableCompanions(IDC_STAR_PROPER_NAME, {IDC_STAR_NAME_JAPANESE, IDC_STAR_NAME_ENGLISH}); }
void CDlgStar::OnCheckLimitMag() {
    EnableCompanions(IDC_STAR_NAME_LIMIT, {IDC_STAR_NAME_LIMIT_MAG, IDC_STAR_NAME_LIMIT_MAG_SPIN, IDC_STAR_NAME_LIMIT_MAG_UNIT});
}
void CDlgStar::OnCheckAbsmag() {
    EnableCompanions(IDC_STAR_ABSMAG, {IDC_STAR_ABSMAG_PARSEC, IDC_STAR_ABSMAG_PARSEC_SPIN, IDC_STAR_ABSMAG_PARSEC_UNIT});
}

// From the controls' states. The handlers it runs apply each; at opening the edit-ready flag is
// clear while it runs, so they send nothing.
void CDlgStar::SetEnableOrDisable() {
    if (IsDlgButtonChecked(IDC_STAR_VISIBLE)) {
        EnableItem(IDC_STAR_PM_GROUP, true);
        EnableRows(Rows(kProperMotion), true);
        EnableCompanions(Rows(kProperMotion));
        EnableItems({IDC_STAR_ABSMAG_GROUP, IDC_STAR_ABSMAG}, true);
        EnableItems({IDC_STAR_ABSMAG_PARSEC, IDC_STAR_ABSMAG_PARSEC_SPIN, IDC_STAR_ABSMAG_PARSEC_UNIT},
                    IsDlgButtonChecked(IDC_STAR_ABSMAG) != 0);
        EnableItems({IDC_STAR_MAG_GROUP, IDC_STAR_MAG_AUTO, IDC_STAR_MAG_FIXED}, true);
        UpdateMagControls();
        // Stars twinkle only in a horizontal view; the box keeps its state, and the script its value.
        const bool horizon = Query(L"View.Coordinate").CompareNoCase(L"Horizon") == 0;
        const auto& twinkle = Row(IDC_STAR_TWINKLE);
        EnableItem(twinkle.control, horizon);
        m_bTwinkle = IsDlgButtonChecked(static_cast<int>(twinkle.control)) != 0;
        EnableItems(twinkle.enables, m_bTwinkle && horizon);
        EnableItems({IDC_STAR_IMAGE_GROUP, IDC_STAR_SIZE_LABEL, IDC_STAR_SIZE, IDC_STAR_SIZE_SPIN, IDC_STAR_SHAPE_LABEL,
                     IDC_STAR_SHAPE, IDC_STAR_IMAGE_RESET},
                    true);
        EnableItems({IDC_STAR_LABEL_GROUP, IDC_STAR_PROPER_NAME, IDC_STAR_NAME_LIMIT}, true);
        EnableRows(Rows(kLabels), true);
        OnCheckName();
        OnCheckLimitMag();
        EnableItem(IDC_STAR_DATA_GROUP, true);
        EnableItems({IDC_STAR_DATA_LABEL, IDC_STAR_DATA_STD, IDC_STAR_DATA_EXT, IDC_STAR_DATA_AUTO}, !m_bExtDataLocked);
        UpdateExtDataRadio();
        UpdateExtdataControls();
    } else {
        // Everything in the star frame.
        for (UINT id : kStarFrame) EnableItem(id, false);
        for (RowGroup group : {kProperMotion, kTwinkle, kLabels}) EnableRows(Rows(group), false);
        EnableNumbers(Numbers(), false);
    }
    // The "その他" group stays usable while stars are hidden: each show box is enabled and runs
    // what a click on it runs (enabling its name box, applying).
    const auto overlays = Rows(kOverlays);
    for (const auto& row : overlays) {
        if (IsCompanion(overlays, row.control)) continue;
        EnableItem(row.control, true);
        OnRowClick(row.control, row.click, &row.enables);
    }
}
