// SPDX-License-Identifier: BSD-3-Clause
// CDlgStar: validation and the script.
#include "dialogs/star/dlgstar.h"

using namespace std::string_view_literals;

namespace {

// The label kinds that share the one label limit, in the order they are written.
constexpr std::wstring_view kLabelKinds[] = {L"Star.JapaneseName"sv,    L"Star.EnglishName"sv,  L"Star.BayerLetter"sv,
                                             L"Star.FlamsteedNumber"sv, L"Star.VariableName"sv, L"Star.Magnitude"sv};

}  // namespace

zem::HandSettings CDlgStar::HandSettings() {
    static constexpr zem::HandSetting settings[] = {
        {IDC_STAR_MAG_AUTO, L"Star.AutoMagnitudeLimit", L"Star.AutoMagnitudeLimit;Star.FixedMagnitudeLimit"},
        {IDC_STAR_SHAPE, L"Star.Custom.Visible;Star.custom.file;Star.Blur.Visible;Star.Mirado.Visible",
         L"Star.Blur.Visible;Star.Mirado.Visible;Star.custom.visible;Star.custom.file"},
        {IDC_STAR_PROPER_NAME, L"Star.JapaneseName.Visible;Star.EnglishName.Visible",
         L"Star.JapaneseName.Visible;Star.EnglishName.Visible"},
        {IDC_STAR_NAME_JAPANESE, L"Star.JapaneseName.Visible;Star.EnglishName.Visible",
         L"Star.JapaneseName.Visible;Star.EnglishName.Visible"},
        {IDC_STAR_NAME_LIMIT, L"Star.JapaneseName.MagnitudeLimit",
         L"Star.JapaneseName.MagnitudeLimit;Star.EnglishName.MagnitudeLimit;Star.BayerLetter.MagnitudeLimit;"
         L"Star.FlamsteedNumber.MagnitudeLimit;Star.VariableName.MagnitudeLimit;Star.Magnitude.MagnitudeLimit"},
        {IDC_STAR_NAME_LIMIT_MAG, L"",
         L"Star.EnglishName.MagnitudeLimit.Minimum;Star.BayerLetter.MagnitudeLimit.Minimum;"
         L"Star.FlamsteedNumber.MagnitudeLimit.Minimum;Star.VariableName.MagnitudeLimit.Minimum;"
         L"Star.Magnitude.MagnitudeLimit.Minimum"},
        {IDC_STAR_ABSMAG, L"star.Distance.Tenparsec", L"star.Distance.Calc3D;star.Distance.Tenparsec"},
        {IDC_STAR_DATA_STD, L"Star.Catalog;Star.Catalog.Switch;Star.Catalog.Switch.Catalog",
         L"Star.Catalog.Switch;Star.Catalog;Star.Catalog.Switch.Catalog"},
        {IDC_STAR_EXTDATA,
         L"Star.Catalog.GSC.LocalName;Star.Catalog.GSC.MagnitudeLimit.Minmag;Star.Catalog.Tycho2.LocalName;"
         L"Star.Catalog.Tycho2.MagnitudeLimit.Minmag;Star.Catalog.Tycho.LocalName;"
         L"Star.Catalog.Tycho.MagnitudeLimit.Minmag;Star.Catalog.USNOA20.LocalName;"
         L"Star.Catalog.USNOA20.MagnitudeLimit.Minmag",
         L"Star.Catalog;Star.Catalog.Switch.Catalog"},
    };
    return settings;
}

// The upper bound of the magnitude checks: the standard data's, the limit of the catalog chosen
// in the list, or -1.0 (nothing passes) while extended data has no catalog chosen.
double CDlgStar::GetMagUpperBound() {
    if (IsDlgButtonChecked(IDC_STAR_DATA_STD)) return m_catalogs.Limit10(0) / 10.0;
    const int k = SelectedExtCatalog();
    return k < 0 ? -1.0 : m_catalogs.Limit10(k + 1) / 10.0;
}

// The fields in a fixed order, each whether or not its setting is on; the first failure has
// told the user and ends the check.
BOOL CDlgStar::CheckFields() {
    const double upper = GetMagUpperBound();
    auto inRange = [&](const zem::NumberRow<D>& n) {
        return CheckMagRange(static_cast<int>(n.edit), upper, n.Lower(), static_cast<int>(n.message));
    };
    if (IsDlgButtonChecked(IDC_STAR_MAG_AUTO)) {
        if (!inRange(Number(IDC_STAR_MAG_AUTO_MIN))) return FALSE;
    } else {
        if (!inRange(Number(IDC_STAR_MAG_MIN))) return FALSE;
        if (!inRange(Number(IDC_STAR_MAG_MAX))) return FALSE;
        if (zem::EditNumber(*this, IDC_STAR_MAG_MAX) > zem::EditNumber(*this, IDC_STAR_MAG_MIN)) {
            AfxMessageBox(IDS_MAG_ORDER, MB_ICONINFORMATION);
            return FALSE;
        }
    }
    if (!inRange(Number(IDC_STAR_NAME_LIMIT_MAG))) return FALSE;
    const auto& size = Number(IDC_STAR_SIZE);
    if (!CheckMagRange(IDC_STAR_SIZE, size.Upper(), size.Lower(), static_cast<int>(size.message))) return FALSE;
    // The twinkle strength's message names no bounds, and it takes the focus as well.
    const auto& twinkle = Number(IDC_STAR_TWINKLE_STRENGTH);
    double strength = 0.0;
    if (!m_mag.ReadWholeNumber(IDC_STAR_TWINKLE_STRENGTH, strength)) return FALSE;
    if (twinkle.Lower() > strength || strength > twinkle.Upper()) {
        AfxMessageBox(twinkle.message, MB_ICONINFORMATION);
        if (CWnd* edit = GetDlgItem(IDC_STAR_TWINKLE_STRENGTH)) edit->SetFocus();
        return FALSE;
    }
    return inRange(Number(IDC_STAR_PM_MAG));
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
        if (Query(L"ClickData.Object").Left(8).CompareNoCase(L"Star.Xno") == 0) s += L"ClickData.Object = \"\";"sv;
    }
    AppendRows(s, Rows(kShow));
    AppendRows(s, Rows(kProperMotion));
    if (m_bProperMotion) AppendScriptValue(s, {Number(IDC_STAR_PM_MAG).write}, m_dProperMotionMag);
    // The mode not chosen is not mentioned.
    if (m_nMagMode == 0) {
        s += L"Star.AutoMagnitudeLimit = TRUE;"sv;
        AppendScriptValue(s, {Number(IDC_STAR_MAG_AUTO_MIN).write}, m_dAutoMagMin);
    } else {
        s += L"Star.FixedMagnitudeLimit = TRUE;"sv;
        AppendScriptValue(s, {Number(IDC_STAR_MAG_MAX).write}, m_dFixedMagMax);
        AppendScriptValue(s, {Number(IDC_STAR_MAG_MIN).write}, m_dFixedMagMin);
    }
    AppendRows(s, Rows(kTwinkle));
    AppendScriptValue(s, {Number(IDC_STAR_TWINKLE_STRENGTH).write}, m_dTwinkleStrength);
    AppendScriptValue(s, {Number(IDC_STAR_SIZE).write}, m_dSize);
    AppendImageStyle(s);

    const bool japanese = m_bProperName && m_nNameLang == 0;
    const bool english = m_bProperName && m_nNameLang != 0;
    AppendScriptBool(s, L"Star.JapaneseName.Visible"sv, japanese);
    AppendScriptBool(s, L"Star.EnglishName.Visible"sv, english);
    AppendRows(s, Rows(kLabels));
    for (std::wstring_view kind : kLabelKinds) AppendScriptBool(s, {kind, L".MagnitudeLimit"sv}, m_bNameMagLimit);
    if (m_bNameMagLimit)
        for (std::wstring_view kind : kLabelKinds) AppendScriptValue(s, {kind, L".MagnitudeLimit.Minimum"sv}, m_dNameMagLimit);

    if (m_bAbsMag) {
        AppendScriptValue(s, {Number(IDC_STAR_ABSMAG_PARSEC).write}, m_dAbsMagParsec / 10);
        s += L"star.Distance.Calc3D = 0;star.Distance.Tenparsec = 1;"sv;
    } else {
        s += L"star.Distance.Calc3D = 0.007;star.Distance.Tenparsec = 0;star.Distance.Tenparsec.Multiplier = 10;"sv;
    }

    if (!AppendCatalogScript(s)) return FALSE;
    AppendRows(s, Rows(kOverlays));
    return FinishScript(s, script);
}

// The star data: with standard data and automatic switching the engine keeps the standard
// catalog and is told the catalog to switch to; with extended data that catalog is drawn.
BOOL CDlgStar::AppendCatalogScript(CString& s) {
    const std::wstring_view word = CStarCatalogs::ScriptWord(m_catalogs.IndexAt(m_nExtData));
    switch (m_nCatalogMode) {
        case 0:
        case 2:
            AppendScriptBool(s, L"Star.Catalog.Switch"sv, m_nCatalogMode == 2);
            s += L"Star.Catalog = Hipparcos;"sv;
            if (!word.empty()) {
                s += L"Star.Catalog.Switch.Catalog = "sv;
                s += word;
                s += L";"sv;
            }
            return TRUE;
        case 1:
            if (word.empty()) {
                AfxMessageBox(L"CDlgStar::OnOK(): No ext star data selected.", MB_OK);
                return FALSE;
            }
            s += L"Star.Catalog.Switch = FALSE;Star.Catalog = "sv;
            s += word;
            s += L";"sv;
            return TRUE;
        default:
            AfxMessageBox(L"CDlgStar::OnOK(): No star data selected.", MB_OK);
            return FALSE;
    }
}
