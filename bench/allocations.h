// SPDX-License-Identifier: BSD-3-Clause
// Heap allocations made by this program so far: the benchmark binary replaces the global
// operator new with a counting one.
#pragma once

#include <cstdint>

namespace zembench {
std::uint64_t Allocations();
}
