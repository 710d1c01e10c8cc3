#!/usr/bin/env bash
# Runs every fuzz target of a sanitizer build for FUZZ_SECONDS (default 30) on a copy of its
# seed corpus and reports the executions. A crash leaves its input in build-*/fuzz/crashes/;
# keep it as a seed in tests/fuzz/corpus/<target>/ once fixed.
# Usage: scripts/fuzz.sh [build directory, default build-sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-sanitize}
seconds=${FUZZ_SECONDS:-30}
mkdir -p "$build/fuzz/crashes"
for target in "$build"/fuzz/fuzz_*; do
  name=${target##*/fuzz_}
  work="$build/fuzz/corpus-$name"
  rm -rf "$work" && mkdir -p "$work"
  cp tests/fuzz/corpus/"$name"/* "$work"/
  "$target" -max_total_time="$seconds" -artifact_prefix="$build/fuzz/crashes/$name-" -print_final_stats=1 \
    "$work" 2>"$build/fuzz/$name.log" || { tail -40 "$build/fuzz/$name.log"; exit 1; }
  echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz/$name.log" | grep -o '[0-9]*$') executions in ${seconds} s"
done
