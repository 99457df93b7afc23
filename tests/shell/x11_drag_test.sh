#!/usr/bin/env bash
# Drags the real tavoclip's skinned windows by their background on a private
# X server, driven by xdotool, with openbox as the window manager (which takes
# over the drag as a system move) or with no window manager at all (where the
# window follows the pointer itself). For the main window, the feedback form
# and the options dialog: a press, a move and a release move the window; a
# free pointer move afterwards must leave it where it is; and the next click
# must reach the control under the pointer. The dialogs are dragged the
# moment they open, round after round, since that is when a window manager
# and the toolkit may not yet agree on where the window is.
# Usage: x11_drag_test.sh PATH/TO/tavoclip openbox|none
set -u
program=$1
manager=${2:-none}
tools=(xdotool xprop)
[ "$manager" = openbox ] && tools+=(openbox)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
source "$(dirname "$0")/../support/private_x_server.sh"
source "$(dirname "$0")/../support/window_manager.sh"
start_private_x_server

runtime=$(mktemp -d)
chmod 700 "$runtime"
program_pid=
wm_pid=
cleanup() {
  local pid
  for pid in $program_pid $wm_pid; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$runtime"
  stop_private_x_server
}
trap cleanup EXIT
# Private runtime, configuration and cache folders: this copy's single-copy
# lock and openbox's files stay apart from anything a person runs here.
export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$runtime/config XDG_CACHE_HOME=$runtime/cache HOME=$runtime
unset QT_QPA_PLATFORM

[ "$manager" = openbox ] && start_openbox

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

"$program" & program_pid=$!
wait_window Tavoclip >/dev/null || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 0.3

# The main window's header, then the "Feedback" link, which opens the form.
drag_then_click Tavoclip 333 13 651 483

# Each round drags the feedback form and the options dialog the moment they
# open, then closes each with its Back button; a dialog the window manager
# threw aside or kept after the release is not under the pointer for that
# click and stays open. A fault that shows once in a few drags needs several
# rounds under openbox to show reliably; without a window manager the window
# moves itself and two rounds suffice.
rounds=2
[ "$manager" = openbox ] && rounds=6
for round in $(seq "$rounds"); do
  if [ "$round" -gt 1 ]; then
    xdotool mousemove --window "$(window_id Tavoclip)" 651 483
    sleep 0.2
    xdotool click 1
  fi
  # The form's header, then its Back button, which closes it.
  if wait_window FeedBack >/dev/null; then
    drag_then_click FeedBack 160 12 275 145
    wait_gone FeedBack || { complain "round $round: the feedback form's Back button did not get the click: $(where)"; break; }
  else
    complain "round $round: the click did not reach the Feedback link: $(where)"
    break
  fi

  # The toolbar's Options button opens the options dialog; drag it the same way.
  xdotool mousemove --window "$(window_id Tavoclip)" 320 81
  sleep 0.2
  xdotool click 1
  if wait_window Options >/dev/null; then
    drag_then_click Options 160 12 275 145
    wait_gone Options || { complain "round $round: the options dialog's Back button did not get the click: $(where)"; break; }
  else
    complain "round $round: the Options button did not open the options dialog: $(where)"
    break
  fi
done

[ "$fail" -eq 0 ] && echo "PASS ($manager, $rounds rounds)"
exit "$fail"
