#!/usr/bin/env bash
# A daily schedule entry ten seconds long, starting a few seconds after the
# program, records once: one file, started within the entry's start window
# and named after that, ended within its stop window, holding the tone for
# as long as it ran. The entry's start window is still open when it
# stops, and no second recording follows.
# A screenshot of the window recording goes to the given folder.
set -uo pipefail
# Arguments: the program, the source folder, the screenshot folder.
source "$2/tests/e2e/lib/tavrin.sh"

ENTRY_SECONDS=10

# clock EPOCH: "hour minute second" of that moment, local time, no
# leading zeros.
clock() { date -d "@$1" '+%-H %-M %-S'; }

# write_schedule START STOP: one daily entry between two moments.
write_schedule() {
  local sh sm ss eh em es
  read -r sh sm ss <<<"$(clock "$1")"
  read -r eh em es <<<"$(clock "$2")"
  printf '[Schedule]\nNumber=1\nUse0=1\nStartH0=%s\nStartM0=%s\nStartS0=%s\nStopH0=%s\nStopM0=%s\nStopS0=%s\n' \
    "$sh" "$sm" "$ss" "$eh" "$em" "$es" >"$SETTINGS_FOLDER/Current.vsk"
  printf 'Day0=0\nMonth0=0\nYear0=0\nDayOfWeek0=0\n' >>"$SETTINGS_FOLDER/Current.vsk"
}

begin_session
write_settings
# An entry acts within its day only: keep clear of midnight.
while [[ $(date +%H%M) == 2359 ]]; do sleep 1; done
entry_start=$(($(date +%s) + 10))
entry_stop=$((entry_start + ENTRY_SECONDS))
write_schedule "$entry_start" "$entry_stop"
start_tavrin
[[ -z $(recordings) ]] || fail "a recording exists before the entry's start"

# The start acts within ten seconds after the start time; its name tells
# when.
wait_new_recording ""
made=$NEW_RECORDING seen=$RECORDING_SEEN
screenshot schedule-recording
[[ $made =~ ^Recorded\ ([0-9-]{10})\ ([0-9]{2})-([0-9]{2})-([0-9]{2})\.wav$ ]] ||
  fail "\"$made\" is not named \"Recorded YYYY-MM-DD hh-mm-ss.wav\""
started=$(date -d "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}:${BASH_REMATCH[3]}:${BASH_REMATCH[4]}" +%s)
((started >= entry_start && started <= entry_start + 10)) ||
  fail "\"$made\" started outside the entry's start window ($(date -d "@$entry_start" +%T) + 10 s)"

# Past the stop window, when the entry could start no more.
while (($(date +%s) <= entry_stop + 11)); do sleep 0.5; done
closed=$(closed_at "$RECORDED_FOLDER/$made")
[[ $(recordings | grep -c .) -eq 1 ]] || fail "the entry made more than one recording: $(recordings | tr '\n' ',')"
awk -v at="$closed" -v from="$entry_stop" 'BEGIN { exit !(at >= from && at <= from + 11) }' ||
  fail "the recording ended at $(date -d "@${closed%.*}" +%T), outside the stop window" \
    "($(date -d "@$entry_stop" +%T) + 11 s; log: $(cat "$work/tavrin.log"))"
check_audio "$RECORDED_FOLDER/$made" --duration "$(elapsed "$seen" "$closed")" --duration-tolerance 0.7 \
  --frequency "$TONE_HZ" --level "$TONE_DBFS" --level-tolerance 2
kill -0 "$TAVRIN_PID" 2>/dev/null || fail "the program ended"
echo "PASS"
