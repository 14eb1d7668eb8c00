// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemdcm/setcolordialog.h"

#include <utility>

namespace {
CSetColorDialogPresenter* g_presenter = nullptr;
int g_runs = 0;
CString g_lastKey;
}  // namespace

CSetColorDialogPresenter::~CSetColorDialogPresenter() = default;

CSetColorDialog::CSetColorDialog(CCorQel* engine, CCorQel* engine2, CString text0, CString text1, const wchar_t* colourKey)
    : m_pQel(engine), m_pQel2(engine2), m_strText0(std::move(text0)), m_strText1(std::move(text1)), m_strKey(colourKey) {}

INT_PTR CSetColorDialog::DoModal() {
    ++g_runs;
    g_lastKey = m_strKey;
    return g_presenter ? g_presenter->Run(*this) : IDOK;
}

void CSetColorDialog::SetPresenter(CSetColorDialogPresenter* presenter) { g_presenter = presenter; }
int CSetColorDialog::RunCount() { return g_runs; }
CString CSetColorDialog::LastColourKey() { return g_lastKey; }
