#!/usr/bin/env bash
# Builds and runs every test: the optimised build first, then again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the Windows executable with its checks under Wine.
# Where Wine cannot run, those checks are skipped and the last lines say why.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

ensure_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
ensure_wine

jobs=$(nproc)

# Each build has its preset and its own folder (CMakePresets.json).
build_and_test() {
    cmake --preset "$1"
    cmake --build --preset "$1" --parallel "$jobs"
    ctest --preset "$1" --parallel "$jobs"
}

echo "== Optimised build"
build_and_test release

echo "== Unoptimised build with AddressSanitizer and UndefinedBehaviorSanitizer"
build_and_test sanitize

echo "== The Windows executable, cross-built, with its checks under Wine"
cmake --preset windows
cmake --build --preset windows --parallel "$jobs"
echo "== Where Wine cannot run, its checks report as skipped and say why"
tests/windows/skip-path.sh build/windows
echo "== The Windows executable's checks"
tests/windows/checks.sh --preset windows

echo "All tests passed."
