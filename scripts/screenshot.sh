#!/usr/bin/env bash
# Takes docs/screenshot.png: starts the built tavoclip on a private X server
# (xvfb) and grabs its window with FFmpeg's X11 capture.
# Usage: scripts/screenshot.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${1:-$root/build}"

if [ -z "${TAVOCLIP_UNDER_XVFB:-}" ]; then
  export TAVOCLIP_UNDER_XVFB=1
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$build"
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM
"$build/tavoclip" & pid=$!
trap 'kill "$pid" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  xwininfo -name Tavoclip >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
origin=$(xwininfo -name Tavoclip | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x","y}')
ffmpeg -loglevel error -y -f x11grab -video_size 700x499 -i "$DISPLAY+$origin" -frames:v 1 "$root/docs/screenshot.png"
echo "Wrote $root/docs/screenshot.png"
