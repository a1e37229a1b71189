#!/usr/bin/env bash
# Recording into a folder that cannot be made says so in a message, and
# the program runs on as it was, without a row for the failed start.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

begin_session
# Under a file, so not even root can make it.
write_settings "[OutputPath]" "OutputPath=/dev/null/recordings/"
start_tavrin

click_record
message=$(wait_window '^Message$') || fail "recording into an unusable folder shows no message"
screenshot unusable-folder
kill -0 "$TAVRIN_PID" 2>/dev/null || fail "the program ended"
focus_window "$message" || fail "the message never got the keyboard"
xdotool key Return
wait_window_gone '^Message$' || fail "the message does not close"
kill -0 "$TAVRIN_PID" 2>/dev/null || fail "the program ended after the message"
row_shows_text 0 && fail "the record list shows a row for a recording that never started"
echo "PASS"
