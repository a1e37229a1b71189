# Runs the editor on a display of its own, in folders of its own, and
# watches it from outside.
#
# A test script sources this file with its arguments (the program, the
# source folder, the folder for screenshots if any), calls begin_session
# (with "sound-server" to play into a private sound server instead of the
# virtual devices) and starts the program into $work/olwick.log with its
# id in $pid. Every exit, a failed check included, stops the program, the
# server and the display and removes the folders.

exe=$1 root=$2 shots=${3:-}
source "$root/tests/e2e/lib/windows.sh"
source "$root/tests/e2e/lib/pulse.sh"

fail() {
  echo "FAIL: $*"
  [[ -f "${work:-}/olwick.log" ]] && cat "$work/olwick.log"
  exit 1
}

end_session() {
  [[ -n "${pid:-}" ]] && kill "$pid" 2>/dev/null
  stop_private_pulse
  stop_private_display
  [[ -n "${work:-}" ]] && rm -rf "$work"
}

# begin_session [sound-server]: the folders, the display (and the server);
# $settings is the folder the editor reads its hand-over file from.
begin_session() {
  work=$(mktemp -d)
  pid=""
  trap end_session EXIT
  start_private_display "$work" || fail "no display"
  if [[ "${1:-}" == sound-server ]]; then
    start_private_pulse "$work/pulse" 1000 || fail "no sound server"
    unset VELMORA_AUDIO
  else
    export VELMORA_AUDIO=virtual
  fi
  export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  settings="$XDG_CONFIG_HOME/Velmora Mp3 Recorder"
  mkdir -p "$settings"
}

# screenshot NAME: the editor's window ($window) as NAME.png, when a
# screenshot folder was given.
screenshot() {
  [[ -z "$shots" ]] && return
  mkdir -p "$shots"
  window_shot "$window" "$1"
}

# close_window: the window's close button; the program must end, and end well.
close_window() {
  click_in "$window" 805 16
  wait_exit "$pid"
  local status=$?
  [[ $status -eq 124 ]] && fail "closing the window did not end the program"
  pid=""
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}
