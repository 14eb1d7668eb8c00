// SPDX-License-Identifier: BSD-3-Clause
// The constellations chosen for drawing: one bit per list item (item i is constellation i + 1),
// kept in 11 bytes, least significant bit first.
#pragma once

#include <array>
#include <cstdint>

#include "platform/export.h"

class ZEM_EXPORT CConsSelection {
public:
    static constexpr int kCount = 88;

    CConsSelection() { m_abyBits.fill(0xFF); }  // everything is drawn until told otherwise

    // 0 for an item outside 0..87.
    bool Test(int item) const;
    // Ignored for an item outside 0..87.
    void Set(int item, bool selected);
    void ClearAll() { m_abyBits.fill(0); }
    bool IsAllSet() const;

private:
    std::array<std::uint8_t, kCount / 8> m_abyBits{};
};
