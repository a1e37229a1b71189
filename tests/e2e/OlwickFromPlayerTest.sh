#!/usr/bin/env bash
# The recorder's player hands the selected file to the editor: the editor
# built beside the recorder starts, opens that file and consumes the
# hand-over file; its window opens 20 pixels right of and below the
# player's place.
set -uo pipefail
tavrin=$1
root=$2
source "$root/tests/e2e/lib/windows.sh"

work=$(mktemp -d)
cleanup() {
  [[ -n "${editor_pid:-}" ]] && kill "$editor_pid" 2>/dev/null
  [[ -n "${tavrin_pid:-}" ]] && kill "$tavrin_pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display "$work" || { echo "FAIL: no display"; exit 1; }
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run VELMORA_AUDIO=virtual
unset XDG_DOCUMENTS_DIR
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
recorded="$HOME/Documents/Velmora Mp3 Recorder/Recorded files"
mkdir -p "$recorded"

fail() { echo "FAIL: $*"; cat "$work/tavrin.log" 2>/dev/null; exit 1; }

ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=2" -ac 2 -ar 44100 "$recorded/song.wav" || fail "no tone"
"$tavrin" >"$work/tavrin.log" 2>&1 &
tavrin_pid=$!
main=$(wait_window "Velmora MP3 Recorder") || fail "the recorder did not start"
xdotool mousemove --window "$main" 36 42 click 1
player=$(wait_window "Player") || fail "the player did not open"
# The first row of the file list, then the player's editor key. The list
# is filled before the window shows, and clicks are taken in order.
xdotool mousemove --window "$player" 230 290 click 1
xdotool mousemove --window "$player" 280 42 click 1
editor=$(wait_window "Velmora Audio Editor -- .*song.wav") || fail "the editor did not open the handed-over file"
editor_pid=$(xdotool getwindowpid "$editor" 2>/dev/null)
[[ ! -e "$XDG_CONFIG_HOME/Velmora Mp3 Recorder/Init.ini" ]] || fail "the hand-over file was left behind"
eval "$(xdotool getwindowgeometry --shell "$player" | sed 's/^/P_/')"
eval "$(xdotool getwindowgeometry --shell "$editor" | sed 's/^/E_/')"
[[ $((E_X - P_X)) -eq 20 && $((E_Y - P_Y)) -eq 20 ]] ||
  fail "the editor opened at $E_X,$E_Y, not 20 pixels right of and below the player at $P_X,$P_Y"
# The editor was started on its own, not as our child: its close button ends it.
xdotool mousemove --window "$editor" $((E_WIDTH - 15)) 16 click 1
wait_window_gone "Velmora Audio Editor" || fail "the editor did not close"
editor_pid=""
echo "PASS"
