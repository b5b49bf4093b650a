#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

ensure_packages "${PROGRAM_PACKAGES[@]}"

cmake --preset program
cmake --build --preset program --parallel "$(nproc)"
exec build/program/app/ShortDipole
