#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# The host's command line, its inputs that cannot be read, its signals and its data folder, which
# a scenario file cannot show. Usage: host_command_line.sh HOST BUILD_DIR
set -uo pipefail
host=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect STATUS STDOUT_PATTERN ARGS...: runs the host on an empty scenario unless ARGS give one.
expect() {
  local status=$1 pattern=$2
  shift 2
  local out rc
  out=$(timeout 20 "$host" "$@" < /dev/null 2> "$work/err")
  rc=$?
  [ "$rc" -eq "$status" ] || fail "$* exited $rc, expected $status ($(cat "$work/err"))"
  [[ "$out" =~ $pattern ]] || fail "$* printed: ${out:0:200}"
  if [ "$status" -eq 2 ] && [ ! -s "$work/err" ]; then fail "$* said nothing on standard error"; fi
}

mkdir "$work/folder"
printf 'state Milkyway.Visible\n' > "$work/ok.scn"

expect 0 '^usage: zemd02-host .*--help' --help
expect 0 '^usage:' --empty --help
expect 2 '^$' "$work/folder"
expect 2 '^$' "$work/missing.scn"
expect 2 '^$' --state "$work/folder" "$work/ok.scn"
expect 2 '^$' --state "$work/missing.qel" "$work/ok.scn"
expect 2 '^$' --state
expect 2 '^$' --bogus
expect 2 '^$' --empty --state "$work/ok.scn" "$work/ok.scn"
expect 2 '^$' "$work/ok.scn" "$work/ok.scn"
expect 0 '^= Milkyway.Visible $' --empty "$work/ok.scn"
# A state the desktop saved ends with a comment line: read with or without it alike.
printf 'Milkyway.Visible = FALSE;\n# 1 statement, checksum 0123456789abcdef\n' > "$work/sealed.qel"
expect 0 '^= Milkyway.Visible FALSE$' --state "$work/sealed.qel" "$work/ok.scn"

# A folder as standard input is a scenario that cannot be read.
timeout 20 "$host" --empty < "$work/folder" > /dev/null 2>&1
rc=$?
[ "$rc" -eq 2 ] || fail "a folder as standard input exited $rc"

# A line is bounded, so an endless one ends the run instead of the memory.
{ printf 'state '; head -c 1048577 /dev/zero | tr '\0' x; printf '\n'; } > "$work/long.scn"
expect 1 '^! line longer than 1048576 bytes$' --empty "$work/long.scn"

# A file block is bounded too (16 MiB as written) and goes to its file as it comes: a block just
# under the bound leaves the host as small as an empty run; one past it is refused.
block() { printf 'file big.txt\n'; head -c "$1" /dev/zero | tr '\0' x | fold -w 99; printf '\nend\nstate info.module.datapath\n'; }
block 16600000 > "$work/big.scn"
block 16700000 > "$work/bigger.scn"
expect 0 '^= info.module.datapath \$DATA$' --empty "$work/big.scn"
expect 1 '^! file longer than 16777216 bytes: big.txt$' --empty "$work/bigger.scn"
if [ -x /usr/bin/time ]; then
  peak() { ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=1 /usr/bin/time -f %M "$host" --empty "$1" 2>&1 > /dev/null | tail -n 1; }
  grown=$(( $(peak "$work/big.scn") - $(peak "$work/ok.scn") ))
  [ "$grown" -lt 8192 ] || fail "a 16 MB file block took $grown KiB more than an empty run"
fi

# The default sky and the data folder are found from where the host is, installed or not.
expect 0 "^= info.module.datapath .*/share/zemd02/data\$" <(printf 'state info.module.datapath\n')
if cmake --install "$build" --prefix "$work/prefix" > /dev/null 2>&1; then
  out=$(cd / && "$work/prefix/bin/zemd02-host" <(printf 'state info.module.datapath\nstate Milkyway.Visible\n'))
  [ "$out" = "= info.module.datapath $work/prefix/share/zemd02/data
= Milkyway.Visible TRUE" ] || fail "the installed host printed: $out"
else
  fail "cmake --install failed"
fi

# SIGINT and SIGTERM end the run at once, and the temporary data folder goes with it.
for signal in INT TERM; do
  mkdir -p "$work/tmp-$signal"
  mkfifo "$work/in-$signal"
  TMPDIR="$work/tmp-$signal" "$host" --empty < "$work/in-$signal" > "$work/out-$signal" 2>&1 &
  pid=$!
  exec 3> "$work/in-$signal"
  printf 'open CDlgMw\nfile a.txt\nx\nend\n' >&3
  for _ in $(seq 100); do
    compgen -G "$work/tmp-$signal/zemd02-data-*" > /dev/null && break
    sleep 0.1
  done
  compgen -G "$work/tmp-$signal/zemd02-data-*" > /dev/null || fail "SIG$signal: no temporary data folder was made"
  kill -"$signal" "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2> /dev/null; then
    fail "SIG$signal: the host is still running"
    kill -KILL "$pid"
  fi
  wait "$pid"
  rc=$?
  exec 3>&-
  [ "$rc" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: the host exited $rc"
  [ -z "$(ls -A "$work/tmp-$signal")" ] || fail "SIG$signal left $(ls "$work/tmp-$signal")"
  grep -q '^O CDlgMw$' "$work/out-$signal" || fail "SIG$signal: the transcript was lost"
done

[ "$failures" -eq 0 ] && echo "all command-line cases passed"
exit $((failures > 0))
