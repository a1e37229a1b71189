#!/usr/bin/env bash
# The recorder starts with its main window; a second start of the same
# program file ends at once with status 0, a copy under another file name
# runs beside it; the Options button opens the options window, Escape
# closes it; the close button ends the program with status 0.
set -uo pipefail
exe=$1
root=$2
source "$root/scripts/lib/xvfb.sh"
start_xvfb_if_needed || { echo "no display"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap 'cleanup; [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null' EXIT
# Own folders, so the test neither sees nor leaves anything of the user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run VELMORA_AUDIO=virtual
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
title="Velmora MP3 Recorder"

fail() { echo "FAIL: $*"; exit 1; }

# Waits until `count` windows of the title exist; prints the first.
wait_windows() {
  local count=$1 ids
  for _ in $(seq 200); do
    ids=$(xdotool search --name "$title" 2>/dev/null)
    if [[ $(grep -c . <<<"$ids") -ge $count ]]; then head -n 1 <<<"$ids"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits for a process to end and answers its status (124 when it did not).
wait_exit() {
  local pid=$1
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
    sleep 0.1
  done
  return 124
}

"$exe" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
window=$(wait_windows 1) || fail "no main window appeared"
[[ -d "$HOME/config/Velmora Mp3 Recorder" ]] || fail "settings folder not created"

timeout 10 "$exe" >"$work/second.log" 2>&1
status=$?
[[ $status -eq 0 ]] || fail "second start ended with status $status"
[[ ! -s "$work/second.log" ]] || fail "second start said: $(cat "$work/second.log")"
[[ $(xdotool search --name "$title" | grep -c .) -eq 1 ]] || fail "second start opened a window"

cp "$exe" "$work/tavrin-copy"
"$work/tavrin-copy" >"$work/copy.log" 2>&1 &
copy=$!
pids+=("$copy")
wait_windows 2 >/dev/null || fail "a copy under another name did not start"
kill "$copy"
wait "$copy" 2>/dev/null

# Options sits in the button row under the title; Escape cancels it.
xdotool mousemove --window "$window" 158 42 click 1
options=""
# Up to 20 s each way: a loaded machine is slow.
for _ in $(seq 200); do
  options=$(xdotool search --onlyvisible --name "Options" 2>/dev/null | head -n 1)
  [[ -n "$options" ]] && break
  sleep 0.1
done
[[ -n "$options" ]] || fail "the Options button opened no options window"
xdotool windowfocus --sync "$options"
xdotool key Escape
for _ in $(seq 200); do
  xdotool search --onlyvisible --name "Options" >/dev/null 2>&1 || break
  sleep 0.1
done
! xdotool search --onlyvisible --name "Options" >/dev/null 2>&1 || fail "Escape left the options window open"

# The close button sits at the top right of the window.
xdotool mousemove --window "$window" 593 14 click 1
wait_exit "$first"
status=$?
[[ $status -eq 0 ]] || fail "closing ended with status $status: $(cat "$work/first.log")"
pids=()
echo "PASS"
