#!/usr/bin/env bash
# The Linux and the Windows build compute L for the same generated cases: every L must be the
# same to all 17 digits, and every fault must fail the same test with the same flags.
set -euo pipefail
linux=$1
windows=$2
cases=4000
[ -x "$linux" ] || { echo "SKIP: no Linux build at $linux"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$linux" "$cases" >"$dir/linux"
"$(dirname "$0")/wine-on-xvfb.sh" "$windows" "$cases" | tr -d '\r' >"$dir/windows"
[ "$(wc -l <"$dir/linux")" = "$cases" ] || { echo "FAIL: the Linux table has $(wc -l <"$dir/linux") lines"; exit 1; }
if ! diff "$dir/linux" "$dir/windows" >"$dir/diff"; then
    echo "FAIL: the builds differ on $(grep -c '^<' "$dir/diff") of $cases cases:"
    head -20 "$dir/diff"
    exit 1
fi
echo "PASS: $cases cases, $(grep -c ' fault ' "$dir/linux") of them faults, the same in both builds"
