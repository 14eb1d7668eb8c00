// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky script: the checks on what the edits hold, then every statement in its order.
#include "dialogs/deepsky/dlgnbl.h"

using namespace std::string_view_literals;

BOOL CDlgNbl::GetScript(CString* script, Report report) {
    const auto &magMax = Number(IDC_NBL_MAG_MAX), &magMin = Number(IDC_NBL_MAG_MIN);
    const auto &pgcMax = Number(IDC_NBL_PGC_MAG_MAX), &pgcMin = Number(IDC_NBL_PGC_MAG_MIN);
    if (AnyFeatureChecked() && IsDlgButtonChecked(IDC_NBL_LIMIT_MAG)) {
        if (!CheckRange(magMax, report) || !CheckRange(magMin, report) || !CheckMagOrder(magMax, magMin, report))
            return FALSE;
    }
    if (IsDlgButtonChecked(IDC_NBL_IMAGE) && !CheckRange(Number(IDC_NBL_BRIGHTNESS), report)) return FALSE;
    if (IsDlgButtonChecked(IDC_NBL_PGC) && IsDlgButtonChecked(IDC_NBL_PGC_LIMIT_MAG)) {
        if (!CheckRange(pgcMax, report) || !CheckRange(pgcMin, report) || !CheckMagOrder(pgcMax, pgcMin, report))
            return FALSE;
    }
    // Text the checks pass but the exchange cannot read (an empty edit) has had the framework's
    // own message; nothing is sent.
    if (!UpdateData(TRUE)) return FALSE;

    const std::wstring& p = m_strObject.str();
    CString s = StartScript();
    bool any = false;
    for (const auto& f : m_aFeatureType) {
        AppendScriptVisible(s, {p, L"."sv, f.strName.str()}, f.bCheck);
        if (f.nType == 1) AppendScriptVisible(s, {L"MagellanicCloud.Name"sv}, f.bCheck);
        any = any || f.bCheck;
    }
    if (any) {
        AppendListScript(s);
        AppendScriptBool(s, {p, L".FixedMagnitudeLimit"sv}, m_bLimitMag);
        if (m_bLimitMag) {
            AppendScriptValue(s, {magMin.write}, m_dLimitMagMin);
            AppendScriptValue(s, {magMax.write}, m_dLimitMagMax);
        }
    }
    AppendRows(s, Rows(kImages));
    AppendScriptValue(s, {Number(IDC_NBL_BRIGHTNESS).write}, m_dImageBrightness);
    AppendRows(s, Rows(kPgc));
    AppendRows(s, Rows(kPgcLabels));
    AppendScriptVisible(s, {p, L".PGC.Image"sv}, m_nPgcShape == 0);
    AppendScriptVisible(s, {p, L".PGC.Outline"sv}, m_nPgcShape != 0);
    // The PGC range is written whether or not its limit is on.
    AppendScriptBool(s, {p, L".PGC.FixedMagnitudeLimit"sv}, m_bPgcLimitMag);
    AppendScriptValue(s, {pgcMin.write}, m_dPgcLimitMagMin);
    AppendScriptValue(s, {pgcMax.write}, m_dPgcLimitMagMax);
    AppendScriptBool(s, {p, L".PGC.Point.Visible"sv}, m_bPgcPoint);
    AppendEtcObj(s);
    return FinishScript(s, script);
}
