#!/usr/bin/env bash
# Builds the tree with Clang under AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/, runs the unit and GUI tests there, then every fuzz target for a fixed number of
# runs from a fixed seed. A longer hunt by hand: FUZZ_SECONDS=3600 scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLIVEX_SANITIZE=ON \
  -DFOLIVEX_FUZZ=ON -DFOLIVEX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)"
# GTK and fontconfig keep caches for the life of the process; leaks are checked where no
# toolkit runs.
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j2 -L unit
ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j2 -L gui
bash scripts/fuzz.sh build-sanitize
