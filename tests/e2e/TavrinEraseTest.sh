#!/usr/bin/env bash
# The burner's device and erase windows and a data disc burnt through the
# progress window, on the image drive holding a rewritable CD that an
# earlier burn closed: the burner opens from the player, the quick erase
# blanks the disc and its window closes by itself, then the recordings
# folder's two MP3 files are burnt as an MP3 CD and read back from the
# image byte for byte.
set -uo pipefail
source "$2/tests/e2e/lib/tavrin.sh" "$@"
begin_session

export FOXBURNER_IMAGE_DIR=$work/images FOXBURNER_IMAGE_MEDIUM=cd-rw
mkdir -p "$FOXBURNER_IMAGE_DIR" "$RECORDED_FOLDER"
echo 5000000 >"$FOXBURNER_IMAGE_DIR/CD-RW.disc"
for name in one two; do
  ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=2" -c:a libmp3lame -b:a 128k "$RECORDED_FOLDER/$name.mp3" ||
    fail "cannot make $name.mp3"
done
write_settings
start_tavrin

# folder_row_shows_text N: row N of the burner's folder list shows a name.
folder_row_shows_text() { shows_text "$burner" 206 $((68 + HEADER_HEIGHT + $1 * ROW_HEIGHT + 3)) 150 $((ROW_HEIGHT - 6)); }

click 36 42
player=$(wait_window "Velmora MP3 Player") || fail "the player did not open"
click_in "$player" 219 42
burner=$(wait_window "CD Burner") || fail "the burner did not open from the player"

# Select Burning Device, then Erase (Quick).
click_in "$burner" 97 42
device=$(wait_window ": Device$") || fail "the device window did not open"
window_shot "$device" device
click_in "$device" 155 130
erase=$(wait_window "^Erasing$") || fail "the erase window did not open"
window_shot "$erase" erase
wait_window_gone "^Erasing$" || fail "the erase window did not close once the erase ended"
[[ ! -e "$FOXBURNER_IMAGE_DIR/CD-RW.disc" ]] || fail "the rewritable disc was not erased"
click_in "$device" 313 130
wait_window_gone ": Device$" || fail "Ok did not close the device window"

# MP3 CD, all files of the recordings folder, Start.
before=$(visible_windows)
click_in "$burner" 553 44
wait_new_window "$before" >/dev/null || fail "the burn type list did not drop down"
click_in "$burner" 505 76
# The new type lists the folder anew; both files, before they are all added.
wait_until folder_row_shows_text 1 || fail "the folder list does not show both files"
click_in "$burner" 46 313
click_in "$burner" 36 42
progress=$(wait_window "Burn MP3 CD") || fail "the burning-progress window did not open"
window_shot "$progress" progress
click_in "$progress" 222 267
message=$(wait_window "^Message$") || fail "no result was shown"
window_shot "$message" result
iso="$FOXBURNER_IMAGE_DIR/My collection.iso"
[[ -f "$iso" ]] || fail "no image was written: $(ls "$FOXBURNER_IMAGE_DIR")"
[[ -s "$FOXBURNER_IMAGE_DIR/CD-RW.disc" ]] || fail "the burnt disc is not marked as written"

# Read back with an ISO tool of its own.
mkdir -p "$work/read"
osirrox -indev "$iso" -extract / "$work/read" >"$work/osirrox.log" 2>&1 || fail "osirrox: $(tail -n 3 "$work/osirrox.log")"
for name in one two; do
  cmp -s "$RECORDED_FOLDER/$name.mp3" "$work/read/$name.mp3" || fail "$name.mp3 does not read back as burnt: $(ls "$work/read")"
done
[[ $(ls "$work/read" | grep -c .) -eq 2 ]] || fail "the disc holds more than the list: $(ls "$work/read")"

# The result's Ok, then Close: the burn is over, so the window may close.
focus_window "$message" || fail "the result never got the keyboard"
xdotool key Return
wait_window_gone "^Message$" || fail "the result stays"
click_in "$progress" 400 267
wait_window_gone "Burn MP3 CD" || fail "Close did not close the burning-progress window"
echo "PASS"
