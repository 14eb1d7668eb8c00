#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds and runs every test, again in a locale whose decimal point is a comma, in Turkish and in
# Japanese (behaviour never follows the locale), then under AddressSanitizer and
# UndefinedBehaviorSanitizer. With $ZEM_REQUIRE_LOCALES set (CI), a machine without those locales
# is an error rather than a skipped pass.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ZEM_BUILD=$root/build "$root/scripts/build.sh" -DZEM_TESTS=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

# The suite again with LC_ALL=$1 when that locale is installed (LOCPATH included); $2 says what it is.
again_in() {
  if [ "$(LC_ALL=$1 locale charmap 2> /dev/null)" = UTF-8 ]; then
    echo "test: the suite again with LC_ALL=$1"
    LC_ALL=$1 ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
  elif [ -n "${ZEM_REQUIRE_LOCALES:-}" ]; then
    echo "test: no $2 locale ($1) is installed" >&2
    exit 1
  else
    echo "test: no $2 locale ($1) is installed; that pass is skipped" \
         "(make one: localedef -i ${1%%.*} -f UTF-8 DIR/$1, then export LOCPATH=DIR)" >&2
  fi
}

# The first installed locale whose decimal point is a comma.
comma=de_DE.UTF-8
for name in ${ZEM_COMMA_LOCALE:-} de_DE.UTF-8 de_DE.utf8 fr_FR.UTF-8 fr_FR.utf8 nl_NL.UTF-8 ru_RU.UTF-8; do
  if [ "$(LC_ALL=$name locale decimal_point 2> /dev/null)" = "," ]; then comma=$name; break; fi
done
again_in "$comma" decimal-comma
# Case folding: a Turkish locale lowers I to a dotless i; a Japanese one has full-width letters.
again_in tr_TR.UTF-8 Turkish
again_in ja_JP.UTF-8 Japanese

ZEM_BUILD=$root/build-asan "$root/scripts/build.sh" -DZEM_TESTS=ON -DZEM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
