#!/usr/bin/env bash
# The editor's Help command, chosen from its menu, opens the editor's
# page of the help shipped beside the program: the desktop's launcher (a
# stand-in that writes down what it is asked) gets the page's address.
set -uo pipefail
exe=$1
root=$2
source "$root/tests/e2e/lib/windows.sh"

work=$(mktemp -d)
pid=""
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
start_private_display "$work" || { echo "FAIL: no display"; exit 1; }
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/run VELMORA_AUDIO=virtual
mkdir -p "$XDG_RUNTIME_DIR" "$work/bin" && chmod 700 "$XDG_RUNTIME_DIR"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

fail() { echo "FAIL: $*"; [[ -f "$work/olwick.log" ]] && cat "$work/olwick.log"; exit 1; }

"$exe" >"$work/olwick.log" 2>&1 &
pid=$!
window=$(wait_window "Velmora Audio Editor") || fail "the editor did not show"

# The menu titles carry no accelerators: open "Help" by a click on its
# title, then choose its first item from the keyboard.
focus_window "$window" || fail "the editor never got the keyboard"
before=$(visible_windows)
xdotool mousemove --window "$window" 250 46 click 1
# A key before the menu is on the screen would go to the window under it.
wait_new_window "$before" >/dev/null || fail "the Help menu did not open"
xdotool key Down Return
wait_until test -s "$work/opened" || fail "the Help command asked the launcher for nothing"
page="$(dirname "$exe")/KorvexHelp/Main AE.html"
[[ -f "$page" ]] || fail "no help page beside the program"
expected="file://$(dirname "$exe" | sed 's/ /%20/g')/KorvexHelp/Main%20AE.html"
[[ "$(cat "$work/opened")" == "$expected" ]] || fail "the launcher got $(cat "$work/opened"), not $expected"
echo "PASS"
