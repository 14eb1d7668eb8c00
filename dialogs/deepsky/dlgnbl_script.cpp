// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky script: the checks on what the edits hold, then every statement in its order.
#include "dialogs/deepsky/dlgnbl.h"

using namespace nbl_numbers;

BOOL CDlgNbl::GetScript(CString* script, Report report) {
    if (AnyFeatureChecked() && IsDlgButtonChecked(IDC_NBL_LIMIT_MAG)) {
        if (!CheckRange(kMagMax, report) || !CheckRange(kMagMin, report) || !CheckMagOrder(kMagMax, kMagMin, report))
            return FALSE;
    }
    if (IsDlgButtonChecked(IDC_NBL_IMAGE) && !CheckRange(kBrightness, report)) return FALSE;
    if (IsDlgButtonChecked(IDC_NBL_PGC) && IsDlgButtonChecked(IDC_NBL_PGC_LIMIT_MAG)) {
        if (!CheckRange(kPgcMagMax, report) || !CheckRange(kPgcMagMin, report) ||
            !CheckMagOrder(kPgcMagMax, kPgcMagMin, report))
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
            AppendScriptValue(s, {kMagMin.write}, m_dLimitMagMin);
            AppendScriptValue(s, {kMagMax.write}, m_dLimitMagMax);
        }
    }
    AppendRows(s, Rows(kImages));
    AppendScriptValue(s, {kBrightness.write}, m_dImageBrightness);
    AppendRows(s, Rows(kPgc));
    AppendRows(s, Rows(kPgcLabels));
    AppendScriptVisible(s, {p, L".PGC.Image"}, m_nPgcShape == 0);
    AppendScriptVisible(s, {p, L".PGC.Outline"}, m_nPgcShape != 0);
    // The PGC range is written whether or not its limit is on.
    AppendScriptBool(s, {p, L".PGC.FixedMagnitudeLimit"}, m_bPgcLimitMag);
    AppendScriptValue(s, {kPgcMagMin.write}, m_dPgcLimitMagMin);
    AppendScriptValue(s, {kPgcMagMax.write}, m_dPgcLimitMagMax);
    AppendScriptBool(s, {p, L".PGC.Point.Visible"}, m_bPgcPoint);
    AppendEtcObj(s);
    return FinishScript(s, script);
}
