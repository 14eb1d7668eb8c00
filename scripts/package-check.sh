#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Proves what a host developer gets. The release preset's build (no tests) is installed into a
# temporary prefix: every installed header compiles from there alone, examples/embed builds
# against that prefix and prints what it should, and the installed programs find their data
# from where they are, even after the prefix has moved. Then `cpack -G DEB` makes the Debian
# packages, apt installs them, the example is built against /usr and run, and the packages are
# removed again (ZEM_KEEP_PACKAGES=1 keeps them). apt needs root or sudo; cpack needs dpkg-dev.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
"$root/scripts/setup.sh"
command -v dpkg-shlibdeps > /dev/null || { echo "package-check: dpkg-shlibdeps is needed (apt-get install dpkg-dev)" >&2; exit 1; }
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -qq)

scratch=$(mktemp -d)
installed=()
cleanup() {
  if [ ${#installed[@]} -gt 0 ] && [ -z "${ZEM_KEEP_PACKAGES:-}" ]; then
    "${apt[@]}" remove "${installed[@]}" > /dev/null 2>&1
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
step() { echo "package-check: $*"; }
fail() { echo "package-check: $*" >&2; exit 1; }
# Runs a command with its output kept aside, shown only when it fails.
quiet() { "$@" > "$scratch/log" 2>&1 || { cat "$scratch/log" >&2; fail "failed: $*"; }; }

quiet cmake --preset release -S "$root"
quiet cmake --build --preset release --parallel "$(nproc)"

# Builds examples/embed against the package found in $1 (empty: the system's), with every
# warning an error, and runs it.
embed() {
  local out=$scratch/embed-$2
  quiet cmake -S "$root/examples/embed" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release ${1:+-DCMAKE_PREFIX_PATH="$1"} \
    -DCMAKE_CXX_FLAGS="-Wall -Wextra -Wpedantic -Werror"
  quiet cmake --build "$out"
  "$out/embed" | diff -u "$root/examples/embed/expected.out" - || fail "examples/embed printed something else"
}

step "install into a temporary prefix"
prefix=$scratch/prefix
quiet cmake --install "$build" --prefix "$prefix"
{ cd "$prefix/include" && find zemd02 -name '*.h' | sort | sed 's/.*/#include <&>/'; } > "$scratch/headers.cpp"
quiet c++ -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -I"$prefix/include" "$scratch/headers.cpp"
step "  $(wc -l < "$scratch/headers.cpp") headers compile with the prefix's include folder alone"
embed "$prefix" prefix
step "  examples/embed built against the prefix prints examples/embed/expected.out"

# No path of the build machine is in a program (Qt keeps its literals in UTF-16); moved
# elsewhere, the programs still find their data beside them.
for program in "$prefix"/bin/*; do
  if strings -a "$program" | grep -F "$root" > /dev/null || strings -a -el "$program" | grep -F "$root" > /dev/null; then
    fail "$(basename "$program") holds a path of the source tree"
  fi
done
mv "$prefix" "$scratch/moved"
prefix=$scratch/moved
demo=$prefix/share/zemd02/data/demo/milkyway.scn
"$prefix/bin/zemd02-host" "$demo" > "$scratch/host.out"
diff -u <("$build/host/zemd02-host" "$root/data/demo/milkyway.scn") "$scratch/host.out" \
  || fail "the installed zemd02-host runs the demo differently"
if "$prefix/bin/zemd02-host" --data "$scratch/nowhere" "$demo" > /dev/null 2> "$scratch/host.err" \
   || ! grep -q "nowhere/sky/default.qel" "$scratch/host.err"; then
  fail "zemd02-host --data did not take the place of the shipped data"
fi
step "  a moved zemd02-host finds its data; --data overrides it"
if [ -x "$prefix/bin/zemd02-desktop" ]; then
  # The first run starts on the default sky of the data folder and keeps it at the end. A TERM
  # that comes before the program listens for it ends the run unsaved: wait longer then.
  for wait in 2 5 15; do
    QT_QPA_PLATFORM=offscreen "$prefix/bin/zemd02-desktop" --config "$scratch/config" > /dev/null 2>&1 &
    pid=$!
    sleep "$wait"
    kill -TERM "$pid"
    if wait "$pid"; then break; fi
  done
  grep -q "^Milkyway.Visible = TRUE;" "$scratch/config/sky.qel" 2> /dev/null \
    || fail "the installed zemd02-desktop did not start on the default sky"
  step "  a moved zemd02-desktop starts on the default sky of its data"
fi

step "Debian packages"
rm -rf "$build/packages"
(cd "$build" && quiet cpack -G DEB)
for deb in "$build"/packages/*.deb; do
  step "  $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; depends: $(dpkg-deb -f "$deb" Depends)"
  installed+=("$(dpkg-deb -f "$deb" Package)")
done
quiet "${apt[@]}" install "$build"/packages/*.deb
embed "" usr
zemd02-host /usr/share/zemd02/data/demo/milkyway.scn | diff -u "$scratch/host.out" - \
  || fail "the packaged zemd02-host runs the demo differently"
step "  installed with apt; examples/embed built against /usr prints examples/embed/expected.out"
