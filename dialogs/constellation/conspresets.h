// SPDX-License-Identifier: BSD-3-Clause
// The selection presets: constellations by season, of the southern sky, and the zodiac, as list
// items (constellation number - 1) in the order they are ticked.
#pragma once

#include <array>
#include <cstddef>

namespace cons_presets {

template <std::size_t N>
constexpr std::array<int, N> Items(const int (&numbers)[N]) {
    std::array<int, N> items{};
    for (std::size_t i = 0; i < N; ++i) items[i] = numbers[i] - 1;
    return items;
}

inline constexpr auto kSpring = Items({8, 9, 13, 14, 15, 21, 22, 24, 32, 37, 39, 45, 52, 74, 84, 38, 87});
inline constexpr auto kSummer = Items({3, 4, 25, 36, 40, 43, 47, 58, 64, 65, 66, 76, 77, 78, 82, 88});
inline constexpr auto kAutumn = Items({1, 6, 16, 19, 30, 31, 35, 44, 49, 50, 53, 63, 67, 72, 75, 79});
inline constexpr auto kWinter = Items({2, 7, 10, 11, 12, 17, 27, 28, 34, 56, 60, 62, 68, 80, 81, 83, 86});
inline constexpr auto kSouth = Items({5, 18, 20, 23, 26, 29, 33, 41, 42, 46, 48, 51, 54, 55, 57, 59, 61, 69, 70, 71, 73, 85});
inline constexpr auto kZodiac = Items({16, 6, 72, 79, 3, 43, 52, 15, 45, 21, 62, 11});

}  // namespace cons_presets
