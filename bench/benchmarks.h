// SPDX-License-Identifier: BSD-3-Clause
// The benchmarks of this program, registered with Google Benchmark by name:
//   open/CLASS, change/CLASS/ACTION, floor/CLASS/ACTION, engine/OPERATION/xSCALE.
#pragma once

namespace zembench {
void RegisterDialogBenchmarks();
void RegisterEngineBenchmarks();
}  // namespace zembench
