#!/usr/bin/env bash
# The editor's Help command, chosen from its menu, opens the editor's
# page of the help shipped beside the program: the desktop's launcher (a
# stand-in that writes down what it is asked) gets the page's address.
set -uo pipefail
source "$2/tests/e2e/lib/olwick.sh" "$@"
begin_session
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

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
