#!/usr/bin/env bash
# The real program under Xvfb in a Russian locale, given numbers as users bring them: one
# pasted after an empty line and with a line break, one pasted by the middle button (on
# Windows, which has no such paste, from the clipboard) with a non-breaking space. Enter on
# the focused "расчет L катушки" calculates; the result has a decimal comma; Enter on
# "выход" ends the program.
set -euo pipefail
program=$1
source "$(dirname "$0")/xsession.sh"

LC_ALL=ru_RU.UTF-8 exec_program &
pid=$!
window=$(wait_for_window "ZELMOR")
[ -n "$window" ] || fail "the main window did not appear"
xdotool windowfocus --sync "$window"
# Wine hands a window the keyboard once it is clicked; a caption takes no focus itself.
click_at "$window" 20 12 # длина излучателя

xdotool type --delay 30 "10.0000003"
printf '\r\n2\r\n3\r\n' | xclip -selection clipboard
# Wine takes a change of the X clipboard over a moment later.
sleep 1
click_at "$window" 188 100 # B
xdotool key ctrl+v
if [[ $program == *.exe ]]; then
    # Windows pastes only from the clipboard.
    printf '2\u00a0' | xclip -selection clipboard
    sleep 1
    click_at "$window" 188 164 # D
    xdotool key ctrl+v
else
    printf '2\u00a0' | xclip -selection primary
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + 188)) $((Y + 164)) click 2 # D, by the middle button
fi
sleep 0.2
click_at "$window" 188 220 # f
xdotool type --delay 30 "7.13"

# From the arm length, Tab reaches "расчет L катушки" first.
click_at "$window" 188 20
xdotool key Tab Return
sleep 0.3
click_at "$window" 340 204 # Text5
xdotool key Home shift+End ctrl+c
sleep 0.2
result=$(xclip -o -selection clipboard)
[ "$result" = "-5,33592933711212E-07" ] || fail "Text5 shows '$result'"

# Tab from Text5 reaches "выход".
xdotool key Tab Return
wait_for_exit "$pid"
code=$exit_code
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS: L = $result, Enter on the buttons, exit code 0"
