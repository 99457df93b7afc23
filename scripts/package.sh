#!/usr/bin/env bash
# Builds the program (installing what is missing first) and makes the Debian
# package tavoclip_<version>_amd64.deb in the build folder with `cpack -G DEB`.
# Install it with: sudo apt-get install ./build/tavoclip_*.deb
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${TAVOCLIP_BUILD_DIR:-$root/build}"
source "$root/scripts/deps.sh"
ensure_packages

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB)
ls "$build"/tavoclip_*.deb
