#!/usr/bin/env bash
# The real program under Xvfb: type the four values, calculate, read the result back through
# the clipboard, then "выход" ends the program with exit code 0.
set -euo pipefail
program=$1
source "$(dirname "$0")/xsession.sh"

# Arguments change nothing, not even for Qt.
exec_program -platform none --help &
pid=$!
window=$(wait_for_window "ZELMOR")
[ -n "$window" ] || fail "the main window did not appear"
[ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" = 1 ] || fail "more than the main window at start"

# A second copy runs on its own beside the first.
exec_program &
second=$!
for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name ZELMOR | wc -l)" = 2 ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --name ZELMOR | wc -l)" = 2 ] || fail "a second copy did not start"
kill "$second"
wait "$second" 2>/dev/null || true

xdotool windowfocus --sync "$window"
# Wine hands a window the keyboard once it is clicked; a caption takes no focus itself.
click_at "$window" 20 12 # длина излучателя

# The focus starts in the arm length.
xdotool type --delay 30 "5"

# B is still empty: the runtime's message, titled with the program's name, says so, and the
# program goes on once it is closed.
click_at "$window" 344 56 # расчет L катушки
message=$(wait_for_window "^ShortDipole$")
[ -n "$message" ] || fail "no message about the empty field"
xdotool windowfocus --sync "$message"
xdotool key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^ShortDipole$" >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^ShortDipole$" >/dev/null && fail "the message did not close"
xdotool windowfocus --sync "$window"

# Tab visits "расчет L катушки" before B.
click_at "$window" 188 20 # the arm length, as typed
xdotool key Tab Tab
xdotool type --delay 30 "2"
xdotool key Tab
xdotool type --delay 30 "2"
xdotool key Tab
xdotool type --delay 30 "7,1"

click_at "$window" 344 56 # расчет L катушки
click_at "$window" 340 204 # Text5, inside its frame
xdotool key Home shift+End ctrl+c
sleep 0.2
result=$(xclip -o -selection clipboard)
[ "$result" = "15.9556886690632" ] || fail "Text5 shows '$result'"

click_at "$window" 344 328 # выход
wait_for_exit "$pid"
code=$exit_code
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS: L = $result, exit code 0"
