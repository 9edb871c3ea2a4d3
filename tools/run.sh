#!/usr/bin/env bash
# Builds Kartulon and starts it; arguments go to the program (e.g. Datei=Kunden).
set -euo pipefail
cd "$(dirname "$0")/.."
KARTULON_TESTS=OFF bash tools/build.sh
exec ./build/kartulon "$@"
