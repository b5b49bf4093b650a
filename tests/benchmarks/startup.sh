#!/usr/bin/env bash
# Start-up of the program against a bare Qt window, side by side in one run under Xvfb: the
# time from launch until the main window is mapped, and the peak memory of the process.
#
#   tests/benchmarks/startup.sh [build directory] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
runs=${2:-20}
program=$build/app/ShortDipole
bare=$build/tests/benchmarks/bare_window
[ -x "$program" ] && [ -x "$bare" ] || { echo "build $program and $bare first (./test.sh)" >&2; exit 2; }
source tests/e2e/xsession.sh

# One start: prints milliseconds to the mapped window and the peak resident size in kB.
measure() {
    local title=$1
    shift
    local start end pid peak
    start=$(date +%s%N)
    "$@" &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail "$1 did not start"
    done
    end=$(date +%s%N)
    sleep 0.3 # let it settle into its idle state before reading the peak
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $peak"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$xsession_dir/program"
: >"$xsession_dir/bare"
for _ in $(seq "$runs"); do
    measure "BareWindow" "$bare" >>"$xsession_dir/bare"
    measure "ZELMOR" "$program" >>"$xsession_dir/program"
done

bare_ms=$(cut -d' ' -f1 "$xsession_dir/bare" | median)
program_ms=$(cut -d' ' -f1 "$xsession_dir/program" | median)
bare_kb=$(cut -d' ' -f2 "$xsession_dir/bare" | median)
program_kb=$(cut -d' ' -f2 "$xsession_dir/program" | median)

printf '%-12s %12s %14s\n' "" "start-up ms" "peak memory kB"
printf '%-12s %12s %14s\n' "bare window" "$bare_ms" "$bare_kb"
printf '%-12s %12s %14s\n' "ShortDipole" "$program_ms" "$program_kb"
awk -v p="$program_ms" -v b="$bare_ms" -v pk="$program_kb" -v bk="$bare_kb" 'BEGIN {
    printf "ratio of start-up times %.2f (target at most 1.2); extra peak memory %.1f MB (target at most 10)\n", p / b, (pk - bk) / 1024 }'
