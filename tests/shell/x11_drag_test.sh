#!/usr/bin/env bash
# Drags the real tavoclip's skinned windows by their background on a private
# X server, driven by xdotool, with openbox or icewm as the window manager
# (which takes over the drag as a system move) or with no window manager at
# all (where the window follows the pointer itself). For the main window, the feedback form
# and the options dialog: a press, a move and a release move the window; a
# free pointer move afterwards must leave it where it is; and the next click
# must reach the control under the pointer. The dialogs are dragged the
# moment they open, round after round, since that is when a window manager
# and the toolkit may not yet agree on where the window is. A click whose
# pointer shakes by a pixel between press and release must leave no move
# running: the window stays where it is when the pointer then moves freely.
# Usage: x11_drag_test.sh PATH/TO/tavoclip openbox|icewm|none
set -u
program=$1
manager=${2:-none}
tools=(xdotool xprop)
[ "$manager" != none ] && tools+=("$manager")
for tool in "${tools[@]}"; do
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

[ "$manager" = openbox ] && start_openbox
[ "$manager" = icewm ] && start_icewm

fail=0
complain() { echo "FAIL ($manager): $*"; fail=1; }

window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(window_id "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_gone() {
  for _ in $(seq 50); do
    [ -z "$(window_id "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}
position() {
  local X Y WINDOW SCREEN WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y"
}
# Where the pointer is, for a failure's message.
where() {
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  echo "pointer at $X,$Y over window $WINDOW ($(xdotool getwindowname "$WINDOW" 2>/dev/null)," \
    "at $(position "$WINDOW"))"
}
# Moves the pointer by (dx, dy) in small steps, as a hand would.
glide() {
  local steps=8
  for _ in $(seq $steps); do
    xdotool mousemove_relative -- $(($1 / steps)) $(($2 / steps))
    sleep 0.03
  done
  sleep 0.15
}

# drag_then_click TITLE BACKGROUND_X BACKGROUND_Y CONTROL_X CONTROL_Y
# Drags the window by a background point as soon as it is shown, checks that
# it moved and that a free move leaves it, then clicks the control at the
# given window point.
drag_then_click() {
  local title=$1 id x0 y0 x1 y1 x2 y2
  id=$(wait_window "$title") || { complain "no window '$title'"; return 1; }
  read -r x0 y0 < <(position "$id")
  # Pointer positions are given in the window's own coordinates, which the X
  # server translates: no reading of the window's place can be stale.
  xdotool mousemove --window "$id" "$2" "$3"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  glide 80 48
  xdotool mouseup 1
  sleep 0.3
  read -r x1 y1 < <(position "$id")
  # The pointer travelled 80,48; the window must have followed it, not less
  # and not thrown further.
  if [ $((x1 - x0)) -lt 40 ] || [ $((y1 - y0)) -lt 24 ] || [ $((x1 - x0)) -gt 120 ] || [ $((y1 - y0)) -gt 72 ]; then
    complain "'$title' did not follow the drag of 80,48: $x0,$y0 -> $x1,$y1"
  fi
  glide 120 64
  read -r x2 y2 < <(position "$id")
  [ "$x2 $y2" = "$x1 $y1" ] || complain "'$title' moved with no button held: $x1,$y1 -> $x2,$y2"
  xdotool mousemove --window "$id" "$4" "$5"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# jitter_click TITLE BACKGROUND_X BACKGROUND_Y: presses on the background,
# moves the pointer by one pixel and releases at once, then moves the pointer
# freely; the window must not follow.
jitter_click() {
  local id x0 y0 x1 y1
  id=$(wait_window "$1") || { complain "no window '$1'"; return 1; }
  read -r x0 y0 < <(position "$id")
  xdotool mousemove --window "$id" "$2" "$3"
  sleep 0.1
  xdotool mousedown 1 mousemove_relative -- 1 0 mouseup 1
  sleep 0.2
  glide 64 40
  read -r x1 y1 < <(position "$id")
  [ "$x1 $y1" = "$x0 $y0" ] || complain "'$1' followed the pointer after a click with jitter: $x0,$y0 -> $x1,$y1"
}

# Clicks the main window at a point of its own.
click_main() {
  xdotool mousemove --window "$(window_id Tavoclip)" "$1" "$2"
  sleep 0.2
  xdotool click 1
}
# drag_and_close TITLE NAME OPENER: drags the dialog the moment it shows and
# closes it with its Back button; a dialog the window manager threw aside or
# kept after the release is not under the pointer for that click and stays
# open.
drag_and_close() {
  wait_window "$1" >/dev/null || { complain "round $round: $3 did not open $2: $(where)"; return 1; }
  drag_then_click "$1" 160 12 275 145
  wait_gone "$1" || { complain "round $round: the Back button of $2 did not get the click: $(where)"; return 1; }
}

"$program" & program_pid=$!
wait_window Tavoclip >/dev/null || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.3

# The main window's header, then the "Feedback" link, which opens the form.
drag_then_click Tavoclip 333 13 651 483

# Each round opens the feedback form (the first round's is open already) and
# the options dialog, drags each the moment it opens and closes it. A fault
# that shows once in a few drags needs several rounds under openbox to show
# reliably; without a window manager the window moves itself and two rounds
# suffice.
rounds=2
[ "$manager" != none ] && rounds=6
for round in $(seq "$rounds"); do
  [ "$round" -gt 1 ] && click_main 651 483
  drag_and_close FeedBack "the feedback form" "the Feedback link" || break
  click_main 320 81
  drag_and_close Options "the options dialog" "the toolbar's Options button" || break
done

# Clicks with a pixel of jitter on the main window's header and on the options
# dialog's, several times each: the fault showed in about half of the tries.
for round in $(seq "$rounds"); do
  jitter_click Tavoclip 333 13
done
click_main 320 81
for round in $(seq "$rounds"); do
  jitter_click Options 160 12
done
xdotool key Escape
wait_gone Options || complain "Escape did not close the options dialog"


[ "$fail" -eq 0 ] && echo "PASS ($manager, $rounds rounds)"
exit "$fail"
