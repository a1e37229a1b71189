#!/usr/bin/env bash
# The editor started as the recorder's player starts it, with a WAV in the
# hand-over file: it opens the file, a mouse drag selects, Cut cuts,
# amplify runs through its dialog and is undone, File > Save As exports to
# MP3 and OGG through the file dialog, and the exported files hold what
# is left; New starts a second copy beside it; closing an unmodified
# document asks nothing.
set -uo pipefail
source "$2/tests/e2e/lib/olwick.sh" "$@"
begin_session

duration() { ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1"; }
# within VALUE LOW HIGH
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
lasts_two_seconds() { within "$(duration "$1" 2>/dev/null)" 1.8 2.2; }

# Three seconds of a tone, handed over as the player does.
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=3" -ac 2 -ar 44100 "$work/tone.wav" || fail "no tone"
printf '[Init]\nFileName=%s\nLeft=40\nTop=30\n' "$work/tone.wav" >"$settings/Init.ini"

"$exe" >"$work/olwick.log" 2>&1 &
pid=$!
window=$(wait_window "Velmora Audio Editor -- $work/tone.wav") || fail "the handed-over file did not open"
[[ ! -e "$settings/Init.ini" ]] || fail "the hand-over file was not consumed"

# The toolbar keys are 24 pixels wide, 26 apart from x 8, with a wider
# step before each group: New at 8, Cut at 146, Undo at 232; the second
# toolbar starts with Amplify + at 8.
# The view spans x 58..815 of the window for the whole three seconds:
# drag over the second of them and cut it.
xdotool mousemove --window "$window" 310 250 mousedown 1 mousemove --window "$window" 450 250 \
  mousemove --window "$window" 562 250 mouseup 1
screenshot selected
xdotool mousemove --window "$window" 158 70 click 1

# Amplify the first part through its dialog, then undo it.
xdotool mousemove --window "$window" 80 250 mousedown 1 mousemove --window "$window" 200 250 mouseup 1
xdotool mousemove --window "$window" 20 100 click 1
dialog=$(wait_window "Amplify") || fail "the amplify dialog did not open"
screenshot amplify
focus_window "$dialog" || fail "the amplify dialog never got the keyboard"
xdotool key Return
wait_window_gone "^Amplify" || fail "Enter left the amplify dialog open"
xdotool mousemove --window "$window" 244 70 click 1

for format in mp3 ogg; do
  before=$(visible_windows)
  xdotool mousemove --window "$window" 20 46 click 1
  # A click before the menu is on the screen would land on the window under it.
  wait_new_window "$before" >/dev/null || fail "the File menu did not open"
  screenshot "menu-$format"
  xdotool mousemove --window "$window" 60 131 click 1
  save=$(wait_window "Save As") || fail "Save As opened no dialog"
  screenshot "save-$format"
  focus_window "$save" || fail "the Save As dialog never got the keyboard"
  xdotool type --delay 20 "$work/out.$format"
  xdotool key Return
  wait_window_gone "Save As" || fail "the Save As dialog stays"
  wait_until test -s "$work/out.$format" || fail "no $format file was written"
  # Written to its end, it lasts what was left.
  wait_until lasts_two_seconds "$work/out.$format" ||
    fail "the $format file lasts $(duration "$work/out.$format") s, not the two seconds left after the cut"
done
screenshot exported

# New with a document loaded starts another copy of the program with an
# empty document, 20 pixels right of and below this window.
xdotool mousemove --window "$window" 20 70 click 1
second=$(wait_window "^Velmora Audio Editor$") || fail "New started no second copy"
[[ ! -e "$settings/Init.ini" ]] || fail "the second copy left the hand-over file"
eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/A_/')"
eval "$(xdotool getwindowgeometry --shell "$second" | sed 's/^/B_/')"
[[ $((B_X - A_X)) -eq 20 && $((B_Y - A_Y)) -eq 20 ]] || fail "the second copy opened at $B_X,$B_Y, not beside $A_X,$A_Y"
xdotool mousemove --window "$second" $((B_WIDTH - 15)) 16 click 1
wait_window_gone "^Velmora Audio Editor$" || fail "the second copy did not close"

# Exported, the document counts as saved: closing asks nothing.
close_window
echo "PASS"
