#!/usr/bin/env bash
# A paused recording leaves the pause out: the file lasts as long as the
# recording ran before and after it, and the tone runs on from where it
# stopped, with at most the one jump where the pause was.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

begin_session
write_settings
start_tavrin

click_record
wait_new_recording ""
file="$RECORDED_FOLDER/$NEW_RECORDING"
wait_until status_running || fail "the status line does not show the recording"
# Each sleep lets recording (or pause) time pass; the file's length is
# checked against the times taken here.
sleep 1.5
paused=$(now)
click_pause
wait_until status_resting || fail "the status line does not show the pause"
screenshot paused
sleep 1.5
resumed=$(now)
click_pause
wait_until status_running || fail "the status line does not show the recording again"
sleep 1.5
click_stop
stopped=$(closed_at "$file")

ran=$(awk -v a="$(elapsed "$RECORDING_SEEN" "$paused")" -v b="$(elapsed "$resumed" "$stopped")" \
  'BEGIN { print a + b }')
check_audio "$file" --duration "$ran" --duration-tolerance 0.7 \
  --frequency "$TONE_HZ" --breaks 1 --level "$TONE_DBFS"
echo "PASS"
