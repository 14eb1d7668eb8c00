#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Makes the Debian packages into build-debs/ (or $ZEM_DEBS): libzemd02-0, libzemd02-dev,
# zemd02-data, zemd02-tools, zemd02-desktop, and the -dbgsym packages with their debug symbols.
# dpkg-buildpackage writes beside the tree it builds and into it, so it builds a copy of the
# working tree (build-debs/src) and the tree itself stays clean. Needs the Build-Depends of
# debian/control (apt-get install debhelper scdoc qt6-base-dev liberfa-dev cmake ninja-build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${ZEM_DEBS:-$root/build-debs}
rm -rf "$out"
mkdir -p "$out/src"
tar -C "$root" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$out/src" -xf -
(cd "$out/src" && dpkg-buildpackage --build=binary --no-sign) > "$out/build.log" 2>&1 \
  || { tail -40 "$out/build.log" >&2; echo "debs: dpkg-buildpackage failed; the whole log is $out/build.log" >&2; exit 1; }
ls "$out"/*.deb
