#!/usr/bin/env bash
# Builds the product (installing what is missing first) and makes the Debian
# package tavoclip_<version>_amd64.deb in the build folder with `cpack -G DEB`.
# Install it with: sudo apt-get install ./build/tavoclip_*.deb
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${TAVOCLIP_BUILD_DIR:-$root/build}"
source "$root/scripts/deps.sh"
ensure_packages

# The product only: the two programs, the converter and the files the install
# lays out. No test program is built, and cpack's install step does not build
# them either.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" -j2 --target tavoclip tavoclip-batch conv tavoclip_sound tavoclip_icons
(cd "$build" && cpack -G DEB)
ls "$build"/tavoclip_*.deb
