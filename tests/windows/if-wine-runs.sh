#!/usr/bin/env bash
# Runs a check that needs Wine; where Wine cannot run here, reports the check as skipped
# (exit code 77) and says why.
set -euo pipefail
source "$(dirname "$0")/wine-status.sh"
reason=$(wine_missing_reason)
if [ -n "$reason" ]; then
    echo "SKIP: $reason"
    exit 77
fi
exec "$@"
