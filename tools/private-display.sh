# Sourced by the scripts that show Wine windows: start_private_display starts
# an Xvfb on a free display, exports DISPLAY for it and stops it on exit.
start_private_display() {
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null; rm -f "$display_file"' EXIT
  trap 'exit 130' INT TERM
  # Xvfb writes the display number once it accepts clients.
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$display_file")"
}
