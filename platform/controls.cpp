// SPDX-License-Identifier: BSD-3-Clause
#include "platform/controls.h"

namespace {
std::wstring_view Item(const WndRecord* w, int index) {
    if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return {};
    return w->items[static_cast<std::size_t>(index)];
}

// Into the text's own buffer.
void Read(std::wstring_view item, CString& text) { text.SetString(item.data(), static_cast<int>(item.size())); }
}  // namespace

std::wstring_view CComboBox::ItemText(int index) const { return Item(m_hWnd, index); }
void CComboBox::GetLBText(int index, CString& text) const { Read(Item(m_hWnd, index), text); }
void CListBox::GetText(int index, CString& text) const { Read(Item(m_hWnd, index), text); }
