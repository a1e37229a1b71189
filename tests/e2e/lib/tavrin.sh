# Runs the recorder on a display with a private sound server fed a known
# tone, in folders of its own, and watches it from outside.
#
# A test script sources this file with its arguments (the program, the
# source folder, the folder for screenshots), calls begin_session and then
# start_tavrin. Every exit, a failed check included, stops the program,
# the server and the display and removes the folders.

exe=$1 root=$2 shots=$3
source "$root/tests/e2e/lib/pulse.sh"
source "$root/tests/e2e/lib/windows.sh"

TAVRIN_TITLE="Velmora MP3 Recorder"
# Not the 1 kHz of the virtual devices, so a fallback shows; and no whole
# number of periods in 10, 20, 50 or 400 ms, so a lost block of capture
# shows as a break in the tone.
TONE_HZ=743

fail() { echo "FAIL: $*"; exit 1; }

# Other programs a test starts; stopped with the session.
OTHER_PIDS=()

# Waited for, so none is left behind as a zombie.
end_session() {
  [[ -n "${TAVRIN_PID:-}" ]] && kill -9 "$TAVRIN_PID" 2>/dev/null && wait "$TAVRIN_PID" 2>/dev/null
  local pid
  for pid in "${OTHER_PIDS[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  stop_private_pulse
  stop_private_display
  [[ -n "${work:-}" ]] && rm -rf "$work"
}

# Creates the folders, the display and the server.
begin_session() {
  work=$(mktemp -d)
  trap end_session EXIT
  trap 'exit 130' INT TERM
  # The hotkeys read the whole keyboard of the display.
  start_private_display "$work" || fail "no display"
  mkdir -p "$shots"
  start_private_pulse "$work/pulse" "$TONE_HZ" ||
    fail "the private sound server cannot start, so nothing can be recorded (see above)"

  # Own folders, so the test neither sees nor leaves anything of the user's.
  unset VELMORA_AUDIO XDG_DOCUMENTS_DIR
  export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  SETTINGS_FOLDER="$XDG_CONFIG_HOME/Velmora Mp3 Recorder"
  RECORDED_FOLDER="$HOME/Documents/Velmora Mp3 Recorder/Recorded files"
}

# write_settings [LINES...]: the settings file the program reads at start:
# record from the tone, WMA as 44.1 kHz stereo, and any further lines
# (whole sections) given.
write_settings() {
  mkdir -p "$SETTINGS_FOLDER"
  {
    printf '[Device]\nInputDevice=%s\n' "$TONE_INPUT_NAME"
    printf '[OutputFormat]\nWmaFormat=14\nSelected=0\n'
    local line
    for line in "$@"; do printf '%s\n' "$line"; done
  } >"$SETTINGS_FOLDER/QmtCfg.ini"
}

# start_tavrin: starts the program and waits for its window
# (TAVRIN_WINDOW). Idle, it captures nothing: the input is opened only
# while a recording or voice activation uses it.
start_tavrin() {
  "$exe" >>"$work/tavrin.log" 2>&1 &
  TAVRIN_PID=$!
  TAVRIN_WINDOW=$(wait_until main_window_or_end) || fail "no main window appeared"
  [[ -n "$TAVRIN_WINDOW" ]] || fail "the program ended at start: $(cat "$work/tavrin.log")"
}

# Prints the main window's id, or nothing once the program has ended.
main_window_or_end() {
  visible_window "$TAVRIN_TITLE" || ! kill -0 "$TAVRIN_PID" 2>/dev/null
}

# click X Y: a left click at a place of the main window's client area.
click() { click_in "$TAVRIN_WINDOW" "$1" "$2"; }

# Places in the main window, from its layout.
click_format() {
  case $1 in
    wav) click 376 84 ;;
    mp3) click 432 84 ;;
    ogg) click 488 84 ;;
    wma) click 544 84 ;;
  esac
}
click_record() { click 28 407; }
click_play() { click 87 406; }
click_pause() { click 113 406; }
click_stop() { click 139 406; }

# screenshot NAME: the main window as NAME.png in the screenshot folder.
screenshot() { window_shot "$TAVRIN_WINDOW" "$1"; }

# Rows of the record list, from the window's layout: the list's panel
# starts at 7,167, its header is HEADER_HEIGHT tall and rows ROW_HEIGHT.
LIST_LEFT=9 LIST_TOP=167 HEADER_HEIGHT=22 ROW_HEIGHT=18

# cell_shows_text ROW LEFT WIDTH: true when that stretch of a row (from
# 0; LEFT from the list's left edge) has something written in it, not
# just its background.
cell_shows_text() {
  shows_text "$TAVRIN_WINDOW" $((LIST_LEFT + $2)) $((LIST_TOP + HEADER_HEIGHT + $1 * ROW_HEIGHT + 3)) \
    "$3" $((ROW_HEIGHT - 6))
}

# shows_text WINDOW LEFT TOP WIDTH HEIGHT: true when that stretch of the
# window has something written in it, not just its background.
shows_text() {
  local levels WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  levels=$(ffmpeg -v error -f x11grab -video_size "$4x$5" -i "$DISPLAY+$((X + $2)),$((Y + $3))" -frames:v 1 \
    -pix_fmt gray -f rawvideo - | od -An -v -tu1 | tr -s ' ' '\n' | grep . | sort -u | wc -l)
  [[ $levels -ge 4 ]]
}

# row_shows_text N: row N shows something in its first two columns.
row_shows_text() { cell_shows_text "$1" 4 200; }

# size_shows_text N: row N shows something in its "Size" column.
size_shows_text() { cell_shows_text "$1" 474 96; }

# status_running: the status line under the list names a running
# recording or playback ("Recording...", "Playing..."), not a resting
# state ("Idle", "Pause"): its word reaches past where those end.
status_running() { shows_text "$TAVRIN_WINDOW" 240 398 16 14; }
status_resting() { ! status_running; }

now() { date +%s.%N; }
# elapsed FROM TO: seconds between two `now` readings.
elapsed() { awk -v from="$1" -v to="$2" 'BEGIN { printf "%.2f", to - from }'; }

# The recordings in the recorded folder, one name a line, oldest first.
recordings() { ls -1tr "$RECORDED_FOLDER" 2>/dev/null; }

# wait_new_recording BEFORE: waits for a recording not in the list BEFORE
# (as `recordings` printed it) and sets NEW_RECORDING to its name and
# RECORDING_SEEN to when it was made, from the folder's change time:
# capture starts right after the file is made, so its audio begins there.
wait_new_recording() {
  local made
  made=$(wait_until new_recordings "$1") || fail "no recording was started"
  [[ $(grep -c . <<<"$made") -eq 1 ]] || fail "more than one new recording: $made"
  NEW_RECORDING=$made
  RECORDING_SEEN=$(stat -c %.9Y "$RECORDED_FOLDER")
}

# new_recordings BEFORE: prints the recordings not in BEFORE; false when
# there are none.
new_recordings() { comm -13 <(sort <<<"$1") <(recordings | sort) | grep .; }

# closed_at FILE: when the program last wrote FILE, once it has stopped
# writing: a writer's last act is finishing the file, so that is when the
# recording ended, however long the stop took to arrive. A recording
# writes at least every second, so 1.2 s without a write means it ended.
closed_at() {
  local last="" current _
  for _ in $(seq 20); do
    current=$(stat -c %.9Y "$1")
    [[ $current == "$last" ]] && break
    last=$current
    sleep 1.2
  done
  echo "$current"
}

file_size() { stat -c %s "$1" 2>/dev/null || echo 0; }

file_larger_than() { (($(file_size "$1") > $2)); }

# wait_file_larger FILE BYTES: waits until FILE holds more than BYTES.
wait_file_larger() { wait_until file_larger_than "$1" "$2"; }

# check_name NAME EXTENSION START: the name follows the recorder's rule
# ("Recorded" + start date and time + extension) for a start about then.
check_name() {
  local name=$1 extension=$2 start=${3%.*} stamp second
  [[ $name =~ ^Recorded\ ([0-9]{4}-[0-9]{2}-[0-9]{2})\ ([0-9]{2})-([0-9]{2})-([0-9]{2})\.$extension$ ]] ||
    fail "\"$name\" is not named \"Recorded YYYY-MM-DD hh-mm-ss.$extension\""
  stamp="${BASH_REMATCH[1]} ${BASH_REMATCH[2]}:${BASH_REMATCH[3]}:${BASH_REMATCH[4]}"
  second=$(date -d "$stamp" +%s) || fail "\"$name\" holds no real time"
  ((second >= start - 1 && second <= start + 2)) ||
    fail "\"$name\" is named after $stamp, but recording started at $(date -d "@$start" '+%F %T')"
}

# check_audio FILE OPTIONS...: see audio_check.py. A failing file is kept
# beside the screenshots for a closer look.
check_audio() {
  python3 "$root/tests/e2e/lib/audio_check.py" "$@" && return 0
  cp "$1" "$shots/" 2>/dev/null
  fail "the recording does not hold what was recorded (kept in $shots)"
}
