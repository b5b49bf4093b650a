#!/usr/bin/env bash
# Runs a Windows program under Wine on a private Xvfb display, with its exit code.
set -euo pipefail
program=$1
shift
source "$(dirname "$0")/../e2e/xsession.sh"
status=0
wine "$program" "$@" || status=$?
exit "$status"
