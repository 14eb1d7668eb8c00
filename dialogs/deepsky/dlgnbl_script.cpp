// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky script: the checks on what the edits hold, then every statement in its order.
#include "dialogs/deepsky/dlgnbl.h"

using namespace nbl_numbers;

zem::HandSettings CDlgNbl::HandSettings() {
    static constexpr zem::HandSetting settings[] = {
        {IDC_NBL_MARK, L"DeepSkyObject.Mark.Visible", L"DeepSkyObject.Mark.Visible"},
        {IDC_NBL_NAME, L"DeepSkyObject.Name.Visible", L"DeepSkyObject.Name.Visible;MagellanicCloud.Name.Visible"},
        {IDC_NBL_NUMBER, L"DeepSkyObject.Number.Visible", L"DeepSkyObject.Number.Visible"},
        {IDC_NBL_MAGNITUDE, L"DeepSkyObject.Magnitude.Visible", L"DeepSkyObject.Magnitude.Visible"},
        {IDC_NBL_LEVEL_LIST, L"DeepSkyObject.VisibleByBinocular.Visible;DeepSkyObject.VisibleByTelescope.Visible",
         L"DeepSkyObject.VisibleByBinocular.Visible;DeepSkyObject.VisibleByTelescope.Visible"},
        {IDC_NBL_LIMIT_MAG, L"DeepSkyObject.FixedMagnitudeLimit", L"DeepSkyObject.FixedMagnitudeLimit"},
        {IDC_NBL_PGC_LIMIT_MAG, L"DeepSkyObject.PGC.FixedMagnitudeLimit", L"DeepSkyObject.PGC.FixedMagnitudeLimit"},
        {IDC_NBL_PGC_POINT, L"DeepSkyObject.PGC.Point.Visible", L"DeepSkyObject.PGC.Point.Visible"},
        {IDC_NBL_PGC_SHAPE_IMAGE, L"DeepSkyObject.PGC.Outline.Visible",
         L"DeepSkyObject.PGC.Image.Visible;DeepSkyObject.PGC.Outline.Visible"},
        {IDC_NBL_INFRARED, L"InfraredSource.Visible", L"InfraredSource.Visible"},
        {IDC_NBL_INFRARED_NAME, L"InfraredSource.Name.Visible", L"InfraredSource.Name.Visible"},
        {IDC_NBL_H2REGION, L"H2Region.Visible", L"H2Region.Visible"},
        {IDC_NBL_H2REGION_NAME, L"H2Region.Name.Visible", L"H2Region.Name.Visible"},
        {IDC_NBL_XRAY, L"XraySource.Visible", L"XraySource.Visible"},
        {IDC_NBL_XRAY_NAME, L"XraySource.Name.Visible", L"XraySource.Name.Visible"},
        {IDC_NBL_QUASAR, L"QuasarRadioGalaxy.Visible", L"QuasarRadioGalaxy.Visible"},
        {IDC_NBL_QUASAR_NAME, L"QuasarRadioGalaxy.Name.Visible", L"QuasarRadioGalaxy.Name.Visible"},
        {IDC_NBL_LOCAL_GALAXIES, L"LocalGroupOfGalaxies.Visible", L"LocalGroupOfGalaxies.Visible"},
        {IDC_NBL_LOCAL_GALAXIES_NAME, L"LocalGroupOfGalaxies.Name.Visible", L"LocalGroupOfGalaxies.Name.Visible"},
        {IDC_NBL_GALAXY_CLUSTERS, L"GroupClusterOfGalaxies.Visible", L"GroupClusterOfGalaxies.Visible"},
        {IDC_NBL_GALAXY_CLUSTERS_NAME, L"GroupClusterOfGalaxies.Name.Visible", L"GroupClusterOfGalaxies.Name.Visible"},
    };
    return settings;
}

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
