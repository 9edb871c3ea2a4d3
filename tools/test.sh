#!/usr/bin/env bash
# Builds Kartulon with its tests and runs every test headless, then each fuzz target for 20 seconds
# when clang is installed (tools/fuzz.sh; a longer run: bash tools/fuzz.sh 600).
set -euo pipefail
cd "$(dirname "$0")/.."
KARTULON_TESTS=ON KARTULON_BENCH=ON bash tools/build.sh
bash tools/format.sh --check
export QT_QPA_PLATFORM=offscreen
# A print service of the tests' own for the test that prints through a queue (tools/druckdienst.sh).
dienst=$(bash tools/druckdienst.sh start || true)
if [ -n "$dienst" ]; then
  eval "$dienst"
  trap 'bash tools/druckdienst.sh stop' EXIT
else
  echo "Kein Druckdienst für die Tests (cups, printer-driver-cups-pdf und Root-Rechte nötig): der Druck über eine Warteschlange wird übersprungen"
fi
(cd build && ctest --output-on-failure -j"$(nproc)" "$@")
if command -v clang++ >/dev/null; then
  bash tools/fuzz.sh 20
else
  echo "clang++ fehlt: die Fuzz-Ziele laufen nicht (bash tools/deps.sh installiert es)"
fi
