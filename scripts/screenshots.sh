#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds the desktop tests and writes a picture of every dialog, of the main window and of the live
# sky (desktop/sky/tools/previews.sh) into docs/images/, drawn offscreen with the tests' pinned
# fonts and style. Review them before committing (git diff --stat docs/images).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZEM_BUILD:-$root/build}
ZEM_BUILD=$build ZEM_TARGET=desktop_layout_test "$root/scripts/build.sh" -DZEM_DESKTOP=ON -DZEM_TESTS=ON >&2
mkdir -p "$root/docs/images"
ZEM_SCREENSHOT_DIR=$root/docs/images "$build/desktop/tests/desktop_layout_test" everyDialog mainWindowPicture nightModePicture profileDifferencesPicture >/dev/null
"$root/desktop/sky/tools/previews.sh" "$build"
ls "$root/docs/images"
