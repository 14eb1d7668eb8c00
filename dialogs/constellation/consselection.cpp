// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/constellation/consselection.h"

#include <algorithm>

namespace {
bool InRange(int item) { return item >= 0 && item < CConsSelection::kCount; }
}  // namespace

bool CConsSelection::Test(int item) const {
    if (!InRange(item)) return false;
    return (m_abyBits[static_cast<std::size_t>(item / 8)] >> (item % 8)) & 1;
}

void CConsSelection::Set(int item, bool selected) {
    if (!InRange(item)) return;
    auto& byte = m_abyBits[static_cast<std::size_t>(item / 8)];
    const auto bit = static_cast<std::uint8_t>(1u << (item % 8));
    byte = static_cast<std::uint8_t>(selected ? byte | bit : byte & ~bit);
}

bool CConsSelection::IsAllSet() const {
    return std::all_of(m_abyBits.begin(), m_abyBits.end(), [](std::uint8_t b) { return b == 0xFF; });
}
