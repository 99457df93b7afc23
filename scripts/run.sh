#!/usr/bin/env bash
# Runs the program's main job. With a desktop and a built window, it starts
# the window. Otherwise it makes a 10 s sample clip (once, into samples/),
# converts it to all ten formats with tavoclip-batch and says where the
# outputs are.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${TAVOCLIP_BUILD_DIR:-$root/build}"
source "$root/scripts/deps.sh"
ensure_packages

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target tavoclip-batch conv -j2

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && cmake --build "$build" --target tavoclip -j2 >/dev/null 2>&1 \
   && [ -x "$build/tavoclip" ]; then
  exec "$build/tavoclip"
fi

samples="$root/samples"
clip="$samples/sample.avi"
outputs="$samples/output"
mkdir -p "$samples" "$outputs"
if [ ! -s "$clip" ]; then
  echo "Making a 10 s sample clip: $clip"
  ffmpeg -v error -f lavfi -i "testsrc=duration=10:size=640x480:rate=25" \
    -f lavfi -i "sine=frequency=440:duration=10" -shortest -y "$clip"
fi

failed=0
for format in 0 1 2 3 4 5 6 7 8 9; do
  # Each run replaces the samples of the run before.
  "$build/tavoclip-batch" --overwrite --format "$format" --output "$outputs" "$clip" || failed=1
done
echo
echo "The outputs are in $outputs:"
ls -l "$outputs"
exit "$failed"
