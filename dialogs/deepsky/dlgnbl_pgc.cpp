// SPDX-License-Identifier: BSD-3-Clause
// PGC galaxies, whose data may not be installed: their reads, the PGC boxes and the PGC limit.
#include "dialogs/deepsky/dlgnbl.h"

namespace {

// The texts of the missing-data notice.
constexpr const wchar_t* kPgcData = L"PGCデータ";
constexpr const wchar_t* kPgcCatalog = L"銀河カタログ(PGC)";

}  // namespace

// The limit and points are asked only while PGC galaxies are shown.
void CDlgNbl::ReadPgc() {
    ReadRows(Rows(kPgc));
    ReadRows(Rows(kPgcLabels));
    m_nPgcShape = IsVisible({m_strObject.str(), L".PGC.Outline"}) ? 1 : 0;
    if (!m_bPgc) return;
    m_bPgcLimitMag = Query({m_strObject.str(), L".PGC.FixedMagnitudeLimit"}) == L"TRUE";
    if (m_bPgcLimitMag) {
        ReadNumber(Number(IDC_NBL_PGC_MAG_MIN));
        ReadNumber(Number(IDC_NBL_PGC_MAG_MAX));
    }
    m_bPgcPoint = IsVisible({m_strObject.str(), L".PGC.Point"});
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
