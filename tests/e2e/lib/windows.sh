# Waiting for the programs' windows on the display.

# wait_window NAME: waits up to 20 s (a loaded machine is slow) for a
# visible window whose name matches NAME (a regular expression) and
# prints its id.
wait_window() {
  local id _
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# wait_window_gone NAME: waits up to 20 s until no such window is visible.
wait_window_gone() {
  local _
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
