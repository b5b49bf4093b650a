#!/usr/bin/env bash
# Start-up of the program against a bare Qt window, side by side in one run under Xvfb: the
# time from launch until the main window is mapped, and the peak memory of the process. A
# second yardstick, the bare window with one label, shows what the first text of any Qt
# window costs (loading the font database).
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
source tests/support/measure-startup.sh
peak_memory=1

: >"$xsession_dir/program"
: >"$xsession_dir/bare"
: >"$xsession_dir/label"
for _ in $(seq "$runs"); do
    measure "BareWindow" "$bare" >>"$xsession_dir/bare"
    measure "BareLabel" "$bare" --label >>"$xsession_dir/label"
    measure "ZELMOR" "$program" >>"$xsession_dir/program"
done

column() { cut -d' ' -f"$2" "$xsession_dir/$1" | median; }
printf '%-22s %12s %14s\n' "" "start-up ms" "peak memory kB"
for run in bare label program; do
    case $run in
    bare) name="bare window" ;;
    label) name="bare window, one label" ;;
    program) name="ShortDipole" ;;
    esac
    printf '%-22s %12s %14s\n' "$name" "$(column $run 1)" "$(column $run 2)"
done
awk -v p="$(column program 1)" -v b="$(column bare 1)" -v l="$(column label 1)" \
    -v pk="$(column program 2)" -v bk="$(column bare 2)" 'BEGIN {
    printf "start-up: %.2f times the bare window (target at most 1.2), %.2f times the window with one label (target at most 1.15)\n", p / b, p / l
    printf "peak memory: %.1f MB above the bare window (target at most 10)\n", (pk - bk) / 1024 }'
