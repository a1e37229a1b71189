#!/usr/bin/env bash
# Drives the form of every standard control from outside: types into the
# edit, picks from the combo box, chooses from the list box's popup menu,
# turns the pages, then ends the program through File > Exit. The program
# reports what happened on its standard output.
set -uo pipefail
exe=$1
root=$2
command -v xdotool >/dev/null || { echo "SKIP: xdotool missing"; exit 0; }
source "$root/tests/e2e/lib/windows.sh"

work=$(mktemp -d)
demo=""
cleanup() {
  [[ -n "$demo" ]] && kill "$demo" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display "$work" || { echo "FAIL: no display"; exit 1; }
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
log=$work/demo.log

fail() {
  echo "FAIL: $*"
  echo "--- program output:"
  cat "$log"
  exit 1
}

# Waits until the program printed a line matching the pattern.
wait_line() { wait_until grep -qx -- "$1" "$log"; }

# The screen point the program reported for a control: "where <name> x y".
point_of() { awk -v n="$1" '$1 == "where" && $2 == n { print $3, $4 }' "$log"; }

click_at() {
  local p
  p=$(point_of "$1")
  [[ -n "$p" ]] || fail "no place reported for $1"
  # shellcheck disable=SC2086
  xdotool mousemove $p click 1
}

"$exe" >"$log" 2>&1 &
demo=$!
wait_line "ready" || fail "the form did not open"
# Clicks reach the form only once it is on the screen.
wait_window "Controls Demo" >/dev/null || fail "the form is not on the screen"

click_at edit
wait_line "edit: focused" || fail "the edit did not take the focus"
xdotool type --delay 30 hello
wait_line "edit: hello" || fail "typing into the edit was not seen"

# Drop the list down with the mouse, move to the third item, take it.
click_at combo
wait_line "combo: open" || fail "the combo box did not drop down"
xdotool key Down Down Return
wait_line "combo: gamma" || fail "picking from the combo box was not seen"

# The button drops the list box's menu; its accelerator chooses an item.
click_at actions
wait_line "popup: open" || fail "the popup menu did not open"
xdotool key d
wait_line "menu: Delete" || fail "choosing from the popup menu was not seen"

click_at tab-buttons
wait_line "page: Buttons" || fail "the second page did not open"
click_at tab-views
wait_line "page: Views" || fail "the third page did not open"

click_at file
wait_line "menu: File" || fail "the File menu did not open"
xdotool key x
wait_line "menu: Exit" || fail "File > Exit was not seen"
wait_exit "$demo"
status=$?
[[ $status -eq 124 ]] && fail "the program did not end after File > Exit"
demo=""
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "PASS"
