#!/usr/bin/env bash
# Builds and runs every test, then again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ZEM_BUILD=$root/build "$root/scripts/build.sh" -DZEM_TESTS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
ZEM_BUILD=$root/build-asan "$root/scripts/build.sh" -DZEM_TESTS=ON -DZEM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
