#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Writes NAME.out from the host's current transcript of NAME.scn (all, or those named), and shows
# what changed with every script ("S" and "S2" lines) split into its statements, one a line, so
# that a changed setting reads as one changed line rather than a change somewhere in a line of
# thousands of characters. Read the differences (and git diff) before committing them: an expected
# transcript is a reviewed one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
host=${HOST:-$here/../../build/host/zemd02-host}
cd "$here"

# The transcript with each script broken after every ';' outside double quotes: the first
# statement stays on the script's line, the others follow indented (no other line starts with a
# blank). Joined again, the pieces are the script as it was sent.
statements() {
  awk '
    /^S2? / {
      tag = substr($0, 1, index($0, " "))
      text = substr($0, length(tag) + 1)
      lead = tag
      start = 1
      quoted = 0
      n = length(text)
      for (i = 1; i <= n; i++) {
        c = substr(text, i, 1)
        if (c == "\"") quoted = !quoted
        else if (c == ";" && !quoted && i < n) {
          print lead substr(text, start, i - start + 1)
          lead = "  "
          start = i + 1
        }
      }
      print lead substr(text, start)
      next
    }
    { print }' "$1"
}

new=$(mktemp)
trap 'rm -f "$new"' EXIT
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(*.scn)
changed=0
for scn in "${files[@]}"; do
  out=${scn%.scn}.out
  args=$(head -n1 "$scn" | sed -e $'s/^\xEF\xBB\xBF//' -n -e 's/^#!//p' | sed -E 's/(^| )exit=[0-9]+//g')
  # shellcheck disable=SC2086
  "$host" $args "$scn" > "$new" || true
  if [ -f "$out" ] && cmp -s "$out" "$new"; then continue; fi
  changed=$((changed + 1))
  if [ -f "$out" ]; then
    # A hunk's header names the event it is in (the script's first statement, for a script).
    diff -u -F '^[^ ]' --label "$out" --label "$out (new)" <(statements "$out") <(statements "$new") || true
  else
    echo "regen: $out is new ($(wc -l < "$new") lines)"
  fi
  cat "$new" > "$out"
done
echo "regen: ${changed} of ${#files[@]} transcripts changed"
