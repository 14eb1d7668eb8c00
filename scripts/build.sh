#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Configures and builds into build/ (or $ZEM_BUILD). Arguments go to CMake's configure step;
# $ZEM_TARGET names one target to build instead of all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZEM_BUILD:-$root/build}
"$root/scripts/setup.sh"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f "$build/CMakeCache.txt" ] && generator=()
cmake -S "$root" -B "$build" "${generator[@]}" "$@" >/dev/null
target=()
[ -n "${ZEM_TARGET:-}" ] && target=(--target "$ZEM_TARGET")
cmake --build "$build" --parallel "$(nproc)" "${target[@]}"
