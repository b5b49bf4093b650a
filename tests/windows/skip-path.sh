#!/usr/bin/env bash
# The checks under Wine on a machine whose kernel refuses 32-bit programs: a stand-in wine,
# first on PATH, fails there as Debian's wine does, by starting a loader the kernel cannot
# run. Every check labelled wine must report as skipped, and the summary must say why.
#
#   tests/windows/skip-path.sh <Windows build directory>
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# An ELF header for no machine at all: execve refuses it with ENOEXEC, as such a kernel
# refuses an i386 program.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\377\377' >"$dir/loader"
chmod +x "$dir/loader"
printf '#!/bin/bash\nexec "%s/loader" "$@"\n' "$dir" >"$dir/wine"
chmod +x "$dir/wine"

expected=$(ctest --test-dir "$build" -N -L '^wine$' | sed -n 's/^Total Tests: //p')
[ "${expected:-0}" -gt 0 ] || { echo "FAIL: no check is labelled wine in $build"; exit 1; }
output=$(env -u DIPOLE_WINE_MISSING PATH="$dir:$PATH" "$here/checks.sh" --test-dir "$build" -L '^wine$' 2>&1) || {
    echo "$output"
    echo "FAIL: the checks did not pass as skipped"
    exit 1
}
skipped=$(grep -c '(Skipped)$' <<<"$output" || true)
[ "$skipped" = "$expected" ] || { echo "$output"; echo "FAIL: $skipped of $expected checks skipped"; exit 1; }
summary=$(tail -n 1 <<<"$output")
[[ $summary == "Skipped $expected checks"*"the kernel does not run 32-bit programs"*"Exec format error"* ]] \
    || { echo "$output"; echo "FAIL: the summary reads: $summary"; exit 1; }
echo "PASS: $expected checks skipped; $summary"
