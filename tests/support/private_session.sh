# Sourced by the X tests that run the real program, after
# private_x_server.sh. start_private_session points the runtime,
# configuration and cache folders (and HOME) at a new private folder, so the
# program's single-copy lock, its settings and the window manager's files
# stay apart from anything a person runs here, and makes Qt use the X server.
# end_private_session PID... stops those processes, removes the folder and
# stops the X server; tests call it from their EXIT trap.
start_private_session() {
  session_folder=$(mktemp -d)
  chmod 700 "$session_folder"
  export XDG_RUNTIME_DIR=$session_folder XDG_CONFIG_HOME=$session_folder/config \
    XDG_CACHE_HOME=$session_folder/cache HOME=$session_folder
  unset QT_QPA_PLATFORM
}

end_private_session() {
  local pid
  for pid in "$@"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$session_folder"
  stop_private_x_server
}
