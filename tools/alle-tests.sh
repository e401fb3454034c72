#!/usr/bin/env bash
# Builds everything and runs every test: the normal build with all tests
# (core, GUI offscreen, CLI, installation) and the Debian package built and
# checked, the core tests again under ASan+UBSan, and the fuzz targets for a
# short fixed time on their seed corpora.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/pakete.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
tools/paket-bauen.sh build

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARNEL_SANITIZE=ON \
      -DQUARNEL_GUI=OFF -DQUARNEL_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

tools/fuzz-kurz.sh
