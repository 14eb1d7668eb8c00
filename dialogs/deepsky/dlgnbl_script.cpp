// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky script: the checks on what the edits hold, then every statement in its order.
#include "dialogs/deepsky/dlgnbl.h"

#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

// Magnitude ranges of the annotations and of PGC galaxies, and the image brightness.
constexpr double kMagLower = -2.0, kMagUpper = 18.0;
constexpr double kPgcMagLower = -2.0, kPgcMagUpper = 26.0;
constexpr double kBrightnessLower = 0.1, kBrightnessUpper = 1.0;

}  // namespace

// The outline and image switches, then PGC galaxies with their labels. Their paths are the object
// prefix's; the limit and point boxes of PGC galaxies are asked only while PGC galaxies are shown
// and written always, so they are not rows.
zem::SettingRows<CDlgNbl> CDlgNbl::Rows() {
    using D = CDlgNbl;
    static const zem::SettingRow<D> rows[] = {
        {IDC_NBL_OUTLINE, &D::m_bOutline, L"DeepSkyObject.Outline.Visible", L"DeepSkyObject.Outline.Visible"},
        {IDC_NBL_IMAGE, &D::m_bImage, L"DeepSkyObject.Image.Visible", L"DeepSkyObject.Image.Visible"},
        {IDC_NBL_PGC, &D::m_bPgc, L"DeepSkyObject.PGC.Visible", L"DeepSkyObject.PGC.Visible"},
        {IDC_NBL_PGC_NUMBER, &D::m_bPgcNumber, L"DeepSkyObject.PGC.Number.Visible", L"DeepSkyObject.PGC.Number.Visible"},
        {IDC_NBL_PGC_ALIAS, &D::m_bPgcAliasName, L"DeepSkyObject.PGC.AliasName.Visible",
         L"DeepSkyObject.PGC.AliasName.Visible"},
        {IDC_NBL_PGC_MAGNITUDE, &D::m_bPgcMagnitude, L"DeepSkyObject.PGC.Magnitude.Visible",
         L"DeepSkyObject.PGC.Magnitude.Visible"},
    };
    return zem::Rows(rows);
}

bool CDlgNbl::AnyFeatureChecked() const {
    for (UINT id : {IDC_NBL_MARK, IDC_NBL_NAME, IDC_NBL_NUMBER, IDC_NBL_MAGNITUDE})
        if (IsDlgButtonChecked(static_cast<int>(id))) return true;
    return false;
}

// The checks read the edits as their leading number (0.0 for none) and report nothing of their
// own about text that is not a number.
int CDlgNbl::CheckMagRange(int editId, double upper, double lower, int silent) {
    return m_mag.CheckMagRange(editId, upper, lower, silent ? 0 : IDS_MAG_RANGE, zem::MagText::LeadingNumber);
}

// The same message as the annotations' range.
int CDlgNbl::CheckPgcMagRange(int editId, double upper, double lower, int silent) {
    return CheckMagRange(editId, upper, lower, silent);
}

int CDlgNbl::CheckImageBrightnessRange(int editId, double lower, double upper, int silent) {
    return m_mag.CheckMagRange(editId, upper, lower, silent ? 0 : IDS_NBL_IMAGE_BRIGHTNESS_RANGE,
                               zem::MagText::LeadingNumber);
}

// The bright end must not be numerically above the faint end; equal passes.
int CDlgNbl::CheckMagOrder(int maxEditId, int minEditId, int silent) {
    CString bright, faint;
    GetDlgItemText(maxEditId, bright);
    GetDlgItemText(minEditId, faint);
    if (crt::_wtof(bright) > crt::_wtof(faint)) {
        if (!silent) AfxMessageBox(IDS_MAG_ORDER, MB_ICONINFORMATION);
        return 0;
    }
    return 1;
}

BOOL CDlgNbl::GetScript(CString* script, int silent) {
    if (AnyFeatureChecked() && IsDlgButtonChecked(IDC_NBL_LIMIT_MAG)) {
        if (!CheckMagRange(IDC_NBL_MAG_MAX, kMagUpper, kMagLower, silent) ||
            !CheckMagRange(IDC_NBL_MAG_MIN, kMagUpper, kMagLower, silent) ||
            !CheckMagOrder(IDC_NBL_MAG_MAX, IDC_NBL_MAG_MIN, silent))
            return FALSE;
    }
    if (IsDlgButtonChecked(IDC_NBL_IMAGE) &&
        !CheckImageBrightnessRange(IDC_NBL_BRIGHTNESS, kBrightnessLower, kBrightnessUpper, silent))
        return FALSE;
    if (IsDlgButtonChecked(IDC_NBL_PGC) && IsDlgButtonChecked(IDC_NBL_PGC_LIMIT_MAG)) {
        if (!CheckPgcMagRange(IDC_NBL_PGC_MAG_MAX, kPgcMagUpper, kPgcMagLower, silent) ||
            !CheckPgcMagRange(IDC_NBL_PGC_MAG_MIN, kPgcMagUpper, kPgcMagLower, silent) ||
            !CheckMagOrder(IDC_NBL_PGC_MAG_MAX, IDC_NBL_PGC_MAG_MIN, silent))
            return FALSE;
    }
    // Text the checks pass but the exchange cannot read (an empty edit) has had the framework's
    // own message; nothing is sent.
    if (!UpdateData(TRUE)) return FALSE;

    const std::wstring& p = m_strObject.str();
    CString s = StartScript();
    bool any = false;
    for (const auto& f : m_aFeatureType) {
        AppendScriptVisible(s, {p, L".", f.strName.str()}, f.bCheck);
        if (f.nType == 1) AppendScriptVisible(s, {L"MagellanicCloud.Name"}, f.bCheck);
        any = any || f.bCheck;
    }
    if (any) {
        AppendListScript(s);
        AppendScriptBool(s, {p, L".FixedMagnitudeLimit"}, m_bLimitMag);
        if (m_bLimitMag) {
            AppendScriptValue(s, {p, L".FixedMagnitudeLimit.Minimum"}, m_dLimitMagMin);
            AppendScriptValue(s, {p, L".FixedMagnitudeLimit.Maximum"}, m_dLimitMagMax);
        }
    }
    const auto rows = Rows();
    AppendRows(s, rows.first(2));
    AppendScriptValue(s, {p, L".Image.Brightness"}, m_dImageBrightness);
    AppendRows(s, rows.subspan(2));
    AppendScriptVisible(s, {p, L".PGC.Image"}, m_nPgcShape == 0);
    AppendScriptVisible(s, {p, L".PGC.Outline"}, m_nPgcShape != 0);
    // The PGC range is written whether or not its limit is on.
    AppendScriptBool(s, {p, L".PGC.FixedMagnitudeLimit"}, m_bPgcLimitMag);
    AppendScriptValue(s, {p, L".PGC.FixedMagnitudeLimit.Minimum"}, m_dPgcLimitMagMin);
    AppendScriptValue(s, {p, L".PGC.FixedMagnitudeLimit.Maximum"}, m_dPgcLimitMagMax);
    AppendScriptBool(s, {p, L".PGC.Point.Visible"}, m_bPgcPoint);
    AppendEtcObj(s);
    return FinishScript(s, script);
}
