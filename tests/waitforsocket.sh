# Sourced by test scripts (bash). wait_for_socket SOCKET PID SECONDS waits
# until the Unix socket SOCKET exists, or the process PID (a child of this
# shell) ends, or SECONDS pass; it returns 0 once the socket is there.
# Nothing polls: inotifywait watches the socket's folder from before the
# socket is first looked for, so its creation cannot be missed.
wait_for_socket() {
  local socket=$1 pid=$2 seconds=$3 line watcher
  command -v inotifywait >/dev/null || {
    echo "wait_for_socket: inotifywait is missing (scripts/setup-deps installs inotify-tools)" >&2
    return 1
  }
  [ -S "$socket" ] && return 0
  coproc SOCKET_WATCH {
    exec inotifywait -t "$seconds" -e create --include "/$(basename "$socket")\$" "$(dirname "$socket")" 2>&1
  }
  watcher=$SOCKET_WATCH_PID
  # inotifywait says when its watch is in place.
  while IFS= read -r -t "$seconds" line <&"${SOCKET_WATCH[0]}"; do
    [ "$line" = "Watches established." ] && break
  done
  if [ "$line" = "Watches established." ] && [ ! -S "$socket" ]; then
    wait -n "$pid" "$watcher" 2>/dev/null
  fi
  kill "$watcher" 2>/dev/null
  wait "$watcher" 2>/dev/null
  [ -S "$socket" ]
}
