# A private sound server for the end-to-end tests with an input that holds
# a known tone.
#
# The server's own sine generator plays into the null output "knowntone",
# whose monitor is the input the recorder is pointed at. Made in the
# server's thread and paced by the output's clock, the tone never has gaps
# on a busy machine, and a recording holds as much of it as time passed.
# Its peak is half of full scale. "Speakers" is where programs play.
#
# Needs: pulseaudio, pactl, pacat. Callers remove the folder.

source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"  # wait_until

TONE_INPUT_NAME="Monitor of KnownTone"  # the input as the recorder lists it
TONE_SOURCE=knowntone.monitor           # and as the server names it
TONE_DBFS=-6.02

# start_private_pulse FOLDER HERTZ: starts the server with its socket, log
# and runtime files in FOLDER; exports PULSE_SERVER and sets PULSE_PID.
# Fails with a message when the server does not come up.
start_private_pulse() {
  local dir=$1 hertz=$2
  mkdir -p "$dir" && chmod 700 "$dir"
  if ! command -v pulseaudio >/dev/null; then
    echo "pulseaudio is not installed (scripts/setup installs it)" >&2
    return 1
  fi
  # Its own home and runtime folders keep it away from any user's server;
  # running as root (as CI does) is allowed for such a private instance.
  env -i HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir/config" PATH=/usr/bin:/bin \
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no \
      --system=no --realtime=no --high-priority=no --log-target="file:$dir/server.log" \
      --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
      --load="module-null-sink sink_name=speakers rate=44100 channels=2 sink_properties=device.description=Speakers" \
      --load="module-null-sink sink_name=knowntone rate=44100 channels=2 sink_properties=device.description=KnownTone" \
      </dev/null >/dev/null 2>&1 &
  PULSE_PID=$!
  export PULSE_SERVER="unix:$dir/native"
  if ! wait_until server_up_or_ended; then
    echo "pulseaudio did not come up within $E2E_DEADLINE s: $(tail -n 5 "$dir/server.log" 2>/dev/null)" >&2
    return 1
  fi
  if ! kill -0 "$PULSE_PID" 2>/dev/null; then
    PULSE_PID=""
    echo "pulseaudio ended at start: $(tail -n 5 "$dir/server.log" 2>/dev/null)" >&2
    return 1
  fi
  start_tone "$hertz"
}

server_up_or_ended() {
  ! kill -0 "$PULSE_PID" 2>/dev/null || pactl list short sinks 2>/dev/null | grep -q knowntone
}

# start_tone HERTZ: the tone into "knowntone", kept working in small steps.
start_tone() {
  # A null output renders its first two seconds at once, and its monitor
  # gives a new recording nothing until they have passed; after that a
  # silent low-latency stream keeps it working in small steps, as a sound
  # card does, so the monitor delivers the tone as time passes.
  pacat --playback --latency-msec=20 --device=knowntone --client-name=keeper /dev/zero \
    </dev/null >/dev/null 2>&1 &
  KEEPER_PID=$!
  wait_until server_has_streams
  pactl load-module module-sine sink=knowntone frequency="$1" >/dev/null ||
    { echo "the sound server's sine generator does not start" >&2; return 1; }
  sleep 2.5
}

server_has_streams() { pactl list short sink-inputs 2>/dev/null | grep -q .; }

# Lists the server's source names that recording streams read from.
capture_sources_in_use() {
  local sources
  sources=$(pactl list short sources 2>/dev/null | awk '{print $1, $2}')
  pactl list short source-outputs 2>/dev/null | awk '{print $2}' | while read -r index; do
    awk -v i="$index" '$1 == i {print $2}' <<<"$sources"
  done
}

stop_private_pulse() {
  [[ -n "${KEEPER_PID:-}" ]] && kill "$KEEPER_PID" 2>/dev/null && wait "$KEEPER_PID" 2>/dev/null
  [[ -n "${PULSE_PID:-}" ]] && kill "$PULSE_PID" 2>/dev/null && wait "$PULSE_PID" 2>/dev/null
  KEEPER_PID="" PULSE_PID=""
}
