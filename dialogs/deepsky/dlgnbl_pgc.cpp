// SPDX-License-Identifier: BSD-3-Clause
// PGC galaxies (whose data may not be installed), images, the other-objects grid, the enable
// rules, and the stepping of the dialog's edits.
#include <algorithm>

#include "dialogs/deepsky/dlgnbl.h"
#include "framework/numbers.h"
#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

const tagEtcObjInfo kEtcObjs[] = {
    {IDC_NBL_INFRARED_LABEL, IDC_NBL_INFRARED, IDC_NBL_INFRARED_NAME, L"InfraredSource", FALSE, FALSE, FALSE},
    {IDC_NBL_H2REGION_LABEL, IDC_NBL_H2REGION, IDC_NBL_H2REGION_NAME, L"H2Region", FALSE, FALSE, FALSE},
    {IDC_NBL_XRAY_LABEL, IDC_NBL_XRAY, IDC_NBL_XRAY_NAME, L"XraySource", FALSE, FALSE, FALSE},
    {IDC_NBL_QUASAR_LABEL, IDC_NBL_QUASAR, IDC_NBL_QUASAR_NAME, L"QuasarRadioGalaxy", FALSE, FALSE, FALSE},
    {IDC_NBL_LOCAL_GALAXIES_LABEL, IDC_NBL_LOCAL_GALAXIES, IDC_NBL_LOCAL_GALAXIES_NAME, L"LocalGroupOfGalaxies", FALSE,
     FALSE, FALSE},
    {IDC_NBL_GALAXY_CLUSTERS_LABEL, IDC_NBL_GALAXY_CLUSTERS, IDC_NBL_GALAXY_CLUSTERS_NAME, L"GroupClusterOfGalaxies",
     FALSE, FALSE, FALSE},
};

// The tenths each stepped edit keeps within. The up-down controls keep no range of their own:
// only the sign of their delta counts.
struct SpinBounds {
    UINT edit;
    int lower10, upper10;
};
constexpr SpinBounds kSpinBounds[] = {
    {IDC_NBL_MAG_MAX, -20, 180},     {IDC_NBL_MAG_MIN, -20, 180},   {IDC_NBL_PGC_MAG_MAX, -20, 260},
    {IDC_NBL_PGC_MAG_MIN, -20, 260}, {IDC_NBL_BRIGHTNESS, 1, 10},
};

// The texts of the missing-data notice.
constexpr const wchar_t* kPgcData = L"PGCデータ";
constexpr const wchar_t* kPgcCatalog = L"銀河カタログ(PGC)";

}  // namespace

void CDlgNbl::InitEtcObj() { m_aEtcObj.assign(std::begin(kEtcObjs), std::end(kEtcObjs)); }

void CDlgNbl::ReadEtcObj() {
    for (auto& e : m_aEtcObj) {
        const BOOL visible = IsVisible(e.strName);
        const BOOL name = IsVisible(e.strName + L".Name");
        if (e.bNameWithVisible) {
            e.bVisible = visible && name;
            e.bName = FALSE;
        } else {
            e.bVisible = visible;
            e.bName = name;
        }
    }
}

void CDlgNbl::AppendEtcObj(CString& script) {
    for (const auto& e : m_aEtcObj) {
        AppendScriptVisible(script, {e.strName.str()}, e.bVisible);
        AppendScriptVisible(script, {e.strName.str(), L".Name"}, e.bNameWithVisible ? e.bVisible : e.bName);
    }
}

// A name box is usable while its row is shown.
void CDlgNbl::SetEtcEnableOrDisable() {
    for (const auto& e : m_aEtcObj)
        if (!e.bNameWithVisible) EnableItem(e.nNameID, IsDlgButtonChecked(static_cast<int>(e.nVisibleID)) != 0);
}

void CDlgNbl::OnApplyEtc() {
    SetEtcEnableOrDisable();
    Apply();
}

// The restrictions and the magnitude range follow the annotations; the brightness follows them
// and the image box. The outline and image boxes themselves always stay usable.
void CDlgNbl::SetNgcEnableOrDisable() {
    const bool any = AnyFeatureChecked();
    const bool limit = IsDlgButtonChecked(IDC_NBL_LIMIT_MAG) != 0;
    const bool image = IsDlgButtonChecked(IDC_NBL_IMAGE) != 0;
    EnableItems({IDC_NBL_LIMIT_GROUP, IDC_NBL_CATALOG_LABEL, IDC_NBL_CATALOG_LIST, IDC_NBL_LEVEL_LABEL, IDC_NBL_LEVEL_LIST,
                 IDC_NBL_TYPE_LABEL, IDC_NBL_TYPE_LIST, IDC_NBL_MAG_GROUP, IDC_NBL_LIMIT_MAG},
                any);
    EnableItems({IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, IDC_NBL_MAG_TO, IDC_NBL_MAG_MIN, IDC_NBL_MAG_MIN_SPIN,
                 IDC_NBL_MAG_UNIT},
                any && limit);
    EnableItems({IDC_NBL_BRIGHTNESS_LABEL, IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, IDC_NBL_IMAGE_RESET}, any && image);
    UpdateLists();
}

// The PGC group follows the PGC box (which itself stays usable); with it checked, the range
// follows the limit box and the script is applied.
void CDlgNbl::SetPgcEnableOrDisable() {
    const bool pgc = IsDlgButtonChecked(IDC_NBL_PGC) != 0;
    EnableItems({IDC_NBL_PGC_ALIAS, IDC_NBL_PGC_NUMBER, IDC_NBL_PGC_MAGNITUDE, IDC_NBL_PGC_MAG_GROUP,
                 IDC_NBL_PGC_LIMIT_MAG, IDC_NBL_PGC_POINT, IDC_NBL_PGC_SHAPE_GROUP, IDC_NBL_PGC_SHAPE_IMAGE,
                 IDC_NBL_PGC_SHAPE_OUTLINE},
                pgc);
    if (pgc) {
        OnCheckPgcLimitMag();
    } else {
        EnableItems({IDC_NBL_PGC_MAG_MAX, IDC_NBL_PGC_MAG_MAX_SPIN, IDC_NBL_PGC_MAG_TO, IDC_NBL_PGC_MAG_MIN,
                     IDC_NBL_PGC_MAG_MIN_SPIN, IDC_NBL_PGC_MAG_UNIT},
                    false);
    }
}

void CDlgNbl::OnCheckPgcLimitMag() {
    const bool limit = IsDlgButtonChecked(IDC_NBL_PGC_LIMIT_MAG) != 0;
    EnableItems({IDC_NBL_PGC_MAG_MIN, IDC_NBL_PGC_MAG_MIN_SPIN, IDC_NBL_PGC_MAG_TO, IDC_NBL_PGC_MAG_MAX,
                 IDC_NBL_PGC_MAG_MAX_SPIN, IDC_NBL_PGC_MAG_UNIT},
                limit);
    Apply();
}

// Without the PGC data the first click takes the PGC box back, tells the main window once and
// leaves the box disabled; the lock then keeps the handler quiet for good.
void CDlgNbl::OnCheckPgcVisible() {
    if (m_bPgcLock) return;
    m_bPgcLock = TRUE;
    if (m_bPgcDataExist) {
        SetPgcEnableOrDisable();
        m_bPgcLock = FALSE;
        Apply();
        return;
    }
    m_bPgc = FALSE;
    UpdateData(FALSE);
    if (CWnd* first = GetDlgItem(IDC_NBL_MARK)) first->SetFocus();
    SendMissingDataNotice(kPgcData, kPgcCatalog);
    EnableItem(IDC_NBL_PGC, false);
}

// The brightness follows the image box alone here, whatever the annotations say.
void CDlgNbl::OnCheckImage() {
    EnableItems({IDC_NBL_BRIGHTNESS_LABEL, IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, IDC_NBL_IMAGE_RESET},
                IsDlgButtonChecked(IDC_NBL_IMAGE) != 0);
    Apply();
}

// The edit's change notification applies.
void CDlgNbl::OnBtnImageReset() {
    CString text;
    text.Format(L"%-.1f", 1.0);
    SetDlgItemText(IDC_NBL_BRIGHTNESS, text);
}

// One tenth by the sign of delta, kept within the edit's bounds. The text is written as any
// program write: its change notification applies, once.
void CDlgNbl::UpdateMagSpin(int editId, int delta) {
    CWnd* edit = GetDlgItem(editId);
    if (!edit) return;
    int n = zem::StepTenths(zem::Tenths(crt::_wtof(edit->WindowText().c_str())), delta);
    for (const SpinBounds& b : kSpinBounds) {
        if (static_cast<int>(b.edit) != editId) continue;
        n = std::min(n, b.upper10);
        n = std::max(n, b.lower10);
    }
    CString text;
    text.Format(L"%-.1f", n / 10.0);
    edit->SetWindowText(text);
}

void CDlgNbl::OnDeltaposDspNblSpinLimitMagMax(NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(IDC_NBL_MAG_MAX, zem::SpinDelta(pNotify));
    *pResult = 0;
}

void CDlgNbl::OnDeltaposDspNblSpinLimitMagMin(NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(IDC_NBL_MAG_MIN, zem::SpinDelta(pNotify));
    *pResult = 0;
}

void CDlgNbl::OnDeltaposDspNblSpinImageBrightness(NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(IDC_NBL_BRIGHTNESS, zem::SpinDelta(pNotify));
    *pResult = 0;
}

void CDlgNbl::OnDeltaposDspNblSpinPgcLimitMagMax(NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(IDC_NBL_PGC_MAG_MAX, zem::SpinDelta(pNotify));
    *pResult = 0;
}

void CDlgNbl::OnDeltaposDspNblSpinPgcLimitMagMin(NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(IDC_NBL_PGC_MAG_MIN, zem::SpinDelta(pNotify));
    *pResult = 0;
}
