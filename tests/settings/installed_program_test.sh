#!/usr/bin/env bash
# Installs the built program into a temporary prefix and starts the installed
# tavoclip twice on a private X server, as a user whose home is a temporary
# folder. Leaving with the exit button must save setup.ini to the user's
# configuration folder (never into the installed program folder), and the
# second start must read it back: what it saves again on exit is what the
# first run left, not the defaults. Exit removes its two scratch files from
# the program's private runtime folder and leaves files of the same names in
# the shared temporary folder alone.
# Usage: installed_program_test.sh BUILD_FOLDER
set -u
build=$1
for tool in xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
source "$(dirname "$0")/../support/private_x_server.sh"
start_private_x_server

scratch=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"; stop_private_x_server' EXIT
prefix=$scratch/prefix
export HOME=$scratch/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$scratch/runtime
export TMPDIR=$scratch/tmp
mkdir -p "$HOME/Videos" "$XDG_RUNTIME_DIR/tavoclip" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR" "$XDG_RUNTIME_DIR/tavoclip"
chmod 1777 "$TMPDIR"
for name in tmpfile.wav tmpfile1.mp3; do
  echo "another user's file" >"$TMPDIR/$name"
  echo scratch >"$XDG_RUNTIME_DIR/tavoclip/$name"
done
unset QT_QPA_PLATFORM
setup=$XDG_CONFIG_HOME/tavoclip/setup.ini

fail=0
expect() { # what, found, wanted
  if [ "$2" != "$3" ]; then echo "FAIL: $1: got '$2', expected '$3'"; fail=1; fi
}
# Line N of setup.ini without its quotes and CR.
value() { sed -n "${1}p" "$setup" | tr -d '\r"'; }

# Starts the installed program, waits for its window, presses the exit
# button (top right of the skin) and waits for the program to end. On a busy
# machine the first press may come before the window takes input, so it is
# repeated while the program runs.
run_and_exit() {
  "$prefix/bin/tavoclip" 2>>"$scratch/program.log" & pid=$!
  local window=
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Tavoclip$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then echo "FAIL: no window appeared"; cat "$scratch/program.log"; fail=1; return; fi
  for _ in 1 2 3; do
    sleep 0.5
    xdotool mousemove --window "$window" 679 17 sleep 0.2 click 1 2>/dev/null
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break 2
      sleep 0.1
    done
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the exit button did not end the program"
    cat "$scratch/program.log"
    kill "$pid"
    fail=1
  fi
  wait "$pid" 2>/dev/null
  pid=
}

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { echo "FAIL: cmake --install"; cat "$scratch/install.log"; exit 1; }

run_and_exit
[ -f "$setup" ] || { echo "FAIL: no $setup after the first exit"; exit 1; }
expect "default output folder" "$(value 4)" "$HOME/Videos/Tavoclip"
expect "default format" "$(value 5)" "0"
if [ -e "$prefix/lib/tavoclip/setup.ini" ]; then echo "FAIL: setup.ini written into the program folder"; fail=1; fi
for name in tmpfile.wav tmpfile1.mp3; do
  [ -e "$TMPDIR/$name" ] || { echo "FAIL: exit deleted $name in the shared temporary folder"; fail=1; }
  [ -e "$XDG_RUNTIME_DIR/tavoclip/$name" ] && { echo "FAIL: exit left $name in the private folder"; fail=1; }
done

# As if the user had chosen MP4 and another folder before leaving.
printf '"4"\r\n"4"\r\n"3"\r\n"%s"\r\n"4"\r\n' "$HOME/out, with a comma" >"$setup"
run_and_exit
expect "restored output folder" "$(value 4)" "$HOME/out, with a comma"
expect "restored format" "$(value 5)" "4"

[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
