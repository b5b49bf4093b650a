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

build_and_test() {
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@"
    cmake --build "$dir" --parallel "$jobs"
    ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

echo "== Optimised build"
build_and_test build/release -DCMAKE_BUILD_TYPE=Release -DDIPOLE_TESTS=ON -DDIPOLE_BENCHMARKS=ON

echo "== Unoptimised build with AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0" \
    build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DDIPOLE_SANITIZE=ON -DDIPOLE_TESTS=ON -DDIPOLE_BENCHMARKS=OFF

echo "== The Windows executable, cross-built, with its checks under Wine"
cmake --preset windows
cmake --build --preset windows --parallel "$jobs"
echo "== Where Wine cannot run, its checks report as skipped and say why"
tests/windows/skip-path.sh build/windows
echo "== The Windows executable's checks"
tests/windows/checks.sh --preset windows

echo "All tests passed."
