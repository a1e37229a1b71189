#!/usr/bin/env bash
# What the recorder costs the machine, in percent of one core: the program
# and its X server while it sits idle, and
# while it records MP3, beside the sound server's recorder piped into the
# lame command line encoding the same input with the same settings. All
# on a private Xvfb and a private sound server fed a tone, as the
# end-to-end tests run it. CPU time comes from /proc/<pid>/stat.
#
# Run by hand: bench/recorder/TavrinCpuBenchmark.sh [tavrin] [seconds]
# (defaults: build/recorder/tavrin, 30 s for each phase).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=${1:-$root/build/recorder/tavrin}
seconds=${2:-30}
[[ -x $exe ]] || { echo "no program at $exe (scripts/build --target tavrin)" >&2; exit 2; }
shots=$(mktemp -d)
source "$root/tests/e2e/lib/tavrin.sh" "$exe" "$root" "$shots"

ticks_per_second=$(getconf CLK_TCK)

# cpu_ticks PID...: user plus system time of the processes so far.
cpu_ticks() {
  local pid total=0 fields
  for pid in "$@"; do
    # The name in parentheses may hold spaces: fields count after it.
    fields=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null) || continue
    total=$((total + $(awk '{ print $12 + $13 }' <<<"$fields")))
  done
  echo "$total"
}

# percent TICKS: of one core over the measured seconds.
percent() { awk -v t="$1" -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * t / hz / s }'; }

# measure NAME PROGRAM_PIDS: one row of the table, after $seconds. The
# sound server's share is shown beside, outside the total.
rows=()
measure() {
  local name=$1 program=$2 x_before program_before sound_before
  x_before=$(cpu_ticks "$XVFB_PID")
  program_before=$(cpu_ticks $program)
  sound_before=$(cpu_ticks "$PULSE_PID")
  sleep "$seconds"
  local x=$(($(cpu_ticks "$XVFB_PID") - x_before)) p=$(($(cpu_ticks $program) - program_before))
  local sound=$(($(cpu_ticks "$PULSE_PID") - sound_before))
  rows+=("$(printf '%-36s %8s %9s %8s %13s' "$name" "$(percent $p)" "$(percent $x)" "$(percent $((p + x)))" \
    "$(percent $sound)")")
}

begin_session
rm -rf "$shots"
write_settings
start_tavrin
sleep 3  # the window painted, the monitor settled

measure "Tavrin idle" "$TAVRIN_PID"

click_format mp3
before=$(recordings)
click_record
wait_new_recording "$before"
sleep 2
measure "Tavrin recording MP3" "$TAVRIN_PID"
click_stop
closed_at "$RECORDED_FOLDER/$NEW_RECORDING" >/dev/null
# The pipeline runs alone, so the display and the sound server serve it only.
kill "$TAVRIN_PID" && wait "$TAVRIN_PID"
TAVRIN_PID=""

# The recording's own settings, for lame; quality as the program's
# default ("0 (best quality)") and as lame's own default.
probe() { ffprobe -v error -select_streams a:0 -show_entries "stream=$1" -of csv=p=0 "$RECORDED_FOLDER/$NEW_RECORDING"; }
rate=$(probe sample_rate) channels=$(probe channels) kbps=$(($(probe bit_rate) / 1000))
mode=j
[[ $channels == 1 ]] && mode=m
for quality in 0 3; do
  parec --device="$TONE_SOURCE" --rate="$rate" --channels="$channels" --format=s16le --raw |
    lame --quiet --noreplaygain -r -s "$(awk -v r="$rate" 'BEGIN { print r / 1000 }')" --bitwidth 16 \
      --signed --little-endian -m "$mode" --cbr -b "$kbps" -q "$quality" - "$work/pipeline.mp3" 2>>"$work/lame.log" &
  lame_pid=$!
  sleep 1
  measure "parec | lame, quality $quality" "$(pgrep -P $$ -d ' ' -x 'parec|lame')"
  pkill -P $$ -x parec
  wait "$lame_pid"
done

printf '\nMP3 %s kbps, %s Hz, %s channels; %s s each; percent of one core\n' "$kbps" "$rate" "$channels" "$seconds"
printf '%-36s %8s %9s %8s %13s\n' "" program "X server" total "sound server"
printf '%s\n' "${rows[@]}"
