// SPDX-License-Identifier: BSD-3-Clause
#include "framework/magfield.h"

#include <algorithm>
#include <initializer_list>

#include "framework/numbers.h"
#include "platform/crt.h"

namespace zem {

namespace {

// The module's own text (not the string table's).
constexpr const wchar_t* kNotANumber = L"数値を入力してください。";

}  // namespace

void PrepareSpin(CWnd& dialog, UINT spin) {
    if (CWnd* control = dialog.GetDlgItem(static_cast<int>(spin))) {
        control->SendMessage(UDM_SETRANGE, 0, 10000);  // upper 10000, lower 0
        control->SendMessage(UDM_SETPOS, 0, 5000);
    }
}

double EditNumber(const CWnd& dialog, UINT edit) {
    const CWnd* control = dialog.GetDlgItem(static_cast<int>(edit));
    return control ? control->WindowNumber().value : 0.0;
}

void CMagFields::WriteFixed1(CWnd& edit, double v) {
    m_bEditReady = FALSE;
    edit.SetWindowTextFixed1(v);
    m_bEditReady = TRUE;
}

void CMagFields::UpdateMagSpin(int editId, int delta, int upper10, int lower10) {
    CWnd* edit = m_dialog.GetDlgItem(editId);
    if (!edit) return;
    int n = StepTenths(Tenths(edit->WindowNumber().value), delta);
    n = std::min(n, upper10);
    n = std::max(n, lower10);
    WriteFixed1(*edit, n / 10.0);
}

void CMagFields::UpdateMagSpin(int editId, int delta) {
    if (m_pUpper10 && m_pLower10) UpdateMagSpin(editId, delta, *m_pUpper10, *m_pLower10);
}

void CMagFields::ClampMagEdit(int editId, int upper10, int lower10) {
    CWnd* edit = m_dialog.GetDlgItem(editId);
    if (!edit) return;
    const int n = Tenths(edit->WindowNumber().value);
    const int k = std::max(std::min(n, upper10), lower10);
    if (k != n) WriteFixed1(*edit, k / 10.0);
}

void CMagFields::SetEditText(int editId, const wchar_t* text) {
    m_bEditReady = FALSE;
    m_dialog.SetDlgItemText(editId, text);
    m_bEditReady = TRUE;
}

void CMagFields::SetEditFixed1(int editId, double v) {
    if (CWnd* edit = m_dialog.GetDlgItem(editId)) WriteFixed1(*edit, v);
}

bool CMagFields::ReadWholeNumber(int editId, double& value) {
    CWnd* edit = m_dialog.GetDlgItem(editId);
    return edit && ReadWholeNumber(*edit, value);
}

bool CMagFields::ReadWholeNumber(CWnd& edit, double& value) {
    const TextNumber number = edit.WindowNumber();
    value = number.value;
    if (edit.WindowText().c_str()[number.length] != L'\0') {
        AfxMessageBox(kNotANumber, MB_ICONINFORMATION);
        edit.SetFocus();
        return false;
    }
    return true;
}

int CMagFields::CheckMagRange(int editId, double upper, double lower, UINT messageId, MagText rule) {
    CWnd* edit = m_dialog.GetDlgItem(editId);
    if (!edit) return 1;
    double value = 0.0;
    if (rule == MagText::Strict) {
        if (!ReadWholeNumber(*edit, value)) return 0;
    } else {
        value = edit->WindowNumber().value;
    }
    // A NaN ("nan" reads as a number) compares false both ways and passes, as it always has.
    if (lower > value || value > upper) {
        if (messageId) {
            CString format, message;
            format.LoadString(messageId);
            message.Format(format, lower, upper);
            AfxMessageBox(message, MB_ICONINFORMATION);
        }
        return 0;
    }
    return 1;
}

void CMagLimit::Prepare() {
    if (m_traits.textLimit > 0) {
        for (UINT id : {m_traits.maximum.edit, m_traits.minimum.edit})
            if (CWnd* edit = m_dialog.GetDlgItem(static_cast<int>(id)))
                edit->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(m_traits.textLimit), 0);
    }
    PrepareSpin(m_dialog, m_traits.minimum.spin);
    PrepareSpin(m_dialog, m_traits.maximum.spin);
}

void CMagLimit::ReadFromEngine() {
    const bool autoLimit = m_dialog.Query({m_prefix, L".AutoMagnitudeLimit"}) == L"TRUE";
    const bool fixedLimit = m_dialog.Query({m_prefix, L".FixedMagnitudeLimit"}) == L"TRUE";
    m_bLimit = autoLimit || fixedLimit;
    m_nMode = fixedLimit ? 1 : 0;  // both on: the fixed range wins
    m_dMax = crt::_wtof(m_dialog.Query({m_prefix, L".FixedMagnitudeLimit.Maximum"}));
    m_dMin = crt::_wtof(m_dialog.Query({m_prefix, L".FixedMagnitudeLimit.Minimum"}));
}

void CMagLimit::WriteScript(StatementWriter& out) const {
    using namespace std::string_view_literals;
    out.Bool({m_prefix, L".AutoMagnitudeLimit"sv}, m_bLimit && m_nMode == 0);
    out.Bool({m_prefix, L".FixedMagnitudeLimit"sv}, m_bLimit && m_nMode == 1);
    out.Value({m_prefix, L".FixedMagnitudeLimit.Maximum"sv}, m_dMax);
    out.Value({m_prefix, L".FixedMagnitudeLimit.Minimum"sv}, m_dMin);
}

BOOL CMagLimit::CheckOrder() {
    if (!m_traits.orderMessage) return TRUE;
    if (EditNumber(m_dialog, m_traits.maximum.edit) > EditNumber(m_dialog, m_traits.minimum.edit)) {
        AfxMessageBox(m_traits.orderMessage, MB_ICONINFORMATION);
        return FALSE;
    }
    return TRUE;
}

void CMagLimit::EnableControls(bool view) {
    const MagLimitTraits& t = m_traits;
    const bool limit = view && m_dialog.IsDlgButtonChecked(static_cast<int>(t.limitCheck));
    const bool fixed = limit && m_dialog.IsDlgButtonChecked(static_cast<int>(t.fixedRadio));
    auto enable = [this](UINT id, bool on) { AfxEnableChild(m_dialog.m_hWnd, id, on); };
    enable(t.limitCheck, view);
    enable(t.autoRadio, limit);
    enable(t.fixedRadio, limit);
    for (UINT id : {t.maximum.edit, t.maximum.spin, t.toStatic, t.minimum.edit, t.minimum.spin, t.unitStatic})
        enable(id, fixed);
}

}  // namespace zem
