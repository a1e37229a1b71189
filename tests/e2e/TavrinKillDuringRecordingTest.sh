#!/usr/bin/env bash
# A WAV recording survives the recorder being killed outright: the file
# opens, its header covers the audio up to shortly before the kill, and
# that audio is the tone. The program starts again afterwards.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

begin_session
write_settings
start_tavrin

start=$(now)
click_record
wait_new_recording ""
sleep 4  # recording time: a few header updates before the kill
killed=$(now)
kill -9 "$TAVRIN_PID"
wait "$TAVRIN_PID" 2>/dev/null
TAVRIN_PID=""

name=$NEW_RECORDING
check_name "$name" wav "$start"
ran=$(elapsed "$RECORDING_SEEN" "$killed")
# The header is brought up to date every second, so at most the last
# second or two before the kill may be missing.
check_audio "$RECORDED_FOLDER/$name" --duration "$ran" --duration-tolerance 2 \
  --frequency "$TONE_HZ" --level "$TONE_DBFS"

start_tavrin
echo "PASS"
