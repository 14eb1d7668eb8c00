// SPDX-License-Identifier: BSD-3-Clause
// The other-objects grid: six object classes, each a label, a show box and a name box, with
// top-level properties.
#include "dialogs/deepsky/dlgnbl.h"

using namespace std::string_view_literals;

namespace {

const tagEtcObjInfo kEtcObjs[] = {
    {IDC_NBL_INFRARED_LABEL, IDC_NBL_INFRARED, IDC_NBL_INFRARED_NAME, L"InfraredSource", FALSE, FALSE},
    {IDC_NBL_H2REGION_LABEL, IDC_NBL_H2REGION, IDC_NBL_H2REGION_NAME, L"H2Region", FALSE, FALSE},
    {IDC_NBL_XRAY_LABEL, IDC_NBL_XRAY, IDC_NBL_XRAY_NAME, L"XraySource", FALSE, FALSE},
    {IDC_NBL_QUASAR_LABEL, IDC_NBL_QUASAR, IDC_NBL_QUASAR_NAME, L"QuasarRadioGalaxy", FALSE, FALSE},
    {IDC_NBL_LOCAL_GALAXIES_LABEL, IDC_NBL_LOCAL_GALAXIES, IDC_NBL_LOCAL_GALAXIES_NAME, L"LocalGroupOfGalaxies", FALSE,
     FALSE},
    {IDC_NBL_GALAXY_CLUSTERS_LABEL, IDC_NBL_GALAXY_CLUSTERS, IDC_NBL_GALAXY_CLUSTERS_NAME, L"GroupClusterOfGalaxies",
     FALSE, FALSE},
};

}  // namespace

std::span<const tagEtcObjInfo> CDlgNbl::OtherObjects() { return kEtcObjs; }

void CDlgNbl::InitEtcObj() { m_aEtcObj.assign(std::begin(kEtcObjs), std::end(kEtcObjs)); }

void CDlgNbl::ReadEtcObj() {
    for (auto& e : m_aEtcObj) {
        e.bVisible = IsVisible({e.strName.str()});
        e.bName = IsVisible({e.strName.str(), L".Name"});
    }
}

void CDlgNbl::AppendEtcObj(CString& script) {
    for (const auto& e : m_aEtcObj) {
        AppendScriptVisible(script, {e.strName.str()}, e.bVisible);
        AppendScriptVisible(script, {e.strName.str(), L".Name"sv}, e.bName);
    }
}

void CDlgNbl::OnApplyEtc() {
    SetEtcEnableOrDisable();
    Apply();
}
