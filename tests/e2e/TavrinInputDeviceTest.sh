#!/usr/bin/env bash
# The input the recorder listens to. A first run records from the sound
# server's default input, though the server lists the monitors of its
# outputs and another input before it. An input chosen in Options, Device
# is at once what the level meters show and what a recording holds, from
# a quiet input to a loud one and back.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

# Two more real inputs from the server's sine generators; the default is
# the second, and quiet (peak about 1 % of full scale), so the meters
# stay down for it and rise to half for the tone of "Monitor of KnownTone".
MIC_SOURCE=microphone MIC_HZ=440 MIC_DBFS=-37.39  # -6.02 dB, then 30 % volume (-31.37 dB)
LOUD_METER=35 QUIET_METER=3  # lit rows of the 91 of a meter

begin_session
pactl load-module module-sine-source source_name=headset frequency=300 \
  source_properties=device.description=Headset >/dev/null || fail "cannot add the input Headset"
pactl load-module module-sine-source source_name=$MIC_SOURCE frequency=$MIC_HZ \
  source_properties=device.description=Microphone >/dev/null || fail "cannot add the input Microphone"
pactl set-default-source $MIC_SOURCE && pactl set-source-volume $MIC_SOURCE 30% ||
  fail "cannot make Microphone the quiet default input"

# No settings file: the first run.
start_tavrin
screenshot first-run

# The left level meter, from its layout: 10 pixels wide at 11,67 in the
# main window, 93 tall with a one-pixel frame.
meter_height() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$TAVRIN_WINDOW")"
  ffmpeg -v error -f x11grab -video_size 1x91 -i "$DISPLAY+$((X + 16)),$((Y + 68))" -frames:v 1 \
    -pix_fmt rgb24 -f rawvideo - | od -An -v -tu1 -w3 | awk '!($1 == 48 && $2 == 60 && $3 == 58)' | wc -l
}

# captures_read SOURCE COUNT: waits until exactly COUNT capture streams
# run, all from SOURCE.
captures_read() {
  wait_until capturing_from "$1" "$2" ||
    fail "expected $2 capture stream(s) from $1, found: $(capture_sources_in_use | tr '\n' ' ')"
}

capturing_from() {
  local in_use
  in_use=$(capture_sources_in_use)
  [[ $(grep -c . <<<"$in_use") -eq $2 && $(sort -u <<<"$in_use") == "$1" ]]
}

# choose_input DOWNS SOURCE: in Options, Device, moves the input list's
# choice DOWNS places down (up when negative), sees that choosing opens no
# capture while nothing records, and closes the window with Ok.
choose_input() {
  local options keys=() _
  click 158 42
  options=$(wait_window 'Options$') || fail "the options window does not open"
  xdotool mousemove --window "$options" 428 41 click 1  # the "Device" tab
  xdotool mousemove --window "$options" 200 114 click 1  # the input list
  focus_window "$options" || fail "the options window never got the keyboard"
  for _ in $(seq "${1#-}"); do keys+=("$([[ $1 == -* ]] && echo Up || echo Down)"); done
  xdotool key "${keys[@]}" Return
  captures_read "" 0
  screenshot "options-$2"
  xdotool mousemove --window "$options" 385 445 click 1  # "Ok"
  wait_window_gone 'Options$' || fail "the options window does not close"
}

# ran_for START SECONDS: true once that long has passed since START.
ran_for() { awk -v from="$1" -v to="$(now)" -v s="$2" 'BEGIN { exit !(to - from >= s) }'; }

# record_input SOURCE HERTZ DBFS LOUDNESS: records for at least 2 s and
# checks that the recording and the monitor read SOURCE, the meters show
# it (LOUDNESS loud: they rise to half before the deadline; quiet: they stay
# down all along) and the file holds its tone.
record_input() {
  local source=$1 hertz=$2 dbfs=$3 loudness=$4 before start height highest=0 file
  before=$(recordings)
  start=$(now)
  click_record
  wait_new_recording "$before"
  file="$RECORDED_FOLDER/$NEW_RECORDING"
  captures_read "$source" 2
  # The meters watched for 2 s, and for a loud input until they rise.
  while ! ran_for "$start" 2 ||
    { [[ $loudness == loud ]] && ((highest < LOUD_METER)) && ! ran_for "$start" "$E2E_DEADLINE"; }; do
    height=$(meter_height)
    ((height > highest)) && highest=$height
  done
  screenshot "recording-$source"
  click_stop
  closed_at "$file" >/dev/null
  captures_read "" 0  # the idle recorder lets the input go
  if [[ $loudness == loud ]]; then
    ((highest >= LOUD_METER)) || fail "$source: the meters show at most $highest rows while its loud tone is recorded"
  else
    ((highest <= QUIET_METER)) || fail "$source: the meters show $highest rows while its quiet tone is recorded"
  fi
  check_audio "$file" --frequency "$hertz" --level "$dbfs" --level-tolerance 2
}

record_input $MIC_SOURCE $MIC_HZ $MIC_DBFS quiet
# Microphone, Headset, Monitor of Speakers, Monitor of KnownTone.
choose_input 3 "$TONE_SOURCE"
record_input "$TONE_SOURCE" "$TONE_HZ" "$TONE_DBFS" loud
choose_input -3 $MIC_SOURCE
record_input $MIC_SOURCE $MIC_HZ $MIC_DBFS quiet
grep -qx "InputDevice=Microphone" "$SETTINGS_FOLDER/QmtCfg.ini" || fail "the chosen input is not stored"
echo "PASS"
