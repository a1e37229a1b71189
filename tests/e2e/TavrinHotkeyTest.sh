#!/usr/bin/env bash
# The start and stop key combinations of the settings file start and stop
# a recording from the keyboard, while another program has it: holding the
# start keys starts exactly one
# recording, pressing them again while it runs starts no other, and the
# stop keys end it, so the file stops growing and its row is listed.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

# Start: Ctrl+Alt+F9, stop: Ctrl+Alt+F11 (modifier line 4, key lines 51
# and 53); the second combinations are off.
START_KEYS=ctrl+alt+F9
STOP_KEYS=ctrl+alt+F11

# press KEYS: a short press, held a moment as a hand does, so that the
# program looks at the keys while they are down.
press() {
  xdotool keydown "$1"
  sleep 0.2
  xdotool keyup "$1"
}

begin_session
write_settings "[Hotkey]" "StartPreHotKey1=4" "StartHotKey1=51" "StopPreHotKey1=4" "StopHotKey1=53" \
  "StartUse1=1" "StopUse1=1" "StartUse2=0" "StopUse2=0"
start_tavrin
[[ -z $(recordings) ]] || fail "recordings exist before any key was pressed"

# Another program takes the keyboard.
xmessage -geometry +0+0 "another program" &
OTHER_PIDS+=($!)
other=$(wait_window xmessage) || fail "the other program's window did not appear"
focus_window "$other" || fail "the other program did not get the keyboard"

start=$(now)
xdotool keydown "$START_KEYS"
wait_new_recording ""
# Held on after the start, as a slow hand does.
sleep 1.5
xdotool keyup "$START_KEYS"
file="$RECORDED_FOLDER/$NEW_RECORDING"
check_name "$NEW_RECORDING" wav "$start"
size1=$(file_size "$file")
wait_file_larger "$file" "$size1" || fail "the recording does not grow (stays at $size1 bytes)"

press "$START_KEYS"
# Held until the recording has ended, however long the program takes.
xdotool keydown "$STOP_KEYS"
stop=$(closed_at "$file")
xdotool keyup "$STOP_KEYS"
size3=$(file_size "$file")
# The program takes the keys in the order they came: once the stop has
# ended the recording, every start before it has had its effect.
[[ $(recordings | grep -c .) -eq 1 ]] ||
  fail "holding the start keys, then pressing them while recording, made $(recordings | grep -c .) recordings, not one"
check_audio "$file" --duration "$(elapsed "$RECORDING_SEEN" "$stop")" --duration-tolerance 0.7 \
  --frequency "$TONE_HZ" --level "$TONE_DBFS"
[[ $(xdotool getwindowfocus) == "$other" ]] || fail "the keys took the keyboard from the other program"
row_shows_text 0 || fail "the record list shows no row for the recording"
row_shows_text 1 && fail "the record list shows a second row"
# Looked at again after all the checks above.
(($(file_size "$file") == size3)) || fail "the recording goes on after the stop keys ($size3 then $(file_size "$file") bytes)"
screenshot after-hotkeys
echo "PASS"
