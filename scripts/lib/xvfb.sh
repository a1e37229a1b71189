# Starts a private Xvfb when no display is reachable; stopped on exit.
# Xvfb picks a free display number itself and says which, so two runs
# starting at once never end up on one server.
start_xvfb_if_needed() {
  if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$number_file" 2>/dev/null &
  XVFB_PID=$!
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
  # Up to 30 s for a loaded machine; a server that ends is not waited for.
  for _ in $(seq 300); do
    if [[ -s "$number_file" ]] && DISPLAY=":$(head -n 1 "$number_file")" xdpyinfo >/dev/null 2>&1; then
      export DISPLAY=":$(head -n 1 "$number_file")"
      rm -f "$number_file"
      echo "started Xvfb on $DISPLAY" >&2
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  echo "could not start Xvfb" >&2
  return 1
}
