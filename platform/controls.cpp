// SPDX-License-Identifier: BSD-3-Clause
#include "platform/controls.h"

namespace {
CString Item(const WndRecord* w, int index) {
    if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return {};
    return CString(w->items[static_cast<std::size_t>(index)]);
}
}  // namespace

void CComboBox::GetLBText(int index, CString& text) const { text = Item(m_hWnd, index); }
void CListBox::GetText(int index, CString& text) const { text = Item(m_hWnd, index); }
