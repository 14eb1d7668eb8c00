#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds zemd02-bench in a release build (build-release/, or $ZEM_BUILD) and prints its tables,
# medians of five repetitions (docs/benchmarks.md). With --smoke it builds in build/ (or
# $ZEM_BUILD) and runs every benchmark once, briefly, only to show that they run. Further
# arguments go to zemd02-bench (Google Benchmark's flags).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --smoke ]; then
  shift
  build=${ZEM_BUILD:-$root/build}
  ZEM_BUILD=$build ZEM_TARGET=zemd02-bench "$root/scripts/build.sh" -DZEM_BENCH=ON >&2
  exec "$build/bench/zemd02-bench" --benchmark_min_time=0.001 "$@"
fi
build=${ZEM_BUILD:-$root/build-release}
ZEM_BUILD=$build ZEM_TARGET=zemd02-bench "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release -DZEM_BENCH=ON >&2
exec "$build/bench/zemd02-bench" --benchmark_repetitions=5 "$@"
