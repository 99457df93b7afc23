#!/usr/bin/env bash
# Drives the real tavoclip by keyboard under openbox on a private X server,
# with xdotool: in the focused main window Ctrl+O opens the "Open Files"
# dialog, Escape closes it again, and Ctrl+Q ends the program with status 0.
# Usage: x11_keyboard_test.sh PATH/TO/tavoclip
set -u
program=$1
for tool in xdotool xprop openbox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
source "$(dirname "$0")/../support/private_x_server.sh"
source "$(dirname "$0")/../support/window_manager.sh"
source "$(dirname "$0")/../support/private_session.sh"
start_private_x_server

program_pid=
wm_pid=
start_private_session
trap 'end_private_session $program_pid $wm_pid' EXIT
start_openbox

fail=0
complain() { echo "FAIL: $*"; fail=1; }
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
# until_true SECONDS COMMAND...: polls every tenth of a second.
until_true() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
shown() { [ -n "$(window_id "$1")" ]; }
gone() { [ -z "$(window_id "$1")" ]; }
ended() { ! kill -0 "$program_pid" 2>/dev/null; }

"$program" & program_pid=$!
until_true 10 shown Tavoclip || { echo "FAIL: the main window did not appear"; exit 1; }
xdotool windowactivate --sync "$(window_id Tavoclip)"

xdotool key --clearmodifiers ctrl+o
if until_true 5 shown "Open Files"; then
  xdotool key --clearmodifiers Escape
  until_true 5 gone "Open Files" || complain "Escape did not close \"Open Files\""
else
  complain "Ctrl+O did not open \"Open Files\""
fi

until_true 5 shown Tavoclip && xdotool windowactivate --sync "$(window_id Tavoclip)"
xdotool key --clearmodifiers ctrl+q
if until_true 5 ended; then
  wait "$program_pid"
  status=$?
  program_pid=
  [ "$status" -eq 0 ] || complain "the program ended with status $status after Ctrl+Q"
else
  complain "Ctrl+Q did not end the program"
fi

[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
