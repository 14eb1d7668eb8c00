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
#include "resources/resource_ids.h"

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
        m_mag.ClampMagEdit(static_cast<int>(id), m_nMagUpper10, m_nMagLower10);
}

// The default linked limit of a data selection (0 standard data, 1..4 extended catalog index + 1):
// the data's own limit, or the engine's default where that is lower.
double CDlgStar::GetDefaultMagValue(int selection) {
    double limit = 14.1;
    if (selection >= 1 && selection <= kExtCatalogs) {
        limit = m_anExtMinMag10[selection - 1] / 10.0;
    } else if (selection != 0) {
        AfxMessageBox(L"CDlgStar::GetDefaultMagValue(): No star data is selected.", MB_OK);
        return -1.0;
    }
    return std::min(limit, crt::_wtof(Query(L"Star.AutoMagnitudeLimit.Minimum.Default")));
}

void CDlgStar::OnButtonMagReset() {
    int selection = 0;
    if (!IsDlgButtonChecked(IDC_STAR_DATA_STD)) {
        const int k = SelectedExtCatalog();
        if (k < 0) return;
        selection = k + 1;
    }
    CString text;
    text.Format(L"%.1f", GetDefaultMagValue(selection));
    m_mag.SetEditText(IDC_STAR_MAG_AUTO_MIN, text);
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

void CDlgStar::OnRadioFix() {
    UpdateMagControls();
    Apply();
}

void CDlgStar::UpdateStarSizeValue() {
    m_dSize = m_nSize10 / 10.0;
    CString text;
    text.Format(L"%.1f", m_dSize);
    m_mag.SetEditText(IDC_STAR_SIZE, text);
}

// The size steps from its value rounded to tenths; at a bound the edit keeps its text.
void CDlgStar::OnDeltaposSpinDiam(NMHDR* pNotify, LRESULT* pResult) {
    UpdateData(TRUE);
    const int n = zem::StepTenths(RoundDown(m_dSize * 10 + 0.5), zem::SpinDelta(pNotify));
    if (n >= 1 && n <= 100) {
        m_nSize10 = n;
        Repaint();
        UpdateStarSizeValue();
    } else {
        m_nSize10 = n < 1 ? 1 : 100;
    }
    Apply();
    *pResult = 0;
}

void CDlgStar::OnBnClickedDspStarCheckTwinkle() {
    m_bTwinkle = IsDlgButtonChecked(IDC_STAR_TWINKLE) != 0;
    EnableItems({IDC_STAR_TWINKLE_LABEL, IDC_STAR_TWINKLE_STRENGTH, IDC_STAR_TWINKLE_STRENGTH_SPIN}, m_bTwinkle);
    Apply();
}

// The twinkle strength steps from its value rounded down to tenths (0.29 steps from 0.2).
void CDlgStar::OnDeltaposSpinTwinkle(NMHDR* pNotify, LRESULT* pResult) {
    UpdateData(TRUE);
    const int n = std::clamp(zem::StepTenths(RoundDown(m_dTwinkleStrength * 10), zem::SpinDelta(pNotify)), 1, 10);
    m_dTwinkleStrength = n / 10.0;
    CString text;
    text.Format(L"%.1f", m_dTwinkleStrength);
    m_mag.SetEditText(IDC_STAR_TWINKLE_STRENGTH, text);
    Apply();
    *pResult = 0;
}

void CDlgStar::OnButtonDiamReset() {
    m_nSize10 = 10;
    Repaint();
    UpdateStarSizeValue();

    m_nShape = 0;
    CString mirado;
    CRegistry::Read(L"Default", L"Star.Mirado.Visible", L"FALSE", mirado);
    if (mirado.CompareNoCase(L"TRUE") == 0 && m_bMiradoStyle) m_nShape = FindShape(kMiradoShape);
    m_cmbShape.SetCurSel(m_nShape);

    m_bTwinkle = FALSE;
    CheckDlgButton(IDC_STAR_TWINKLE, BST_UNCHECKED);
    m_dTwinkleStrength = 0.2;
    m_mag.SetEditText(IDC_STAR_TWINKLE_STRENGTH, L"0.2");
    EnableItems({IDC_STAR_TWINKLE_LABEL, IDC_STAR_TWINKLE_STRENGTH, IDC_STAR_TWINKLE_STRENGTH_SPIN}, false);
    Apply();
}

// The distance steps from the model, not from the edit: the up arrow (the platform's default
// range counts down) adds a parsec. Every edit then shows the model again, which also puts the
// last applied value back into an edit whose text was refused.
void CDlgStar::OnDeltaposSpinAbsMagMul(NMHDR* pNotify, LRESULT* pResult) {
    const int delta = zem::SpinDelta(pNotify);
    if (delta < 0) m_dAbsMagParsec += 1.0;
    else if (delta > 0) m_dAbsMagParsec -= 1.0;
    m_dAbsMagParsec = std::clamp(m_dAbsMagParsec, 1.0, 99999.0);
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
void CDlgStar::OnCheckProperMotion() {
    EnableCompanions(IDC_STAR_PROPER_MOTION, {IDC_STAR_PM_MAG, IDC_STAR_PM_MAG_SPIN, IDC_STAR_PM_MAG_UNIT});
}
void CDlgStar::OnCheckAbsmag() {
    EnableCompanions(IDC_STAR_ABSMAG, {IDC_STAR_ABSMAG_PARSEC, IDC_STAR_ABSMAG_PARSEC_SPIN, IDC_STAR_ABSMAG_PARSEC_UNIT});
}
void CDlgStar::OnCheckJnameView() { EnableCompanions(IDC_STAR_JNAMES, {IDC_STAR_JNAMES_NAME}); }
void CDlgStar::OnCheckNeighborView() { EnableCompanions(IDC_STAR_NEARBY, {IDC_STAR_NEARBY_NAME}); }
void CDlgStar::OnCheckPulsarView() { EnableCompanions(IDC_STAR_PULSAR, {IDC_STAR_PULSAR_NAME}); }

// From the controls' states. The handlers it runs apply each; at opening the edit-ready flag is
// clear while it runs, so they send nothing.
void CDlgStar::SetEnableOrDisable() {
    if (IsDlgButtonChecked(IDC_STAR_VISIBLE)) {
        EnableItems({IDC_STAR_PM_GROUP, IDC_STAR_PROPER_MOTION}, true);
        EnableItems({IDC_STAR_PM_MAG, IDC_STAR_PM_MAG_SPIN, IDC_STAR_PM_MAG_UNIT}, IsDlgButtonChecked(IDC_STAR_PROPER_MOTION) != 0);
        EnableItems({IDC_STAR_ABSMAG_GROUP, IDC_STAR_ABSMAG}, true);
        EnableItems({IDC_STAR_ABSMAG_PARSEC, IDC_STAR_ABSMAG_PARSEC_SPIN, IDC_STAR_ABSMAG_PARSEC_UNIT},
                    IsDlgButtonChecked(IDC_STAR_ABSMAG) != 0);
        EnableItems({IDC_STAR_MAG_GROUP, IDC_STAR_MAG_AUTO, IDC_STAR_MAG_FIXED}, true);
        UpdateMagControls();
        // Stars twinkle only in a horizontal view; the box keeps its state, and the script its value.
        const bool horizon = Query(L"View.Coordinate").CompareNoCase(L"Horizon") == 0;
        EnableItem(IDC_STAR_TWINKLE, horizon);
        m_bTwinkle = IsDlgButtonChecked(IDC_STAR_TWINKLE) != 0;
        EnableItems({IDC_STAR_TWINKLE_LABEL, IDC_STAR_TWINKLE_STRENGTH, IDC_STAR_TWINKLE_STRENGTH_SPIN}, m_bTwinkle && horizon);
        EnableItems({IDC_STAR_IMAGE_GROUP, IDC_STAR_SIZE_LABEL, IDC_STAR_SIZE, IDC_STAR_SIZE_SPIN, IDC_STAR_SHAPE_LABEL,
                     IDC_STAR_SHAPE, IDC_STAR_IMAGE_RESET},
                    true);
        EnableItems({IDC_STAR_LABEL_GROUP, IDC_STAR_PROPER_NAME, IDC_STAR_BAYER, IDC_STAR_FLAMSTEED, IDC_STAR_MAGNITUDE,
                     IDC_STAR_NAME_LIMIT},
                    true);
        OnCheckName();
        OnCheckLimitMag();
        EnableItem(IDC_STAR_DATA_GROUP, true);
        EnableItems({IDC_STAR_DATA_LABEL, IDC_STAR_DATA_STD, IDC_STAR_DATA_EXT, IDC_STAR_DATA_AUTO}, !m_bExtDataLocked);
        UpdateExtDataRadio();
        UpdateExtdataControls();
    } else {
        for (UINT id = IDC_STAR_MAG_GROUP; id <= IDC_STAR_EXTDATA_DETAIL; ++id) EnableItem(id, false);
    }
    // The "その他" group stays usable while stars are hidden.
    EnableItem(IDC_STAR_NEARBY, true);
    OnCheckNeighborView();
    EnableItem(IDC_STAR_JNAMES, true);
    OnCheckJnameView();
    EnableItem(IDC_STAR_PULSAR, true);
    OnCheckPulsarView();
    EnableItem(IDC_STAR_DISTANCE, true);
    OnCheckDistanceView();
}
