#!/usr/bin/env bash
# Builds, then runs the scenario host on the shipped default sky: the demo scenario, the scenario
# given, or "-" to play with the dialogs at a terminal.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ZEM_TARGET=zemd02-host "$root/scripts/build.sh" >&2
host=${ZEM_BUILD:-$root/build}/host/zemd02-host
if [ $# -eq 0 ]; then
  exec "$host" --queries "$root/data/demo/milkyway.scn"
fi
exec "$host" "$@"
