#!/usr/bin/env bash
# Runs every fuzz target of a sanitizer build for FUZZ_SECONDS (default 30) on a copy of its
# seed corpus, two at a time, and reports the executions. A crash leaves its input in
# <build>/fuzz/crashes/; once fixed, keep it as a seed in tests/fuzz/corpus/<target>/.
# Usage: scripts/fuzz.sh [build directory, default build-sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-sanitize}
export FUZZ_SECONDS=${FUZZ_SECONDS:-30} FUZZ_BUILD=$build
mkdir -p "$build/fuzz/crashes"

run_one() {
  local target=$1 name=${1##*/fuzz_}
  local work="$FUZZ_BUILD/fuzz/corpus-$name" log="$FUZZ_BUILD/fuzz/$name.log"
  rm -rf "$work" && mkdir -p "$work" && cp tests/fuzz/corpus/"$name"/* "$work"/
  if ! "$target" -max_total_time="$FUZZ_SECONDS" -artifact_prefix="$FUZZ_BUILD/fuzz/crashes/$name-" \
    -print_final_stats=1 "$work" 2>"$log"; then
    tail -40 "$log"
    echo "fuzz $name: FAILED"
    return 1
  fi
  echo "fuzz $name: $(grep -m1 -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions in ${FUZZ_SECONDS} s"
}
export -f run_one
ls "$build"/fuzz/fuzz_* | xargs -P 2 -I{} bash -c 'run_one {}'
