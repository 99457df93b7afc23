#!/usr/bin/env bash
# Starts the real tavoclip under a private X server and checks that its main
# window is mapped at 700 x 499 with a window shape, and that a second copy
# ends at once without a window while the first stays.
# Usage: x11_window_test.sh PATH/TO/tavoclip
set -u
program=$1
for tool in xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
source "$(dirname "$0")/../support/private_x_server.sh"
start_private_x_server

runtime=$(mktemp -d)
trap 'kill "$first" 2>/dev/null; rm -rf "$runtime"; stop_private_x_server' EXIT
chmod 700 "$runtime"
# A private runtime folder keeps this copy's single-instance lock apart from
# any copy a person runs on the same machine.
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM

windows() { xwininfo -root -tree | grep -c '"Tavoclip": ("tavoclip"'; }

"$program" & first=$!
for _ in $(seq 100); do
  [ "$(windows)" -ge 1 ] && break
  sleep 0.1
done
info=$(xwininfo -name Tavoclip -shape 2>&1)
fail=0
check() { grep -q "$1" <<<"$info" || { echo "FAIL: expected '$1' in:"; echo "$info"; fail=1; }; }
check "Width: 700"
check "Height: 499"
check "Map State: IsViewable"
check "Window shape extents"
check "Absolute upper-left X:  162"  # centred on the 1024 x 768 screen
check "Absolute upper-left Y:  134"

timeout 10 "$program"; status=$?
if [ "$status" -ne 0 ]; then echo "FAIL: the second copy ended with status $status"; fail=1; fi
if [ "$(windows)" -ne 1 ]; then echo "FAIL: expected exactly one main window"; fail=1; fi
if ! kill -0 "$first" 2>/dev/null; then echo "FAIL: the first copy is gone"; fail=1; fi
[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
