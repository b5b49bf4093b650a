#!/usr/bin/env bash
# Start-up of the Windows program under Wine against a bare Win32 window under Wine, side by
# side in one run under Xvfb: the time from launch until the main window is mapped. The Wine
# server is started first and kept, so neither start pays for it.
#
#   tests/windows/startup.sh [Windows build directory] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/windows}
runs=${2:-20}
program=$build/app/ShortDipole.exe
bare=$build/tests/windows/bare_window.exe
[ -f "$program" ] && [ -f "$bare" ] || { echo "build $program and $bare first (./test.sh)" >&2; exit 2; }
export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wineprefix} WINEDEBUG=-all
[ -d "$WINEPREFIX" ] || { echo "no Wine prefix at $WINEPREFIX (./test.sh makes it)" >&2; exit 2; }
source tests/e2e/xsession.sh
wineserver -p
trap 'wineserver -k; cleanup_xsession' EXIT

# One start: prints milliseconds to the mapped window.
measure() {
    local title=$1 exe=$2 start end pid
    start=$(date +%s%N)
    wine "$exe" &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail "$exe did not start"
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    while xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.05; done
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$xsession_dir/program"
: >"$xsession_dir/bare"
for _ in $(seq "$runs"); do
    measure "BareWindow" "$bare" >>"$xsession_dir/bare"
    measure "ZELMOR" "$program" >>"$xsession_dir/program"
done
b=$(median <"$xsession_dir/bare")
p=$(median <"$xsession_dir/program")
printf '%-24s %12s\n' "" "start-up ms" "bare Win32 window" "$b" "ShortDipole.exe" "$p"
awk -v p="$p" -v b="$b" 'BEGIN { printf "start-up: %.2f times the bare window\n", p / b }'
echo "executable: $(stat -c %s "$program") bytes"
