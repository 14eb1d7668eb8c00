// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/milkyway/dlgmw.h"

#include <algorithm>

#include "framework/numbers.h"

using namespace std::string_view_literals;

namespace {

const DialogTraits kTraits{IDD_DSP_MW, IDS_HELP_MILKYWAY, L"MilkyWay.Outline.Color", ApplyKind::Live};

constexpr const auto& kBrightness = zem::Find(CDlgMw::kNumbers, IDC_MW_BRIGHTNESS_EDIT);

}  // namespace

CDlgMw::CDlgMw(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CSettingsDialog(engine, engine2, parent, kTraits) {}
CDlgMw::CDlgMw(CWnd* parent) : CSettingsDialog(parent, kTraits) {}

const DialogTraits& CDlgMw::Traits() { return kTraits; }

zem::HandSettings CDlgMw::HandSettings() {
    static constexpr zem::HandSetting settings[] = {
        {IDC_MW_REAL, L"Milkyway.Image.Visible;Milkyway.Outline.Visible",
         L"Milkyway.Image.Visible;Milkyway.Outline.Visible;MagellanicCloud.Image.Visible;MagellanicCloud.Outline.Visible"},
        {IDC_MW_BRIGHTNESS_EDIT, L"", L"MagellanicCloud.Image.Brightness"},
    };
    return settings;
}

const CMessageMap* CDlgMw::GetMessageMap() const {
    using M = MessageMapOf<CDlgMw>;
    static const CMessageMap map = MapWithRows<D>(CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_MW_COLOR, &D::OnButtonBrightness),
        M::OnBnClicked(IDC_MW_REAL, &D::OnRadioReal),
        M::OnBnClicked(IDC_MW_OUTLINE, &D::OnRadioOutline),
        M::OnEnChange(IDC_MW_BRIGHTNESS_EDIT, &D::OnEditBrightness),
        M::OnNotify(UDN_DELTAPOS, IDC_MW_BRIGHTNESS_SPIN, &D::OnDeltaposSpinBrightness),
    });
    return &map;
}

void CDlgMw::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    ExchangeRows(pDX, Rows());
    DDX_Radio(pDX, IDC_MW_REAL, m_nMode);
    ExchangeNumbers(pDX, Numbers());
}

void CDlgMw::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow controls[] = {
        {Ctl::Button, IDC_MW_COLOR},       {Ctl::GroupBox, IDC_MW_GROUP},      {Ctl::Static, IDC_MW_BRIGHTNESS_LABEL},
        {Ctl::RadioButton, IDC_MW_REAL},   {Ctl::RadioButton, IDC_MW_OUTLINE},
    };
    AttachTable(controls);
    AttachRows(Rows());
    AttachNumbers(Numbers());
}

BOOL CDlgMw::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    AttachControls();
    PrepareNumbers(Numbers());

    ReadRows(Rows());
    const bool image = Query(L"Milkyway.Image.Visible") == L"TRUE";
    const bool outline = Query(L"Milkyway.Outline.Visible") == L"TRUE";
    if (image || outline) {
        m_nMode = Query(L"Milkyway.Image.Visible") == L"TRUE" ? 0 : 1;
    } else {
        // Neither image nor outline: the Milky Way counts as hidden whatever Visible says.
        m_bVisible = FALSE;
        m_nMode = 0;
    }
    ReadNumber(kBrightness);
    m_nBrightness10 = zem::Tenths(m_dBrightness);

    UpdateData(FALSE);
    UpdateControls();
    StoreUndoScript();
    return TRUE;
}

BOOL CDlgMw::GetScript(CString* script) {
    UpdateData(TRUE);  // an unreadable brightness keeps its previous value, which is sent again
    m_nBrightness10 = std::clamp(zem::Tenths(m_dBrightness), kBrightness.lower10, kBrightness.upper10);

    CString s = StartScript();
    AppendRows(s, Rows());
    if (m_nMode == 0) {
        s += L"Milkyway.Image.Visible = TRUE ; Milkyway.Outline.Visible = FALSE ; "
             L"MagellanicCloud.Image.Visible = TRUE ; MagellanicCloud.Outline.Visible = FALSE ; "sv;
        s += kBrightness.write;
        s += L" = "sv;
        s.AppendFixed1(m_dBrightness);
        s += L" ; MagellanicCloud.Image.Brightness = "sv;
        s.AppendFixed1(m_dBrightness * 0.25);
        s += L" ;"sv;
    } else if (m_nMode == 1) {
        s += L"Milkyway.Image.Visible = FALSE ; Milkyway.Outline.Visible = TRUE ; "
             L"MagellanicCloud.Image.Visible = FALSE ; MagellanicCloud.Outline.Visible = TRUE;"sv;
    }
    return FinishScript(s, script);
}

void CDlgMw::Apply() {
    CSettingsDialog::Apply();
    UpdateControls();
}

void CDlgMw::UpdateControls() {
    const bool real = IsDlgButtonChecked(IDC_MW_REAL) != 0;
    EnableItem(IDC_MW_COLOR, !real);
    EnableItems({IDC_MW_BRIGHTNESS_LABEL, IDC_MW_BRIGHTNESS_EDIT, IDC_MW_BRIGHTNESS_SPIN}, real);
}

void CDlgMw::UpdateBrightnessValue() {
    m_dBrightness = m_nBrightness10 / 10.0;
    // Its change notification validates and applies.
    if (CWnd* edit = GetDlgItem(IDC_MW_BRIGHTNESS_EDIT)) edit->SetWindowTextFixed1(m_dBrightness);
}

void CDlgMw::OnButtonBrightness() { OpenColourDialog(); }
void CDlgMw::OnRadioReal() { Apply(); }
void CDlgMw::OnRadioOutline() { Apply(); }

void CDlgMw::OnEditBrightness() {
    const double kept = m_dBrightness;
    UpdateData(TRUE);
    const int tenths = zem::Tenths(m_dBrightness);
    if (tenths < kBrightness.lower10 || tenths > kBrightness.upper10) {
        AfxMessageBox(kBrightness.message, MB_ICONINFORMATION);
        m_dBrightness = kept;
        UpdateData(FALSE);
        return;
    }
    m_nBrightness10 = tenths;
    Apply();
}

void CDlgMw::OnDeltaposSpinBrightness(NMHDR* pNotify, LRESULT* pResult) {
    *pResult = 0;
    const int delta = reinterpret_cast<NMUPDOWN*>(pNotify)->iDelta;
    // The spin keeps its default range (maximum 0, minimum 100), so the up arrow arrives negative.
    const long long next = static_cast<long long>(m_nBrightness10) + (delta < 0 ? 1 : delta > 0 ? -1 : 0);
    if (delta == 0) return;
    if (next > kBrightness.upper10) {
        m_nBrightness10 = kBrightness.upper10;
        return;
    }
    if (next < kBrightness.lower10) {
        m_nBrightness10 = kBrightness.lower10;
        return;
    }
    m_nBrightness10 = static_cast<int>(next);
    SendMessage(WM_PAINT);
    UpdateBrightnessValue();
}
