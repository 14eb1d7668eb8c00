#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Proves what a packager and a host developer get, following docs/install.md and docs/embedding.md.
# The release preset's build is installed into a temporary prefix: every installed header compiles
# alone (also after a host's own TRUE and FALSE macros), the internal ones are not there,
# examples/embed builds against the prefix, and the programs answer --help and --version without a
# display and find their data after the prefix has moved. Then scripts/debs.sh makes the Debian
# packages, lintian passes them without an error or a warning, apt installs them, and against
# /usr: examples/embed, the complete host of docs/embedding.md (taken from the page) with CMake
# and with pkg-config, and a plugin that links the module, loaded and run; the menu entry and
# the metainfo validate. The packages are purged at the end (ZEM_KEEP_PACKAGES=1 keeps them).
# apt needs root or sudo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
"$root/scripts/setup.sh"
for tool in dpkg-buildpackage dh lintian desktop-file-validate appstreamcli pkg-config scdoc; do
  command -v "$tool" > /dev/null || {
    echo "package-check: $tool is needed (apt-get install dpkg-dev debhelper lintian desktop-file-utils appstream pkgconf scdoc)" >&2
    exit 1
  }
done
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -qq)
packages=(libzemd02-0 libzemd02-dev zemd02-data zemd02-tools zemd02-desktop)
made=()

scratch=$(mktemp -d)
installed=""
cleanup() {
  if [ -n "$installed" ] && [ -z "${ZEM_KEEP_PACKAGES:-}" ]; then
    "${apt[@]}" purge "${made[@]}" > /dev/null 2>&1
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
started=$SECONDS
step() { echo "package-check: $*"; }
fail() { echo "package-check: $*" >&2; exit 1; }
# Runs a command with its output kept aside, shown only when it fails.
quiet() { "$@" > "$scratch/log" 2>&1 || { cat "$scratch/log" >&2; fail "failed: $*"; }; }
strict=(-std=c++20 -Wall -Wextra -Wpedantic -Werror)

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

# Both programs in $1 answer --help and --version on standard output, without a display.
answers() {
  local program
  for program in zemd02-host zemd02-desktop; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1/$program" --version > "$scratch/version" 2> /dev/null \
      || fail "$program --version failed without a display"
    grep -qx "$program [0-9.]*" "$scratch/version" || fail "$program --version printed: $(cat "$scratch/version")"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1/$program" --help 2> /dev/null | grep -q "$program" \
      || fail "$program --help failed without a display, or does not name the program"
  done
}

step "install into a temporary prefix"
prefix=$scratch/prefix
quiet cmake --install "$build" --prefix "$prefix"
(cd "$prefix/include" && find zemd02 -name '*.h' | sort) > "$scratch/headers"
# shellcheck disable=SC2016
xargs -P "$(nproc)" -I{} sh -c 'echo "#include <{}>" | c++ $0 -fsyntax-only -I"$1" -x c++ - || echo {} >> "$2"' \
  "${strict[*]}" "$prefix/include" "$scratch/failed" < "$scratch/headers"
[ -s "$scratch/failed" ] && fail "headers that do not compile alone: $(tr '\n' ' ' < "$scratch/failed")"
step "  $(wc -l < "$scratch/headers") installed headers compile alone"
for internal in companions/zemqel/statefile.h companions/zemcom/cp932_table.h companions/zemcom/textdecode.h \
                dialogs/constellation/conspresets.h resources/template_parts.h; do
  [ ! -e "$prefix/include/zemd02/$internal" ] || fail "the internal header $internal is installed"
done
{ printf '#define FALSE (0)\n#define TRUE (!FALSE)\n'; sed 's/.*/#include <&>/' "$scratch/headers"; } > "$scratch/glib.cpp"
quiet c++ "${strict[@]}" -fsyntax-only -I"$prefix/include" "$scratch/glib.cpp"
step "  they compile after a host's own TRUE and FALSE macros; the internal headers are not installed"
embed "$prefix" prefix
step "  examples/embed built against the prefix prints examples/embed/expected.out"
answers "$prefix/bin"
step "  both programs answer --help and --version without a display"

# No path of the build machine is in a program (Qt keeps its literals in UTF-16); moved
# elsewhere, the programs still find their library and their data.
for program in "$prefix"/bin/*; do
  if strings -a "$program" | grep -F "$root" > /dev/null || strings -a -el "$program" | grep -F "$root" > /dev/null; then
    fail "$(basename "$program") holds a path of the source tree"
  fi
done
mv "$prefix" "$scratch/moved"
prefix=$scratch/moved
demo=$prefix/share/zemd02/data/demo/milkyway.scn
"$prefix/bin/zemd02-host" "$demo" > "$scratch/host.out"
"$build/host/zemd02-host" "$root/data/demo/milkyway.scn" | diff -u - "$scratch/host.out" \
  || fail "the installed zemd02-host runs the demo differently"
if "$prefix/bin/zemd02-host" --data "$scratch/nowhere" "$demo" > /dev/null 2> "$scratch/host.err" \
   || ! grep -q "nowhere/sky/default.qel" "$scratch/host.err"; then
  fail "zemd02-host --data did not take the place of the shipped data"
fi
step "  a moved zemd02-host finds its library and its data; --data overrides the data"
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

step "Debian packages"
debs=$root/build-debs
"$root/scripts/debs.sh" > /dev/null
for deb in "$debs"/*.deb; do
  step "  $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
  made+=("$(dpkg-deb -f "$deb" Package)")
done
for package in "${packages[@]}"; do
  [[ " ${made[*]} " == *" $package "* ]] || fail "no package $package was made"
done
# (As root, lintian warns on standard error that it runs as root; that is not about the packages.)
lintian --fail-on error,warning "$debs"/*.deb > "$scratch/lintian" 2> "$scratch/lintian.err" \
  || { cat "$scratch/lintian" "$scratch/lintian.err" >&2; fail "lintian found errors or warnings"; }
[ ! -s "$scratch/lintian" ] || { cat "$scratch/lintian"; fail "lintian said something"; }
step "  lintian --fail-on error,warning: nothing to say"
for package in "${packages[@]}"; do
  dpkg-deb -f "$debs/${package}"_*.deb Depends | sed "s/^/package-check:   $package depends on: /"
done
# As docs/install.md says: every package made, the -dbgsym ones too.
installed=yes
quiet "${apt[@]}" install "$debs"/*.deb
for package in "${made[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" || fail "apt did not install $package"
done
readelf -d /usr/lib/*/libzemd02.so.0 | grep -q 'SONAME.*\[libzemd02.so.0\]' || fail "libzemd02.so.0 has no SONAME libzemd02.so.0"
step "  installed with apt: ${made[*]}"

embed "" usr
step "  examples/embed built against /usr prints examples/embed/expected.out"
zemd02-host /usr/share/zemd02/data/demo/milkyway.scn | diff -u "$scratch/host.out" - \
  || fail "the packaged zemd02-host runs the demo differently"
answers /usr/bin
for package in zemd02-tools:zemd02-host zemd02-desktop:zemd02-desktop; do
  # The listing is read whole: grep -q would stop reading early and dpkg-deb would die of SIGPIPE.
  listing=$(dpkg-deb -c "$debs/${package%%:*}"_*.deb)
  grep -q "/usr/share/man/man1/${package#*:}.1.gz$" <<<"$listing" \
    || fail "${package%%:*} has no man page ${package#*:}(1)"
done
step "  the packaged programs run the demo, answer --help and --version, and have their man pages"

# docs/embedding.md's complete host, as the page gives it: the blocks of its section "A complete
# host" in order are CMakeLists.txt, main.cpp, the commands with CMake, those without, and what
# it prints. Each way's last command runs the host.
host=$scratch/docs-host
mkdir -p "$host"
awk -v dir="$host" '
  /^## / { inside = ($0 == "## A complete host") }
  inside && /^```/ && !open { open = 1; n++; next }
  inside && /^```/ && open { open = 0; next }
  inside && open { print > (dir "/block" n) }
' "$root/docs/embedding.md"
[ -f "$host/block5" ] || fail "docs/embedding.md: the section \"A complete host\" has fewer than five blocks"
mv "$host/block1" "$host/CMakeLists.txt"
mv "$host/block2" "$host/main.cpp"
for way in 3 4; do
  (
    cd "$host"
    sed '$d' "block$way" > steps.sh
    CXXFLAGS="-Wall -Wextra -Wpedantic -Werror" quiet bash -euo pipefail steps.sh
    bash -euo pipefail -c "$(tail -n 1 "block$way")" > "printed$way"
  ) || fail "docs/embedding.md: the commands of block $way failed"
  diff -u "$host/block5" "$host/printed$way" || fail "docs/embedding.md: the complete host printed something else (block $way)"
done
step "  docs/embedding.md's complete host builds with CMake and with pkg-config and prints what the page says"

plugin=$scratch/plugin
quiet cmake -S "$root/tests/install/plugin" -B "$plugin" -G Ninja -DCMAKE_CXX_FLAGS="-Wall -Wextra -Wpedantic -Werror"
quiet cmake --build "$plugin"
quiet "$plugin/loader" "$plugin/plugin.so"
step "  a plugin (a shared object) that links the module loads and runs its dialog"

quiet desktop-file-validate /usr/share/applications/org.zemd02.zemd02_desktop.desktop
quiet appstreamcli validate --no-net /usr/share/metainfo/org.zemd02.zemd02_desktop.metainfo.xml
[ -f /usr/share/icons/hicolor/scalable/apps/org.zemd02.zemd02_desktop.svg ] || fail "the desktop program's icon is not installed"
step "  the menu entry, its icon and the metainfo are installed and valid"
step "passed in $((SECONDS - started)) s"
