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
source tests/support/measure-startup.sh

: >"$xsession_dir/program"
: >"$xsession_dir/bare"
for _ in $(seq "$runs"); do
    measure "BareWindow" wine "$bare" >>"$xsession_dir/bare"
    measure "ZELMOR" wine "$program" >>"$xsession_dir/program"
done
b=$(median <"$xsession_dir/bare")
p=$(median <"$xsession_dir/program")
printf '%-24s %12s\n' "" "start-up ms" "bare Win32 window" "$b" "ShortDipole.exe" "$p"
awk -v p="$p" -v b="$b" 'BEGIN { printf "start-up: %.2f times the bare window\n", p / b }'
echo "executable: $(stat -c %s "$program") bytes"
