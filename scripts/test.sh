#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds and runs every test, again in a locale whose decimal point is a comma, then under
# AddressSanitizer and UndefinedBehaviorSanitizer. With $ZEM_REQUIRE_COMMA_LOCALE set (CI), a
# machine without such a locale is an error rather than a skipped pass.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ZEM_BUILD=$root/build "$root/scripts/build.sh" -DZEM_TESTS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

# The first installed locale (LOCPATH included) whose decimal point is a comma.
comma=""
for name in ${ZEM_COMMA_LOCALE:-} de_DE.UTF-8 de_DE.utf8 fr_FR.UTF-8 fr_FR.utf8 nl_NL.UTF-8 ru_RU.UTF-8; do
  if [ "$(LC_ALL=$name locale decimal_point 2> /dev/null)" = "," ]; then comma=$name; break; fi
done
if [ -n "$comma" ]; then
  echo "test: the suite again with LC_ALL=$comma"
  LC_ALL=$comma ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
elif [ -n "${ZEM_REQUIRE_COMMA_LOCALE:-}" ]; then
  echo "test: no locale with a decimal comma is installed" >&2
  exit 1
else
  echo "test: no locale with a decimal comma is installed; that pass is skipped" \
       "(make one: localedef -i de_DE -f UTF-8 DIR/de_DE.UTF-8, then export LOCPATH=DIR)" >&2
fi

ZEM_BUILD=$root/build-asan "$root/scripts/build.sh" -DZEM_TESTS=ON -DZEM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
