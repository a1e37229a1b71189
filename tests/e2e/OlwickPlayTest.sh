#!/usr/bin/env bash
# The editor plays a mouse selection of a handed-over WAV through a sound
# server of its own: the level bars fill while it plays and the server's
# output receives the stream.
set -uo pipefail
source "$2/tests/e2e/lib/olwick.sh" "$@"
begin_session sound-server

# The level bars sit in the bottom right corner of the window, 112 pixels
# wide: their picture as raw pixels, summed to one number.
bars_picture() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  ffmpeg -v error -f x11grab -video_size 112x28 -i "$DISPLAY+$((X + WIDTH - 136)),$((Y + HEIGHT - 44))" \
    -frames:v 1 -f rawvideo -pix_fmt gray - 2>/dev/null | md5sum
}
bars_changed() { [[ "$(bars_picture)" != "$idle_bars" ]]; }
bars_idle() { ! bars_changed; }
# The speakers output is running: a stream plays into it.
speakers_running() { pactl list short sinks 2>/dev/null | awk '$2 == "speakers" {print $NF}' | grep -q RUNNING; }

# Three seconds of a loud tone, handed over as the player does.
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=3" -af volume=6dB -ac 2 -ar 44100 "$work/tone.wav" ||
  fail "no tone"
printf '[Init]\nFileName=%s\nLeft=40\nTop=30\n' "$work/tone.wav" >"$settings/Init.ini"

"$exe" >"$work/olwick.log" 2>&1 &
pid=$!
window=$(wait_window "Velmora Audio Editor -- $work/tone.wav") || fail "the handed-over file did not open"

# The view spans x 58..815 of the window for the three seconds: select
# from about 0.1 s to 2.9 s, long enough to be seen playing.
xdotool mousemove --window "$window" 84 250 mousedown 1 mousemove --window "$window" 450 250 \
  mousemove --window "$window" 790 250 mouseup 1
idle_bars=$(bars_picture)

# Play, the first key of the bottom row.
xdotool mousemove --window "$window" 25 550 click 1
wait_until speakers_running || fail "the sound server received no stream"
wait_until bars_changed || fail "the level bars did not move while playing"
screenshot playing
pactl list short sink-inputs | grep -q . || fail "no stream plays into the server"

# At the end of the selection the bars fall back to empty.
wait_until bars_idle || fail "the level bars stay up after playing"

close_window
echo "PASS"
