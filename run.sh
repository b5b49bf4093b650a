#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

ensure_packages "${PROGRAM_PACKAGES[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DDIPOLE_TESTS=OFF
cmake --build build/release --parallel "$(nproc)"
exec build/release/app/ShortDipole
