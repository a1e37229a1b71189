#!/usr/bin/env bash
# The sound server going away in the middle of a recording neither ends
# nor hangs the program: the recording ends by itself with one message,
# the file holds the tone up to the loss, and the window still answers.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

begin_session
write_settings
start_tavrin

click_record
wait_new_recording ""
file="$RECORDED_FOLDER/$NEW_RECORDING"
sleep 2  # recording time, so the file holds some tone before the loss
lost=$(now)
kill -9 "$PULSE_PID"
wait "$PULSE_PID" 2>/dev/null
PULSE_PID=""
message=$(wait_window '^Message$') || fail "losing the server mid-recording shows no message"
kill -0 "$TAVRIN_PID" 2>/dev/null || fail "the program ended when the server went away: $(cat "$work/tavrin.log")"
screenshot server-lost
closed_at "$file" >/dev/null
focus_window "$message" || fail "the message never got the keyboard"
xdotool key Return
wait_window_gone '^Message$' || fail "the message does not close"
# A second message would come at once; a while without one is enough.
[[ $(E2E_DEADLINE=10 wait_window '^Message$' 2>/dev/null) == "" ]] || fail "a second message followed the first"
kill -0 "$TAVRIN_PID" 2>/dev/null || fail "the program ended after the message"
check_audio "$file" --duration "$(elapsed "$RECORDING_SEEN" "$lost")" --duration-tolerance 0.7 \
  --frequency "$TONE_HZ" --level "$TONE_DBFS"

# Options sits in the button row under the title; Escape cancels it.
click 158 42
options=$(wait_window ': Options$') || fail "the window no longer answers: Options opened nothing"
focus_window "$options" || fail "the options window never got the keyboard"
xdotool key Escape
wait_window_gone ': Options$' || fail "the options window does not close"
echo "PASS"
