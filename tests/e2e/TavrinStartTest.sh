#!/usr/bin/env bash
# The recorder starts with its main window; a second start of the same
# program file ends at once with status 0, a copy under another file name
# runs beside it; the Options button opens the options window, Escape
# closes it; the close button ends the program with status 0.
set -uo pipefail
exe=$1
root=$2
source "$root/tests/e2e/lib/windows.sh"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
# Own folders, so the test neither sees nor leaves anything of the user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run VELMORA_AUDIO=virtual
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
title="Velmora MP3 Recorder"

fail() { echo "FAIL: $*"; exit 1; }
start_private_display "$work" || fail "no display"

# windows_of_title COUNT: prints the first window of the title once at
# least COUNT of them are on the screen.
windows_of_title() {
  local ids
  ids=$(xdotool search --onlyvisible --name "$title" 2>/dev/null)
  [[ $(grep -c . <<<"$ids") -ge $1 ]] && head -n 1 <<<"$ids"
}
wait_windows() { wait_until windows_of_title "$1"; }

"$exe" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
window=$(wait_windows 1) || fail "no main window appeared"
[[ -d "$HOME/config/Velmora Mp3 Recorder" ]] || fail "settings folder not created"

timeout "$E2E_DEADLINE" "$exe" >"$work/second.log" 2>&1
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

# Options sits in the button row under the title; Escape cancels it,
# once the options window has the keyboard.
xdotool mousemove --window "$window" 158 42 click 1
options=$(wait_window "Options") || fail "the Options button opened no options window"
focus_window "$options" || fail "the options window never got the keyboard"
xdotool key Escape
wait_window_gone "Options" || fail "Escape left the options window open"

# The close button sits at the top right of the window.
xdotool mousemove --window "$window" 593 14 click 1
wait_exit "$first"
status=$?
[[ $status -eq 0 ]] || fail "closing ended with status $status: $(cat "$work/first.log")"
pids=()
echo "PASS"
