#!/usr/bin/env bash
# Installs the built program into a temporary prefix and runs it as a user
# with a temporary home, under a private X server with openbox and on a
# private session bus. A second launch given a file name relative to its own
# working folder must end at once, without a window and without saving, and
# hand the file to the running copy, which comes back from the minimised
# state and converts the file in its next batch. During that batch the
# session bus carries the dock's progress, and Finish clears it.
# Usage: launch_handover_test.sh BUILD_FOLDER DESKTOP_ID
set -u
build=$1
desktop_id=$2
for tool in xdotool openbox dbus-daemon dbus-monitor ffmpeg; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
source "$(dirname "$0")/../support/private_x_server.sh"
start_private_x_server

scratch=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  rm -rf "$scratch"
  stop_private_x_server
}
trap cleanup EXIT
prefix=$scratch/prefix
export HOME=$scratch/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_CONFIG_HOME/tavoclip" "$XDG_RUNTIME_DIR" "$scratch/clips" "$scratch/out" "$scratch/bin"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
fail=0
say_fail() { echo "FAIL: $*"; fail=1; }

# Finish opens the output folder through xdg-open: record it instead.
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
export PATH=$scratch/bin:$PATH

dbus-daemon --session --nofork --print-address >"$scratch/bus" 2>/dev/null & pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/bus" ] && break; sleep 0.05; done
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$scratch/bus")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || { echo "FAIL: dbus-daemon did not start"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS
dbus-monitor "interface='com.canonical.Unity.LauncherEntry'" >"$scratch/monitor" 2>&1 & pids+=($!)
openbox --sm-disable >/dev/null 2>&1 & pids+=($!)

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { echo "FAIL: cmake --install"; cat "$scratch/install.log"; exit 1; }
ffmpeg -loglevel error -f lavfi -i testsrc=duration=2:size=160x120:rate=10 -f lavfi -i sine=duration=2 \
  -shortest -c:v mpeg4 -c:a aac "$scratch/clips/clip.mp4" || { echo "FAIL: ffmpeg"; exit 1; }
# WAV into the scratch output folder, completion sound off.
setup=$XDG_CONFIG_HOME/tavoclip/setup.ini
printf '"4"\r\n"4"\r\n"3"\r\n"%s"\r\n"9"\r\n' "$scratch/out" >"$setup"
printf '1\r\n0\r\n0\r\n0\r\n' >"$XDG_CONFIG_HOME/tavoclip/options.ini"

"$prefix/bin/tavoclip" 2>>"$scratch/program.log" & first=$!; pids+=($first)
window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Tavoclip$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window appeared"; cat "$scratch/program.log"; exit 1; }
sleep 0.5
xdotool windowminimize --sync "$window"
config_before=$(cd "$XDG_CONFIG_HOME" && ls -lR --time-style=full-iso . && md5sum tavoclip/*)

# The second copy, from the clip's folder, with a relative name.
(cd "$scratch/clips" && exec timeout 10 "$prefix/bin/tavoclip" clip.mp4) 2>"$scratch/second.log"
status=$?
[ "$status" -eq 0 ] || { say_fail "the second copy ended with status $status"; cat "$scratch/second.log"; }
kill -0 "$first" 2>/dev/null || say_fail "the first copy is gone"
config_after=$(cd "$XDG_CONFIG_HOME" && ls -lR --time-style=full-iso . && md5sum tavoclip/*)
[ "$config_before" = "$config_after" ] || say_fail "the second copy changed the settings"

# The running copy is brought back, and it stays the only window.
visible=
for _ in $(seq 50); do
  visible=$(xdotool search --onlyvisible --name '^Tavoclip$' 2>/dev/null)
  [ -n "$visible" ] && break
  sleep 0.1
done
[ -n "$visible" ] || say_fail "the running copy's window did not come back"
[ "$(wc -w <<<"$visible")" -le 1 ] || say_fail "more than one main window: $visible"

# Convert (the big button, lower right), then wait for Finish to open the
# output folder.
xdotool mousemove --window "$window" 582 416 sleep 0.2 click 1
for _ in $(seq 300); do
  [ -s "$scratch/opened" ] && break
  sleep 0.1
done
[ -s "$scratch/opened" ] || say_fail "the batch did not finish"
[ -s "$scratch/out/clip.wav" ] || say_fail "the handed-over file was not converted"
[ -f "$scratch/clips/clip.mp4" ] || say_fail "the source is gone"

# The dock's badge: progress shown during the batch, cleared at the end.
sleep 0.5
updates=$(grep -c 'member=Update' "$scratch/monitor")
grep -qF "string \"application://$desktop_id.desktop\"" "$scratch/monitor" ||
  say_fail "the updates do not name application://$desktop_id.desktop"
[ -f "$prefix/share/applications/$desktop_id.desktop" ] || say_fail "no installed desktop file of that name"
grep -A1 'string "progress"$' "$scratch/monitor" | grep -q 'double' || say_fail "no progress in the updates"
last=$(awk '/member=Update/ { block = "" } { block = block $0 "\n" } END { printf "%s", block }' "$scratch/monitor")
grep -A1 '"progress-visible"' <<<"$last" | grep -q 'boolean false' || say_fail "the last update does not clear the bar"
grep -A1 '"count-visible"' <<<"$last" | grep -q 'boolean false' || say_fail "the last update does not clear the count"
[ "$updates" -ge 2 ] || say_fail "expected updates during the batch and at its end, saw $updates"
if [ "$fail" -ne 0 ]; then
  echo "--- program log"; cat "$scratch/program.log"
  echo "--- bus monitor"; cat "$scratch/monitor"
fi
[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
