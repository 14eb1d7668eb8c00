#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Builds the fuzz targets with clang into build-fuzz/ (or $ZEM_FUZZ_BUILD) and runs each for a
# bounded time: $ZEM_FUZZ_SECONDS seconds (default 30), from its corpus in fuzz/corpus/ and the
# corpus earlier runs grew in the build folder. Arguments name the targets to run (default: all).
#
#   --long   10 minutes a target (unless $ZEM_FUZZ_SECONDS says otherwise), then the target's corpus
#            in fuzz/corpus/ is minimised with -merge=1: the hand-written seeds stay, the grown
#            inputs (named by their SHA-1) are replaced by the smallest set that keeps the coverage
#            of everything found. Commit fuzz/corpus/ afterwards.
#
# Each target prints its runs and its final coverage ("cov:"). A crash, a hang or a broken
# property stops the script with the input kept in build-fuzz/findings/; turn it into a unit test
# before fixing it. Needs clang and libFuzzer (Debian: clang libclang-rt-dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZEM_FUZZ_BUILD:-$root/build-fuzz}
long=""
if [ "${1:-}" = --long ]; then
  long=1
  shift
fi
seconds=${ZEM_FUZZ_SECONDS:-$([ -n "$long" ] && echo 600 || echo 30)}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(engine_script engine_state qelfile registry scenario desktop_state desktop_registry)

cxx=$(command -v clang++ || command -v clang++-14 || true)
[ -n "$cxx" ] || { echo "fuzz: clang++ is needed" >&2; exit 1; }
generator=()
command -v ninja > /dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
CC=${cxx/clang++/clang} CXX=$cxx cmake -S "$root" -B "$build" "${generator[@]}" -DZEM_FUZZ=ON -DZEM_SANITIZE=ON -DZEM_TESTS=OFF \
  -DZEM_DESKTOP=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

# The targets' files live in memory where the machine offers it; they go when the script ends.
scratch=$(mktemp -d -p "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")" zemd02-fuzz.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/findings"

# Replaces the grown inputs of fuzz/corpus/$1 by the smallest set that covers what the seeds, the
# grown inputs and the build folder's corpus cover together.
minimise() {
  local t=$1 seeds=$root/fuzz/corpus/$1 merged=$scratch/merged-$1
  mkdir -p "$merged"
  TMPDIR=$scratch "$build/fuzz/fuzz_$t" -merge=1 -timeout=25 -max_len="$2" "$merged" "$seeds" "$build/corpus/$t" \
    > "$build/findings/$t.merge.log" 2>&1
  local kept=" "
  for f in "$seeds"/*; do
    if [[ $(basename "$f") =~ ^[0-9a-f]{40}$ ]]; then rm -f "$f"; else kept+="$(sha1sum < "$f" | cut -c1-40) "; fi
  done
  for f in "$merged"/*; do
    [[ $kept == *" $(basename "$f") "* ]] || cp "$f" "$seeds/"
  done
  rm -rf "$merged"
  echo "fuzz: $t: fuzz/corpus/$t holds $(find "$seeds" -type f | wc -l) inputs"
}

for t in "${targets[@]}"; do
  # A scenario line may press an arrow 10000 times: shorter inputs keep a run quick.
  max_len=4096
  [ "$t" = scenario ] && max_len=1024
  mkdir -p "$build/corpus/$t" "$root/fuzz/corpus/$t"
  log=$build/findings/$t.log
  if ! TMPDIR=$scratch "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=25 -max_len="$max_len" \
      -artifact_prefix="$build/findings/$t-" -print_final_stats=1 "$build/corpus/$t" "$root/fuzz/corpus/$t" > "$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $t found a problem; the input is in $build/findings/ (log: $log)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  echo "fuzz: $t: $runs runs in $seconds s, cov $cov, no findings"
  [ -z "$long" ] || minimise "$t" "$max_len"
done
