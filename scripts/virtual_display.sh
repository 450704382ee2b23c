# Sourced by scripts: a private virtual X display for the rest of the script.
#   start_virtual_display <folder>   exports DISPLAY; <folder> holds the server's one file
#   stop_virtual_display             ends the server (also on the script's exit)
# The server listens on an abstract socket only, so nothing of it stays in /tmp, and it picks a
# free display number itself.

start_virtual_display() {
  local number_file="$1/virtual-display"
  mkdir -p "$1"
  rm -f "$number_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix 3>"$number_file" \
    >/dev/null 2>&1 &
  virtual_display_pid=$!
  until [ -s "$number_file" ]; do
    if ! kill -0 "$virtual_display_pid" 2>/dev/null; then
      echo "The virtual display (Xvfb) did not start." >&2
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$(cat "$number_file")"
  rm -f "$number_file"
}

stop_virtual_display() {
  [ -n "${virtual_display_pid:-}" ] || return 0
  kill "$virtual_display_pid" 2>/dev/null || true
  wait "$virtual_display_pid" 2>/dev/null || true
  virtual_display_pid=
}
