#!/usr/bin/env bash
# Three recordings burnt as an audio CD onto the image drive: the player
# opens the burner on the recordings' folder, "Add all" puts them on the
# burn list, Start burn and the progress window's Start write the disc
# image. Its cue sheet holds three tracks that start where the recordings
# before them end (in 2352-byte sectors), and the BIN holds each
# recording's audio (its length exactly, its power closely). Screenshots
# of the burner and the progress window go to the given folder.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

begin_session
write_settings
export FOXBURNER_IMAGE_DIR=$work/images
start_tavrin

for take in 1 2 3; do
  before=$(recordings)
  click_record
  wait_new_recording "$before"
  # Takes of different lengths, so a track out of place shows.
  sleep "1.$((take * 3))"
  click_stop
  closed_at "$RECORDED_FOLDER/$NEW_RECORDING" >/dev/null
done
[[ $(recordings | grep -c .) -eq 3 ]] || fail "three recordings were not made: $(recordings)"

click_in "$TAVRIN_WINDOW" 36 42
player=$(wait_window "Velmora MP3 Player") || fail "the player did not open"
click_in "$player" 219 42
# The burner lists the folder before its window shows, and takes clicks
# in the order they came.
burner=$(wait_window "Velmora MP3 CD Burner") || fail "the burner did not open from the player"
click_in "$burner" 250 78   # sort the folder by name
click_in "$burner" 46 313  # Add all
window_shot "$burner" burner
click_in "$burner" 36 42   # Start burn
progress=$(wait_window "Burn Audio CD") || fail "Start burn did not open the progress window"
window_shot "$progress" progress
click_in "$progress" 221 176  # Start
cue_sheet() { ls "$FOXBURNER_IMAGE_DIR"/*.cue 2>/dev/null | head -n 1 | grep .; }
cue=$(wait_until cue_sheet)
[[ -n "$cue" ]] || fail "no cue sheet was written into $FOXBURNER_IMAGE_DIR: $(ls "$FOXBURNER_IMAGE_DIR" 2>&1)"
wait_window "^Message$" >/dev/null || fail "the burn's result was not shown"
window_shot "$burner" burnt

# The cue sheet against the recordings, in the list's order (by name).
python3 - "$cue" "${cue%.cue}.bin" "$RECORDED_FOLDER" <<'PY' || fail "the disc image does not hold the recordings"
import math, os, re, subprocess, sys
cue, binary, folder = sys.argv[1:]
names = sorted(n for n in os.listdir(folder) if n.endswith(".wav"))
sheet = open(cue).read()
starts = [int(m) * 60 * 75 + int(s) * 75 + int(f) for m, s, f in re.findall(r"INDEX 01 (\d\d):(\d\d):(\d\d)", sheet)]
tracks = re.findall(r"TRACK (\d+) AUDIO", sheet)
if len(tracks) != 3 or len(starts) != 3:
    sys.exit(f"{len(tracks)} tracks in the cue sheet:\n{sheet}")
data = open(binary, "rb").read()
sector = 0
for name, start in zip(names, starts):
    pcm = subprocess.run(["ffmpeg", "-v", "error", "-i", os.path.join(folder, name), "-f", "s16le", "-ar", "44100",
                          "-ac", "2", "-"], capture_output=True, check=True).stdout
    if start != sector:
        sys.exit(f"{name} starts at sector {start}, not {sector}")
    if data[start * 2352:start * 2352 + len(pcm)] != pcm:
        a = memoryview(data[start * 2352:start * 2352 + len(pcm)]).cast("h")
        b = memoryview(pcm).cast("h")
        # Resamplers may differ by a phase; the same sound has the same power.
        power = lambda samples: math.sqrt(sum(x * x for x in samples) / max(1, len(samples)))
        if len(a) != len(b) or abs(power(a) - power(b)) > 0.05 * power(b) + 1:
            sys.exit(f"the BIN does not hold the audio of {name}: {len(a)} vs {len(b)} samples, "
                     f"power {power(a):.0f} vs {power(b):.0f}")
    sector += math.ceil(len(pcm) / 2352)
if len(data) != sector * 2352:
    sys.exit(f"the BIN holds {len(data)} bytes, not {sector} sectors")
print(f"3 tracks, {sector} sectors")
PY
echo "PASS"
