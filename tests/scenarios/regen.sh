#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Writes NAME.out from the host's current transcript of NAME.scn (all, or those named). Read the
# differences (git diff) before committing them: an expected transcript is a reviewed one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
host=${HOST:-$here/../../build/host/zemd02-host}
cd "$here"
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(*.scn)
for scn in "${files[@]}"; do
  args=$(head -n1 "$scn" | sed -e $'s/^\xEF\xBB\xBF//' -n -e 's/^#!//p' | sed -E 's/(^| )exit=[0-9]+//g')
  # shellcheck disable=SC2086
  "$host" $args "$scn" > "${scn%.scn}.out" || true
done
