#!/usr/bin/env bash
# Builds Kartulon with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
KARTULON_TESTS=ON bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
