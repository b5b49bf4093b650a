#!/usr/bin/env bash
# The real program under Xvfb: open the author window, go back, open it again, then "Выход"
# ends the program with exit code 0. Both windows carry the program's icon.
set -euo pipefail
program=$1
source "$(dirname "$0")/xsession.sh"

# The icon sizes a window offers its window manager, as "WxH" words.
icon_sizes() {
    xprop -id "$1" -notype 32c _NET_WM_ICON | awk -F' = ' '{
        n = split($2, v, ", ")
        for (i = 1; i < n; i += 2 + v[i] * v[i + 1]) printf "%sx%s ", v[i], v[i + 1]
    }'
}

exec_program &
pid=$!
main=$(wait_for_window "ZELMOR")
[ -n "$main" ] || fail "the main window did not appear"
[ "$(icon_sizes "$main")" = "32x32 16x16 " ] || fail "main window icon: $(icon_sizes "$main")"

for round in 1 2; do
    click_at "$main" 344 272 # Автор программы
    author=$(wait_for_window "автор программы")
    [ -n "$author" ] || fail "round $round: the author window did not appear"
    [ "$(icon_sizes "$author")" = "32x32 16x16 " ] || fail "author window icon: $(icon_sizes "$author")"
    [ "$round" = 2 ] && break
    click_at "$author" 76 188 # Назад
    # Wine without a window manager takes up to a second to take a window off the screen.
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "автор программы" >/dev/null || break
        sleep 0.1
    done
    xdotool search --onlyvisible --name "автор программы" >/dev/null && fail "Назад left the author window open"
    kill -0 "$pid" 2>/dev/null || fail "Назад ended the program"
done

click_at "$author" 76 236 # Выход
wait_for_exit "$pid"
code=$exit_code
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS: opened, went back, opened again, ended with exit code 0"
