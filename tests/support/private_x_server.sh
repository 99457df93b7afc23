# Sourced by the tests that need a real X server. start_private_x_server
# starts Xvfb on a display number it picks itself (-displayfd reports the
# number only once the server takes connections, so there is neither a race
# for a number with parallel tests nor a start before the server is ready),
# exports DISPLAY and stops the server when the calling shell exits (a script
# that sets its own EXIT trap calls stop_private_x_server from it).
start_private_x_server() {
  command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is missing"; exit 77; }
  local number_file
  number_file=$(mktemp)
  # -noreset: by default the server resets whenever its last client leaves,
  # and a program connecting during that reset fails to start.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  private_x_server_pid=$!
  trap stop_private_x_server EXIT
  for _ in $(seq 200); do
    [ -s "$number_file" ] && break
    kill -0 "$private_x_server_pid" 2>/dev/null || break
    sleep 0.05
  done
  local number
  number=$(tr -d '[:space:]' <"$number_file")
  rm -f "$number_file"
  [ -n "$number" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$number"
  unset XAUTHORITY
}

stop_private_x_server() {
  [ -n "${private_x_server_pid:-}" ] || return 0
  # Wait for it, so that its display number and socket are free again before
  # the next test may pick them.
  kill "$private_x_server_pid" 2>/dev/null && wait "$private_x_server_pid" 2>/dev/null
  private_x_server_pid=
}
