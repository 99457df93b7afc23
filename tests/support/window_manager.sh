# Sourced by the X tests that need a real window manager, after
# start_private_x_server. start_openbox starts openbox (start_icewm icewm) on $DISPLAY (with
# session management off: there is no session manager) and returns once it
# has claimed the screen, so that the first window a test maps is managed.
# Its process id is left in wm_pid for the caller's cleanup. Openbox writes
# its own files under the XDG folders, so the caller points those at a
# private folder first.
start_openbox() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm_pid=$!
  wait_for_window_manager openbox
}

start_icewm() {
  icewm --replace >/dev/null 2>&1 &
  wm_pid=$!
  wait_for_window_manager icewm
}

# Returns once a window manager has claimed the screen; the test fails when
# the one started as wm_pid ends first.
wait_for_window_manager() {
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "FAIL: $1 did not start"
  exit 1
}
