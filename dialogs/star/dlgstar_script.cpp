// SPDX-License-Identifier: BSD-3-Clause
// CDlgStar: validation and the script.
#include "dialogs/star/dlgstar.h"

#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

// The label kinds that share the one label limit, in the order they are written.
constexpr const wchar_t* kLabelKinds[] = {L"Star.JapaneseName",    L"Star.EnglishName",  L"Star.BayerLetter",
                                          L"Star.FlamsteedNumber", L"Star.VariableName", L"Star.Magnitude"};

// The words the script gives the extended catalogs, by extended catalog index.
constexpr const wchar_t* kScriptWords[] = {L"GSCACT", L"TYCHO2", L"TYCHO", L"USNOA20"};

constexpr double kMagLower = -6.0;

}  // namespace

// The upper bound of the magnitude checks: the standard data's, the limit of the catalog chosen
// in the list, or -1.0 (nothing passes) while extended data has no catalog chosen.
double CDlgStar::GetMagUpperBound() {
    if (IsDlgButtonChecked(IDC_STAR_DATA_STD)) return 14.1;
    const int k = SelectedExtCatalog();
    return k < 0 ? -1.0 : m_anExtMinMag10[k] / 10.0;
}

// The fields in a fixed order, each whether or not its setting is on; the first failure has
// told the user and ends the check.
BOOL CDlgStar::CheckFields() {
    const double upper = GetMagUpperBound();
    if (IsDlgButtonChecked(IDC_STAR_MAG_AUTO)) {
        if (!CheckMagRange(IDC_STAR_MAG_AUTO_MIN, upper, kMagLower, IDS_MAG_RANGE)) return FALSE;
    } else {
        if (!CheckMagRange(IDC_STAR_MAG_MIN, upper, kMagLower, IDS_MAG_RANGE)) return FALSE;
        if (!CheckMagRange(IDC_STAR_MAG_MAX, upper, kMagLower, IDS_MAG_RANGE)) return FALSE;
        if (crt::_wtof(EditText(IDC_STAR_MAG_MAX)) > crt::_wtof(EditText(IDC_STAR_MAG_MIN))) {
            AfxMessageBox(IDS_MAG_ORDER, MB_ICONINFORMATION);
            return FALSE;
        }
    }
    if (!CheckMagRange(IDC_STAR_NAME_LIMIT_MAG, upper, kMagLower, IDS_MAG_RANGE)) return FALSE;
    if (!CheckMagRange(IDC_STAR_SIZE, 10.0, 0.1, IDS_STAR_SIZE_RANGE)) return FALSE;
    // The twinkle strength's message names no bounds, and it takes the focus as well.
    double strength = 0.0;
    if (!m_mag.ReadWholeNumber(IDC_STAR_TWINKLE_STRENGTH, strength)) return FALSE;
    if (0.1 > strength || strength > 1.0) {
        AfxMessageBox(IDS_TWINKLE_STRENGTH_RANGE, MB_ICONINFORMATION);
        if (CWnd* edit = GetDlgItem(IDC_STAR_TWINKLE_STRENGTH)) edit->SetFocus();
        return FALSE;
    }
    return CheckMagRange(IDC_STAR_PM_MAG, upper, kMagLower, IDS_MAG_RANGE);
}

BOOL CDlgStar::GetScript(CString* script) {
    // A program write of an edit applies nothing: the writer applies once itself.
    if (!m_mag.IsEditReady() || !CheckFields()) return FALSE;
    // Text the exchange cannot read (an empty edit, the unchecked distance) has had the
    // framework's message; the members from there on keep their values and are sent as they are.
    UpdateData(TRUE);

    CString s = StartScript();
    if (m_nExtData != m_nExtDataInit) {
        // A clicked star of an extended catalog means nothing once another catalog is drawn.
        if (Query(L"ClickData.Object").Left(8).CompareNoCase(L"Star.Xno") == 0) s += L"ClickData.Object = \"\";";
    }
    const auto rows = Rows();
    AppendRows(s, rows.subspan(kShowRow, 1));
    AppendRows(s, rows.subspan(kProperMotionRow, 1));
    if (m_bProperMotion) AppendScriptValue(s, {L"Star.ProperMotion.MagnitudeLimit.Minimum"}, m_dProperMotionMag);
    // The mode not chosen is not mentioned.
    if (m_nMagMode == 0) {
        s += L"Star.AutoMagnitudeLimit = TRUE;";
        AppendScriptValue(s, {L"Star.AutoMagnitudeLimit.Minimum"}, m_dAutoMagMin);
    } else {
        s += L"Star.FixedMagnitudeLimit = TRUE;";
        AppendScriptValue(s, {L"Star.FixedMagnitudeLimit.Maximum"}, m_dFixedMagMax);
        AppendScriptValue(s, {L"Star.FixedMagnitudeLimit.Minimum"}, m_dFixedMagMin);
    }
    AppendRows(s, rows.subspan(kTwinkleRow, 1));
    AppendScriptValue(s, {L"Star.Twinkle.Strength"}, m_dTwinkleStrength);
    AppendScriptValue(s, {L"Star.Size"}, m_dSize);
    AppendImageStyle(s);

    const bool japanese = m_bProperName && m_nNameLang == 0;
    const bool english = m_bProperName && m_nNameLang != 0;
    AppendScriptBool(s, L"Star.JapaneseName.Visible", japanese);
    AppendScriptBool(s, L"Star.EnglishName.Visible", english);
    AppendRows(s, rows.subspan(kLabelRows, kOverlayRows - kLabelRows));
    for (const wchar_t* kind : kLabelKinds) AppendScriptBool(s, {kind, L".MagnitudeLimit"}, m_bNameMagLimit);
    if (m_bNameMagLimit)
        for (const wchar_t* kind : kLabelKinds) AppendScriptValue(s, {kind, L".MagnitudeLimit.Minimum"}, m_dNameMagLimit);

    if (m_bAbsMag) {
        AppendScriptValue(s, {L"star.Distance.Tenparsec.Multiplier"}, m_dAbsMagParsec / 10);
        s += L"star.Distance.Calc3D = 0;star.Distance.Tenparsec = 1;";
    } else {
        s += L"star.Distance.Calc3D = 0.007;star.Distance.Tenparsec = 0;star.Distance.Tenparsec.Multiplier = 10;";
    }

    if (!AppendCatalogScript(s)) return FALSE;
    AppendRows(s, rows.subspan(kOverlayRows));
    return FinishScript(s, script);
}

// The star data: with standard data and automatic switching the engine keeps the standard
// catalog and is told the catalog to switch to; with extended data that catalog is drawn.
BOOL CDlgStar::AppendCatalogScript(CString& s) {
    const std::wstring_view word = (m_nExtData >= 0 && m_nExtData < m_nExtDataCount) ? kScriptWords[m_anExtDataIndex[m_nExtData]] : L"";
    switch (m_nCatalogMode) {
        case 0:
        case 2:
            AppendScriptBool(s, L"Star.Catalog.Switch", m_nCatalogMode == 2);
            s += L"Star.Catalog = Hipparcos;";
            if (!word.empty()) {
                s += L"Star.Catalog.Switch.Catalog = ";
                s += word;
                s += L";";
            }
            return TRUE;
        case 1:
            if (word.empty()) {
                AfxMessageBox(L"CDlgStar::OnOK(): No ext star data selected.", MB_OK);
                return FALSE;
            }
            s += L"Star.Catalog.Switch = FALSE;Star.Catalog = ";
            s += word;
            s += L";";
            return TRUE;
        default:
            AfxMessageBox(L"CDlgStar::OnOK(): No star data selected.", MB_OK);
            return FALSE;
    }
}
