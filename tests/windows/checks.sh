#!/usr/bin/env bash
# Runs the Windows build's checks, ctest with the arguments given, and ends with one line on
# the checks that were skipped and why.
set -euo pipefail
source "$(dirname "$0")/wine-status.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
ctest "$@" | tee "$log" || status=$?
skipped=$(sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+) \(Skipped\)$/\1/p' "$log")
if [ -n "$skipped" ]; then
    reason=$(wine_missing_reason)
    echo "Skipped $(wc -l <<<"$skipped") checks ($(paste -sd ' ' <<<"$skipped")): ${reason:-see their output above}."
fi
exit "$status"
