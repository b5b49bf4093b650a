#!/usr/bin/env bash
# Makes the Wine prefix that WINEPREFIX names afresh, and waits until it is ready.
set -euo pipefail
rm -rf "$WINEPREFIX"
unset DISPLAY
# No .NET or HTML engine: the programs need neither, and Wine would offer to download them.
WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all wineboot -i
wineserver -w
