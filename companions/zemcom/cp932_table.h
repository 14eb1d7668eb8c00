// SPDX-License-Identifier: BSD-3-Clause
// The double-byte half of Japanese Windows text (CP932), generated once from the C library's
// iconv by tools/gen_cp932.py into cp932_table.cpp.
#pragma once

namespace zem::cp932 {

constexpr int kLeadCount = 60;    // 0x81-0x9F, 0xE0-0xFC
constexpr int kTrailCount = 188;  // 0x40-0x7E, 0x80-0xFC

struct Row {
    const char16_t* text;  // kTrailCount characters, U+FFFD where nothing is mapped; or null:
    char16_t base;         // then the row runs linearly from base (0: nothing mapped)
};

extern const Row kRows[kLeadCount];

constexpr int LeadIndex(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) ? b - 0x81 : (b >= 0xE0 && b <= 0xFC) ? b - 0xE0 + 31 : -1;
}

constexpr int TrailIndex(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) ? b - 0x40 : (b >= 0x80 && b <= 0xFC) ? b - 0x80 + 63 : -1;
}

}  // namespace zem::cp932
