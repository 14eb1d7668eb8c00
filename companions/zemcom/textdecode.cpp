// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcom/textdecode.h"

#include "companions/zemcom/cp932_table.h"
#include "platform/format.h"

namespace zem {

namespace {

constexpr wchar_t kReplacement = L'\xFFFD';

bool IsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const int len = (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
        if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) return false;
        const auto c1 = static_cast<unsigned char>(s[i + 1]);
        // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
        const unsigned char lo = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
        const unsigned char hi = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
        if (c1 < lo || c1 > hi) return false;
        for (int k = 2; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(len);
    }
    return true;
}

std::wstring DecodeUtf16(std::string_view s, bool bigEndian) {
    std::wstring out;
    out.reserve(s.size() / 2);
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
        return bigEndian ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
    };
    std::size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < s.size()) {
            const char32_t v = unit(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        out += (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : static_cast<wchar_t>(u);
    }
    if (i < s.size()) out += kReplacement;  // a lone last byte
    return out;
}

}  // namespace

std::wstring DecodeCp932(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += static_cast<wchar_t>(b);
        } else if (b >= 0xA1 && b <= 0xDF) {
            out += static_cast<wchar_t>(0xFF61 + (b - 0xA1));  // half-width katakana
        } else {
            const int lead = cp932::LeadIndex(b);
            const int trail = i + 1 < s.size() ? cp932::TrailIndex(static_cast<unsigned char>(s[i + 1])) : -1;
            if (lead < 0 || trail < 0) {
                // Only the bad byte is lost: the next one (a line end, say) is read again.
                out += kReplacement;
                continue;
            }
            const cp932::Row& row = cp932::kRows[lead];
            if (row.text) out += static_cast<wchar_t>(row.text[trail]);
            else out += row.base ? static_cast<wchar_t>(row.base + trail) : kReplacement;
            ++i;
        }
    }
    return out;
}

TextEncoding DetectEncoding(std::string_view s) {
    if (s.starts_with("\xEF\xBB\xBF")) return TextEncoding::Utf8Bom;
    if (s.starts_with("\xFF\xFE")) return TextEncoding::Utf16LE;
    if (s.starts_with("\xFE\xFF")) return TextEncoding::Utf16BE;
    return IsUtf8(s) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

std::wstring DecodeText(std::string_view s, TextEncoding* detected) {
    const TextEncoding e = DetectEncoding(s);
    if (detected) *detected = e;
    switch (e) {
        case TextEncoding::Utf8Bom: return FromUtf8(s.substr(3));
        case TextEncoding::Utf16LE: return DecodeUtf16(s.substr(2), false);
        case TextEncoding::Utf16BE: return DecodeUtf16(s.substr(2), true);
        case TextEncoding::Utf8: return FromUtf8(s);
        case TextEncoding::Cp932: break;
    }
    return DecodeCp932(s);
}

}  // namespace zem
