#!/usr/bin/env bash
# Formats every C++ file of the project with .clang-format; with --check it changes nothing and fails,
# naming the files, when one is not formatted (the test command runs the check).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format fehlt (bash tools/deps.sh installiert es)"; exit 1; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t dateien < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | while read -r d; do [ -f "$d" ] && echo "$d"; done)
else
  mapfile -t dateien < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
fi
if [ "${1:-}" = "--check" ]; then
  mapfile -t falsch < <(printf '%s\0' "${dateien[@]}" |
    xargs -0 -P"$(nproc)" -n 16 sh -c 'for d; do clang-format --dry-run --Werror "$d" >/dev/null 2>&1 || echo "$d"; done' sh | sort)
  if ((${#falsch[@]})); then
    echo "Nicht nach .clang-format formatiert (bash tools/format.sh formatiert sie):"
    printf '  %s\n' "${falsch[@]}"
    exit 1
  fi
  echo "Formatierung: ${#dateien[@]} Dateien geprüft"
else
  clang-format -i "${dateien[@]}"
fi
