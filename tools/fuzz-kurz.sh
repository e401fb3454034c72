#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short fixed time
# on its committed seed corpus (fuzz/korpus/<name>/).
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${QUARNEL_FUZZ_SEKUNDEN:-20}
ls fuzz/*.cpp >/dev/null 2>&1 || { echo "keine Fuzz-Ziele"; exit 0; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARNEL_FUZZ=ON -DQUARNEL_GUI=OFF -DQUARNEL_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
cmake --build build-fuzz -j "$(nproc)"
for src in fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  korpus=fuzz/korpus/$name
  arbeit=$(mktemp -d)
  [ -d "$korpus" ] && cp -r "$korpus"/. "$arbeit"/
  echo "== fuzz $name (${sekunden}s)"
  build-fuzz/fuzz/fuzz_"$name" -max_total_time="$sekunden" -print_final_stats=0 "$arbeit" 2>&1 | tail -n 3
  rm -rf "$arbeit"
done
echo "fuzz: all targets ran clean"
