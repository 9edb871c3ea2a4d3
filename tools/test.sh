#!/usr/bin/env bash
# Builds Kartulon with its tests and runs every test headless, then each fuzz target for 20 seconds
# when clang is installed (tools/fuzz.sh; a longer run: bash tools/fuzz.sh 600).
set -euo pipefail
cd "$(dirname "$0")/.."
KARTULON_TESTS=ON bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j"$(nproc)" "$@")
if command -v clang++ >/dev/null; then
  bash tools/fuzz.sh 20
else
  echo "clang++ fehlt: die Fuzz-Ziele laufen nicht (bash tools/deps.sh installiert es)"
fi
