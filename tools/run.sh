#!/usr/bin/env bash
# Builds Kartulon and starts it; arguments go to the program (e.g. Datei=Kunden).
# Once build/ is configured, only what changed is rebuilt (the build re-runs its configuration by itself
# when a CMakeLists.txt changed), so an up-to-date program starts at once; the package check and the
# configuration run only on the first start. KARTULON_JOBS limits the parallel compile jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -f build/build.ninja && -f build/CMakeCache.txt ]]; then
  cmake --build build --target kartulon -j"${KARTULON_JOBS:-$(nproc)}" > /dev/null
else
  KARTULON_TESTS=OFF bash tools/build.sh
fi
exec ./build/kartulon "$@"
