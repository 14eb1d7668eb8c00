// SPDX-License-Identifier: BSD-3-Clause
// CDlgStar: the star data (standard data, one extended catalog or automatic switching), the
// extended-data list and its detail dialogs, and the notice when no extended catalog is installed.
#include "dialogs/overlay/dlgstargsc.h"
#include "dialogs/overlay/dlgstarusnoa20.h"
#include "dialogs/star/dlgstar.h"
#include "platform/crt.h"

// The list shows the engine's names of the catalogs it has; the limits are kept for all four.
void CDlgStar::InitExtData() {
    CString query;
    for (int i = 0; i < CStarCatalogs::kCount; ++i) {
        query.Format(L"Star.Catalog.%s.LocalName", CStarCatalogs::QueryWord(i));
        const CString name = Query(query);
        if (!name.IsEmpty()) {
            m_cmbExtData.AddString(name);
            m_catalogs.List(i);
        }
        query.Format(L"Star.Catalog.%s.MagnitudeLimit.Minmag", CStarCatalogs::QueryWord(i));
        m_catalogs.SetLimit(i, crt::_wtof(Query(query)));
    }
    if (m_catalogs.Count() == 0) m_cmbExtData.EnableWindow(FALSE);
}

// The data in use. With standard data the list still shows the catalog automatic switching would
// use; a catalog the list does not have selects nothing.
void CDlgStar::ReadStarCatalogInfo() {
    int catalog = -1, autoSwitch = 0, switchCatalog = -1;
    if (m_pQel) m_pQel->GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
    int code = catalog;
    if (autoSwitch) {
        m_nCatalogMode = 2;
        code = switchCatalog;
    } else if (catalog == 1) {
        m_nCatalogMode = 0;
        code = switchCatalog;
    } else {
        m_nCatalogMode = 1;
    }
    m_nExtData = m_catalogs.PositionOf(CStarCatalogs::IndexOfCode(code));
    m_nExtDataInit = m_nExtData;
}

// The bound of the data in use, as the dialog opens.
void CDlgStar::InitMagBound() {
    const bool extended = !IsDlgButtonChecked(IDC_STAR_DATA_STD) && m_nExtData >= 0;
    m_catalogs.Use(extended ? m_catalogs.IndexAt(m_nExtData) + 1 : 0);
}

int CDlgStar::SelectedExtCatalog() const { return m_catalogs.IndexAt(m_cmbExtData.GetCurSel()); }

// A linked limit below the new data's default is raised to it; then every field is brought
// within the new bound (a limit above it comes down to it).
void CDlgStar::RaiseAutoMagToDefault(int selection) {
    if (IsDlgButtonChecked(IDC_STAR_MAG_AUTO)) {
        const double current = zem::EditNumber(*this, IDC_STAR_MAG_AUTO_MIN);
        const double fallback = GetDefaultMagValue(selection);
        m_mag.SetEditFixed1(IDC_STAR_MAG_AUTO_MIN, current < fallback ? fallback : current);
    }
    CheckAllMagEditBox();
}

// selection: 0 standard data, 1..4 extended catalog index + 1.
void CDlgStar::ChangeStarData(int selection, int catalogMode) {
    m_catalogs.Use(selection);
    RaiseAutoMagToDefault(selection);
    m_nCatalogMode = catalogMode;
    Apply();
}

void CDlgStar::OnRadioStd() {
    UpdateExtDataRadio();
    UpdateExtdataControls();
    ChangeStarData(0, 0);
}

void CDlgStar::OnRadioExt() { ChooseExtData(1); }
void CDlgStar::OnRadioAuto() { ChooseExtData(2); }

// Extended data or automatic switching. Without a catalog chosen in the list the radio shows the
// new choice, but nothing is applied until the next change.
void CDlgStar::ChooseExtData(int catalogMode) {
    if (!CheckExtData()) return;
    UpdateExtDataRadio();
    UpdateExtdataControls();
    const int k = SelectedExtCatalog();
    if (k < 0) return;
    ChangeStarData(k + 1, catalogMode);
}

void CDlgStar::OnCbnSelchangeDspStarComboExtdata() {
    const int k = SelectedExtCatalog();
    if (k < 0) return;
    UpdateExtdataControls();
    ChangeStarData(k + 1, m_nCatalogMode);
}

// GSC-ACT and USNO-A2.0 have detail dialogs of their own, which apply their own scripts on this
// dialog's engines; afterwards this dialog applies its own once.
void CDlgStar::OnBnClickedDspStarExtdata() {
    if (!m_cmbExtData.IsWindowEnabled()) return;
    const int k = SelectedExtCatalog();
    if (k == 0) {
        CDlgStarGsc dialog(m_pQel, m_pQel2, nullptr);
        dialog.DoModal();
    } else if (k == 3) {
        CDlgStarUsnoA20 dialog(m_pQel, m_pQel2, nullptr);
        dialog.DoModal();
    }
    Apply();
}

void CDlgStar::UpdateExtDataRadio() {
    EnableItems({IDC_STAR_EXTDATA_LABEL, IDC_STAR_EXTDATA}, m_catalogs.Count() > 0 && !IsDlgButtonChecked(IDC_STAR_DATA_STD));
}

void CDlgStar::UpdateExtdataControls() {
    const int k = SelectedExtCatalog();
    EnableItem(IDC_STAR_EXTDATA_DETAIL, m_cmbExtData.IsWindowEnabled() && (k == 0 || k == 3));
}

// 1 when extended data may be chosen. Otherwise the standard data is put back, and the first time
// the data radios are locked and the host is told that no extended catalog is installed.
int CDlgStar::CheckExtData() {
    if (m_catalogs.Count() > 0) return 1;
    if (m_bExtDataNotified && m_bExtDataLocked) {
        CheckRadioButton(IDC_STAR_DATA_STD, IDC_STAR_DATA_AUTO, IDC_STAR_DATA_STD);
        return 0;
    }
    m_bExtDataNotified = TRUE;
    CheckRadioButton(IDC_STAR_DATA_STD, IDC_STAR_DATA_AUTO, IDC_STAR_DATA_STD);
    m_nCatalogMode = 0;
    EnableItems({IDC_STAR_DATA_LABEL, IDC_STAR_DATA_STD, IDC_STAR_DATA_EXT, IDC_STAR_DATA_AUTO}, false);
    if (CWnd* box = GetDlgItem(IDC_STAR_VISIBLE)) box->SetFocus();
    SendMissingDataNotice(L"拡張恒星データ", L"拡張恒星カタログ");
    m_bExtDataNotified = TRUE;
    m_bExtDataLocked = TRUE;
    return 0;
}
