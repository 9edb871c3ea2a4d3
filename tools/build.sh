#!/usr/bin/env bash
# Configures and builds into build/ (the tests too unless KARTULON_TESTS=OFF); KARTULON_JOBS limits the
# parallel compile jobs (default: one per processor). KARTULON_SANITIZE=ON builds with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-san/ instead, so the two builds never mix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
build=build
[ "${KARTULON_SANITIZE:-OFF}" = ON ] && build=build-san
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKARTULON_TESTS="${KARTULON_TESTS:-ON}" -DKARTULON_BENCH="${KARTULON_BENCH:-OFF}" \
      -DKARTULON_SANITIZE="${KARTULON_SANITIZE:-OFF}" > /dev/null
cmake --build "$build" -j"${KARTULON_JOBS:-$(nproc)}"
