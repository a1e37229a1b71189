#!/usr/bin/env bash
# The splitter and the joiner, opened from the player: a 30-second WAV
# tone gets two split points placed with the timeline's thumb, its first
# section unticked, and splits into two parts that hold, sample for
# sample, the source from the first point on; three files in WAV, MP3 and
# OGG join into one MP3 as long as they are together; a long merge
# cancelled leaves a shorter file that still plays.
# Screenshots of both windows go to the given folder.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

begin_session
MERGED_FOLDER="$work/merged"
write_settings "[OutputPath]" "SplitSaveToAppointed=0" "JoinOutputPath=$MERGED_FOLDER/" "JoinPreName=Merged" \
  "JoinUseDate=0"
mkdir -p "$RECORDED_FOLDER" "$MERGED_FOLDER"

tone() { # tone FILE SECONDS RATE CHANNELS [CODEC OPTIONS...]
  local file=$1 seconds=$2 rate=$3 channels=$4
  shift 4
  ffmpeg -v error -y -f lavfi -i "sine=frequency=$TONE_HZ:sample_rate=$rate:duration=$seconds" -ac "$channels" "$@" \
    "$file" || fail "cannot make $file"
}
tone "$RECORDED_FOLDER/split-me.wav" 30 44100 2 -c:a pcm_s16le
tone "$RECORDED_FOLDER/join1.wav" 3 22050 1 -c:a pcm_s16le
tone "$RECORDED_FOLDER/join2.mp3" 4 44100 2 -c:a libmp3lame -b:a 128k
tone "$RECORDED_FOLDER/join3.ogg" 5 44100 2 -c:a libvorbis
tone "$RECORDED_FOLDER/long1.wav" 300 22050 1 -c:a pcm_s16le
tone "$RECORDED_FOLDER/long2.wav" 300 22050 1 -c:a pcm_s16le
tone "$RECORDED_FOLDER/tone.mp3" 12 44100 2 -c:a libmp3lame -b:a 128k

# The lists of the player and the tool windows: header and row heights.
LIST_HEADER=19 LIST_ROW=16
duration() { ffprobe -v error -show_entries format=duration -of csv=p=0 "$1"; }

# list_row_shows_text WINDOW LEFT TOP N: row N of the list whose first
# column starts at LEFT,TOP in that window shows something there.
list_row_shows_text() { shows_text "$1" "$2" $(($3 + LIST_HEADER + $4 * LIST_ROW + 3)) 80 $((LIST_ROW - 6)); }
# answer_message TEXT: waits for the message box, keeps a picture of it
# and closes it.
answer_message() {
  local message
  message=$(wait_window '^Message$') || fail "no message \"$1\" appeared"
  window_shot "$message" "message-$2"
  focus_window "$message" || fail "the message \"$1\" never got the keyboard"
  xdotool key Return
  wait_window_gone '^Message$' || fail "the message does not close"
}

# The section list's header starts at 217; the whole file is its first
# section once the file is read.
file_loaded() { list_row_shows_text "$splitter" 48 217 0; }

start_tavrin
click 36 43 # the main window's Player button
player=$(wait_window "Velmora MP3 Player") || fail "the player does not open"
PLAYER_LIST_TOP=262
wait_until list_row_shows_text "$player" 205 $PLAYER_LIST_TOP 6 || fail "the player does not list the folder's seven files"

# ---- Splitting ---------------------------------------------------------------------
# The player's list, sorted by name: join1, join2, join3, long1, long2, split-me.
click_in "$player" 260 $((PLAYER_LIST_TOP + LIST_HEADER + 5 * LIST_ROW + LIST_ROW / 2))
click_in "$player" 97 43 # Split
splitter=$(wait_window "Splitter$") || fail "the splitter does not open"
wait_until file_loaded || fail "the splitter shows no section for the file"
window_shot "$splitter" splitter-idle

# The timeline lies at 7,63; its thumb, 33 wide, starts at its left end
# and its cursor 16 pixels into the thumb. A drag of 178 pixels is about
# ten seconds of thirty.
drag_thumb() { # drag_thumb FROM_LEFT TO_LEFT
  xdotool mousemove --window "$splitter" $((7 + $1 + 16)) 70 mousedown 1 \
    mousemove --window "$splitter" $((7 + $2 + 16)) 70 mouseup 1
}
drag_thumb 0 178
click_in "$splitter" 274 196 # Add
drag_thumb 178 356
click_in "$splitter" 274 196
click_in "$splitter" 20 $((217 + LIST_HEADER + LIST_ROW / 2)) # untick the first section
window_shot "$splitter" splitter-sections
click_in "$splitter" 36 43 # Split
answer_message "Split finished" split-finished
window_shot "$splitter" splitter-split

[[ -f "$RECORDED_FOLDER/split-me-Splitted0.wav" && -f "$RECORDED_FOLDER/split-me-Splitted1.wav" ]] ||
  fail "the split did not write two parts: $(ls "$RECORDED_FOLDER")"
[[ -e "$RECORDED_FOLDER/split-me-Splitted2.wav" ]] && fail "the split wrote a third part"
python3 - "$RECORDED_FOLDER/split-me.wav" "$RECORDED_FOLDER"/split-me-Splitted{0,1}.wav <<'EOF' || fail "the parts are not the source's kept sections"
import sys, wave
def frames(path):
    with wave.open(path) as w:
        return w.getnframes(), w.readframes(w.getnframes()), w.getframerate()
source, data, rate = frames(sys.argv[1])
parts = [frames(p) for p in sys.argv[2:]]
kept = sum(n for n, _, _ in parts)
joined = b"".join(d for _, d, _ in parts)
print("parts:", [round(n / rate, 3) for n, _, _ in parts], "s of", source / rate, "s")
ok = all(abs(n / rate - 10) < 0.2 for n, _, _ in parts)
ok = ok and joined == data[len(data) - len(joined):]
sys.exit(0 if ok else 1)
EOF
click_in "$splitter" 564 14 # close
wait_window_gone "Splitter$" || fail "the splitter does not close"

# An MP3 splits at its frames (1152 samples): each part may end up to a
# frame longer than its section, never shorter.
# The list now holds the parts as well: tone.mp3 is its ninth row.
wait_until list_row_shows_text "$player" 205 $PLAYER_LIST_TOP 8 || fail "the player does not list the split parts"
click_in "$player" 260 $((PLAYER_LIST_TOP + LIST_HEADER + 8 * LIST_ROW + LIST_ROW / 2))
click_in "$player" 97 43
splitter=$(wait_window "Splitter$") || fail "the splitter does not open on the MP3"
wait_until file_loaded || fail "the splitter shows no section for the MP3"
drag_thumb 0 266 # about 6 of 12 seconds
click_in "$splitter" 274 196
click_in "$splitter" 36 43
answer_message "Split finished" split-mp3-finished
halves=$(for part in 0 1; do duration "$RECORDED_FOLDER/tone-Splitted$part.mp3"; done)
awk -v whole="$(duration "$RECORDED_FOLDER/tone.mp3")" -v frame=$((1152)) '
  { part[NR] = $1 }
  END {
    printf "MP3 parts: %s s and %s s of %s s\n", part[1], part[2], whole
    d = part[1] + part[2] - whole
    exit !(NR == 2 && part[1] > 5.9 && part[1] < 6.1 && d < 2 * frame / 44100 + 0.005 && d > -0.005)
  }' <<<"$halves" || fail "the MP3 parts do not add up to the source within their frames"
click_in "$splitter" 564 14
wait_window_gone "Splitter$" || fail "the splitter does not close"

# ---- Joining -----------------------------------------------------------------------
click_in "$player" 158 43 # Join
joiner=$(wait_window "Joiner$") || fail "the joiner does not open"
# The folder's files at 8,207, sorted by a click on the name's header:
# join1, join2, join3, long1, long2, split-me-Splitted0, ...
FILES_TOP=207
wait_until list_row_shows_text "$joiner" 12 $FILES_TOP 6 || fail "the joiner does not list the folder"
file_row() { echo $((FILES_TOP + LIST_HEADER + $1 * LIST_ROW + LIST_ROW / 2)); }
pick_files() { # pick_files FIRST LAST: selects those rows and adds them
  click_in "$joiner" 60 "$(file_row "$1")"
  xdotool keydown shift mousemove --window "$joiner" 60 "$(file_row "$2")" click 1 keyup shift
  click_in "$joiner" 267 109 # Add
}
click_in "$joiner" 60 $((FILES_TOP + LIST_HEADER / 2))
pick_files 0 2
window_shot "$joiner" joiner-idle
click_in "$joiner" 36 43 # Start merge
answer_message "Merge finished" merge-finished
merged=$(ls "$MERGED_FOLDER")
[[ $(grep -c . <<<"$merged") -eq 1 && $merged =~ ^Merged\ [0-9]{2}-[0-9]{2}-[0-9]{2}\.mp3$ ]] ||
  fail "the merge did not write one \"Merged hh-mm-ss.mp3\": $merged"
expected=$(awk -v a="$(duration "$RECORDED_FOLDER/join1.wav")" -v b="$(duration "$RECORDED_FOLDER/join2.mp3")" \
  -v c="$(duration "$RECORDED_FOLDER/join3.ogg")" 'BEGIN { print a + b + c }')
got=$(duration "$MERGED_FOLDER/$merged")
awk -v e="$expected" -v g="$got" 'BEGIN { d = e - g; exit !(d < 0.05 && d > -0.05) }' ||
  fail "the merged file lasts $got s, its inputs $expected s"
check_audio "$MERGED_FOLDER/$merged" --frequency "$TONE_HZ" --breaks 2

# A long merge, cancelled while it runs.
click_in "$joiner" 267 201 # Remove all
pick_files 3 4
click_in "$joiner" 36 43
new_merge() { comm -13 <(echo "$merged") <(ls "$MERGED_FOLDER") | grep .; }
cancelled=$(wait_until new_merge) || fail "the long merge wrote nothing"
# A second or so of MP3 at 128 kbit/s, so there is something to keep.
wait_file_larger "$MERGED_FOLDER/$cancelled" 20000 || fail "the long merge does not go on"
window_shot "$joiner" joiner-merging
click_in "$joiner" 36 43 # Cancel merge
closed_at "$MERGED_FOLDER/$cancelled" >/dev/null
# The join list scrolled to its end shows the rows' status; its header
# then shows "Duration" where the name's column was blank. The bar drags
# its thumb only with moves that come once it has taken the pointer, which
# it does after the press: short pauses keep the three steps apart.
xdotool mousemove --window "$joiner" 390 362 mousedown 1 sleep 0.2 mousemove --window "$joiner" 700 362 sleep 0.2 \
  mouseup 1
scrolled_to_end() { shows_text "$joiner" 360 72 40 12; }
wait_until scrolled_to_end || fail "the join list does not scroll"
window_shot "$joiner" joiner-cancelled
# The first file's row says "Canceled"; the second was never started.
status_shows_text() { shows_text "$joiner" 500 $((69 + LIST_HEADER + $1 * LIST_ROW + 3)) 120 $((LIST_ROW - 6)); }
status_shows_text 0 || fail "the cancelled row shows no status"
status_shows_text 1 && fail "the file after the cancelled one shows a status"
got=$(duration "$MERGED_FOLDER/$cancelled") || fail "the cancelled merge left no readable file"
awk -v g="$got" 'BEGIN { exit !(g > 0.5 && g < 599) }' || fail "the cancelled merge lasts $got s of 600"
check_audio "$MERGED_FOLDER/$cancelled" --frequency "$TONE_HZ" --breaks 2
kill -0 "$TAVRIN_PID" 2>/dev/null || fail "the program ended"
echo "PASS"
