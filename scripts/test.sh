#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, then builds the
# plain C++ core again with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs its tests a second time.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/deps.sh"
ensure_packages

export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j2
(cd "$root/build" && ctest --output-on-failure -j2 --timeout 300)

cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTAVOCLIP_CORE_ONLY=ON -DTAVOCLIP_SANITIZE=ON
cmake --build "$root/build-sanitize" -j2
(cd "$root/build-sanitize" && \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j2 --timeout 300)
bash "$root/scripts/first_run.sh" --quick
