#!/usr/bin/env bash
# Makes the Wine prefix that WINEPREFIX names afresh, and waits until it is ready.
set -euo pipefail
rm -rf "$WINEPREFIX"
unset DISPLAY
WINEDEBUG=-all wineboot -i
wineserver -w
