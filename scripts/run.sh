#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds, then starts the desktop program on the saved sky (the shipped default sky the first
# time). Where there is no display it says so and runs the scenario host's demo instead.
# "--host [OPTIONS] [SCENARIO]", or any arguments at all, run the scenario host as before: the demo,
# the scenario given, or "-" to play with the dialogs at a terminal.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZEM_BUILD:-$root/build}

run_host() {
  ZEM_TARGET=zemd02-host "$root/scripts/build.sh" >&2
  local host=$build/host/zemd02-host
  if [ $# -eq 0 ]; then
    exec "$host" --queries "$root/data/demo/milkyway.scn"
  fi
  exec "$host" "$@"
}

if [ "${1:-}" = "--host" ]; then
  shift
  run_host "$@"
fi
[ $# -gt 0 ] && run_host "$@"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display here (DISPLAY and WAYLAND_DISPLAY are unset); running the scenario host's demo instead" >&2
  run_host
fi
if ! ZEM_TARGET=zemd02-desktop "$root/scripts/build.sh" >&2; then
  echo "run: the desktop program could not be built (is Qt 6 installed?); running the scenario host's demo instead" >&2
  run_host
fi
exec "$build/desktop/zemd02-desktop"
