#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds zemd02-bench in a release build (build-release/, or $ZEM_BUILD) and prints its tables,
# medians of five repetitions (docs/benchmarks.md); then, where the desktop program is built (Qt 6
# found), zemd02-skybench, the live sky's redraws. With --smoke it builds in build/ (or
# $ZEM_BUILD) and runs every benchmark once, briefly, only to show that they run. Further
# arguments go to both programs (Google Benchmark's flags).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --smoke ]; then
  shift
  build=${ZEM_BUILD:-$root/build}
  configure=(-DZEM_BENCH=ON)
  runs=(--benchmark_min_time=0.001)
else
  build=${ZEM_BUILD:-$root/build-release}
  configure=(-DCMAKE_BUILD_TYPE=Release -DZEM_BENCH=ON)
  runs=(--benchmark_repetitions=5)
fi
ZEM_BUILD=$build ZEM_TARGET=zemd02-bench "$root/scripts/build.sh" "${configure[@]}" >&2
"$build/bench/zemd02-bench" "${runs[@]}" "$@"
if cmake --build "$build" --target help | grep "zemd02-skybench" > /dev/null; then
  cmake --build "$build" --target zemd02-skybench >&2
  echo
  "$build/bench/sky/zemd02-skybench" "${runs[@]}" --benchmark_report_aggregates_only=true "$@"
fi
