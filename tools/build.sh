#!/usr/bin/env bash
# Configures and builds into build/ (the tests too unless KARTULON_TESTS=OFF); KARTULON_JOBS limits the
# parallel compile jobs (default: one per processor).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKARTULON_TESTS="${KARTULON_TESTS:-ON}" -DKARTULON_BENCH="${KARTULON_BENCH:-OFF}" > /dev/null
cmake --build build -j"${KARTULON_JOBS:-$(nproc)}"
