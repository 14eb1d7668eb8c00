// SPDX-License-Identifier: BSD-3-Clause
// Case folding for every comparison that ignores case: ASCII letters only, as the sky engine
// compares its paths. It never consults the process locale, so a dotted capital I (U+0130) stays
// itself in Turkish as in any other locale, and every layer agrees on what "the same" means.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zem {

constexpr wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
constexpr wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }
constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// <0, 0 or >0 as the folded texts compare.
constexpr int CompareNoCase(std::wstring_view a, std::wstring_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t x = AsciiLower(a[i]), y = AsciiLower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The text with its ASCII letters lowered: a key under which texts equal without regard to case meet.
inline std::wstring AsciiLowered(std::wstring text) {
    for (wchar_t& c : text) c = AsciiLower(c);
    return text;
}

constexpr bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

}  // namespace zem
