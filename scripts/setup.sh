#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Installs what the build needs when it is missing: a C++20 compiler, CMake, Ninja, GoogleTest,
# Google Benchmark, and for the desktop program Qt 6 with the Japanese gothic fonts its dialogs are drawn with
# and ERFA for the positions of its live sky.
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev qt6-base-dev fonts-ipafont-gothic liberfa-dev libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=(); elif command -v sudo >/dev/null; then sudo=(sudo); else
  echo "setup: please install ${missing[*]}" >&2; exit 1
fi
echo "setup: installing ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
