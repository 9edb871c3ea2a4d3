#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/*Fuzz.cpp, clang's libFuzzer over the core library with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for the given number of seconds, one after the other.
#   bash tools/fuzz.sh [seconds per target, default 20] [target ...]
# The seed corpora in fuzz/corpus stay as they are: each run works on a copy in build-fuzz/korpus, which
# grows from run to run. A finding stops the script with the target's output and the input that broke
# the property (build-fuzz/funde/<target>/). Longer run: bash tools/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-20}"
shift || true
command -v clang++ >/dev/null || { echo "clang++ fehlt: bash tools/deps.sh"; exit 1; }

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKARTULON_FUZZ=ON -DKARTULON_TESTS=OFF >/dev/null
cmake --build "$build" --target kartulon_fuzz -j"${KARTULON_JOBS:-4}"

ziele=("$@")
if ((${#ziele[@]} == 0)); then
  for q in fuzz/*Fuzz.cpp; do ziele+=("$(basename "$q" .cpp)"); done
fi

fehler=0
for ziel in "${ziele[@]}"; do
  korpus="$build/korpus/$ziel"
  funde="$build/funde/$ziel"
  mkdir -p "$korpus" "$funde"
  saat=()
  [ -d "fuzz/corpus/$ziel" ] && saat=("fuzz/corpus/$ziel")
  log="$build/$ziel.log"
  echo "== $ziel: ${sekunden} s"
  if ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
     "$build/fuzz/$ziel" "$korpus" "${saat[@]}" -max_total_time="$sekunden" -timeout=20 -rss_limit_mb=3072 \
       -max_len=16384 -print_final_stats=1 -artifact_prefix="$funde/" >"$log" 2>&1; then
    grep -E "^stat::number_of_executed_units|^Done [0-9]+ runs" "$log" | tail -2 | sed "s/^/   /"
  else
    echo "!! $ziel: Fund (siehe $log und $funde/)"
    tail -40 "$log"
    fehler=1
  fi
done
exit "$fehler"
