#!/usr/bin/env bash
# The first-run check: a new user's way from the repository to converted
# files, through the installed program rather than the build tree.
#
#   scripts/first_run.sh                 installs the already-built build folder
#                                        into a temporary prefix, checks the
#                                        layout, and converts a generated Flash
#                                        video clip into each of the ten formats
#                                        with the installed tavoclip-batch
#   scripts/first_run.sh --quick         the same check, converting into MP4
#                                        and MP3 only (scripts/test.sh uses it:
#                                        the converter's tests already convert
#                                        into all ten formats and probe them)
#   scripts/first_run.sh --from-scratch  first clones this repository into a
#                                        temporary folder and runs the README's
#                                        two commands there, as a new user
#                                        would; the second of them ends with
#                                        the check above on that fresh build
#
# Prints one line per format and ends with a non-zero status on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ "${1:-}" = "--from-scratch" ]; then
  fresh=$(mktemp -d)
  trap 'rm -rf "$fresh"' EXIT
  git clone -q "$root" "$fresh/tavoclip"
  cd "$fresh/tavoclip"
  echo "== bash scripts/run.sh"
  (unset DISPLAY WAYLAND_DISPLAY; bash scripts/run.sh)
  echo "== bash scripts/test.sh"
  bash scripts/test.sh
  exit 0
fi

formats="MPG WMV MOV AVI MP4 3GP MP3 AMR WMA WAV"
[ "${1:-}" = "--quick" ] && formats="MP4 MP3"

build="${TAVOCLIP_BUILD_DIR:-$root/build}"
if [ ! -x "$build/tavoclip-batch" ] || [ ! -x "$build/data/conv" ]; then
  echo "No built program in $build: run bash scripts/test.sh (or scripts/run.sh) first." >&2
  exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
for file in bin/tavoclip bin/tavoclip-batch lib/tavoclip/tavoclip lib/tavoclip/data/conv lib/tavoclip/sound.wav \
            lib/tavoclip/help.html share/applications/io.github.tavoclip.Tavoclip.desktop \
            share/icons/hicolor/scalable/apps/tavoclip.svg share/icons/hicolor/48x48/apps/tavoclip.png; do
  [ -e "$prefix/$file" ] || { echo "missing after install: $file"; failed=1; }
done

# A new user's typical source: an old Flash video with sound.
clip="$scratch/first clip.flv"
ffmpeg -v error -f lavfi -i "testsrc=duration=3:size=320x240:rate=25" -f lavfi -i "sine=frequency=440:duration=3" \
  -shortest -c:v flv -c:a libmp3lame -ar 22050 "$clip"

# The batch command writes to the current folder unless told otherwise; run
# it from a folder of the user's, as a person at a terminal would.
cd "$scratch"
echo "First run: installed into a temporary prefix; converting \"$(basename "$clip")\" with its tavoclip-batch"
for format in $formats; do
  out=$scratch/out/$format
  mkdir -p "$out"
  start=${EPOCHREALTIME/./}
  if log=$("$prefix/bin/tavoclip-batch" --format "$format" --output "$out" "$clip" 2>&1); then status=0; else status=$?; fi
  elapsed_ms=$(( (${EPOCHREALTIME/./} - start) / 1000 ))
  made=$(find "$out" -type f -name 'first clip.*' | head -1)
  if [ "$status" -eq 0 ] && [ -s "$made" ] && ffprobe -v error "$made" >/dev/null 2>&1; then
    printf '%-4s ok    %-16s %8d bytes  %5d ms\n' "$format" "$(basename "$made")" "$(stat -c %s "$made")" "$elapsed_ms"
  else
    printf '%-4s FAIL  exit status %d\n' "$format" "$status"
    sed 's/^/      /' <<<"$log"
    failed=1
  fi
done
exit "$failed"
