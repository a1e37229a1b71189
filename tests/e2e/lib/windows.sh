# A display of the test's own and waits for what the programs show on it.
#
# A loaded machine is slow: every wait gives up only after E2E_DEADLINE
# seconds (60 unless set) and looks again every tenth of a second.

E2E_DEADLINE=${E2E_DEADLINE:-60}

# wait_until COMMAND...: runs COMMAND until it succeeds; false when it
# still fails at the deadline.
wait_until() {
  local end=$((SECONDS + E2E_DEADLINE))
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# start_private_display FOLDER: an Xvfb of our own, whatever DISPLAY held:
# no other program can take the keyboard, click on our windows or show a
# window of the same name, and nothing a former test left in a shared
# server reaches us. Xvfb picks a free display number itself, so parallel
# runs never share. Sets XVFB_PID; the caller stops it.
start_private_display() {
  local folder=$1
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$folder/display" 2>"$folder/xvfb.log" &
  XVFB_PID=$!
  if wait_until display_answers_or_ended "$folder" && kill -0 "$XVFB_PID" 2>/dev/null; then
    export DISPLAY=":$(head -n 1 "$folder/display")"
    return 0
  fi
  echo "Xvfb did not start: $(tail -n 3 "$folder/xvfb.log")" >&2
  return 1
}

display_answers_or_ended() {
  kill -0 "$XVFB_PID" 2>/dev/null || return 0
  [[ -s "$1/display" ]] && DISPLAY=":$(head -n 1 "$1/display")" xdpyinfo >/dev/null 2>&1
}

stop_private_display() {
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# visible_window NAME: prints the id of a visible window whose name
# matches NAME (a regular expression); false when there is none.
visible_window() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [[ -n "$id" ]] && echo "$id"
}

# wait_window NAME: waits for a visible window whose name matches NAME
# and prints its id.
wait_window() { wait_until visible_window "$1"; }

no_visible_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# wait_window_gone NAME: waits until no such window is visible.
wait_window_gone() { wait_until no_visible_window "$1"; }

# focus_window ID: gives the window the keyboard and waits until the
# display reports it has it, so that the next key reaches that window.
# Asks again while it has not: a program that is still opening a window
# may move the keyboard itself meanwhile.
focus_window() { wait_until take_focus "$1"; }

take_focus() {
  xdotool windowfocus "$1" 2>/dev/null
  [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}

# wait_exit PID: waits for a child process to end and answers its status
# (124 when it did not end).
wait_exit() {
  wait_until process_ended "$1" || return 124
  wait "$1"
}

process_ended() { ! kill -0 "$1" 2>/dev/null; }

# visible_windows: the ids of all visible windows, one a line, sorted.
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

# new_window BEFORE: prints a visible window not in BEFORE (as
# visible_windows printed it); false when there is none.
new_window() {
  local id
  id=$(comm -13 <(printf '%s\n' "$1") <(visible_windows) | grep . | head -n 1)
  [[ -n "$id" ]] && echo "$id"
}

# wait_new_window BEFORE: waits for a window that was not on the screen
# (a menu, a dialog without a name) and prints its id.
wait_new_window() { wait_until new_window "$1"; }

# click_in WINDOW X Y: a left click at a place of that window. The
# program takes clicks in the order they came, so one needs no pause
# before the next; wait for what a click shows before looking at it.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# window_shot WINDOW NAME: that window as NAME.png in the screenshot
# folder ($shots), without the pointer; the sourcing script defines fail.
window_shot() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ffmpeg -v error -y -f x11grab -draw_mouse 0 -video_size "${WIDTH}x${HEIGHT}" -i "$DISPLAY+$X,$Y" -frames:v 1 \
    "$shots/$2.png" || fail "cannot take the screenshot $2"
}
