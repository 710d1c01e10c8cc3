#!/usr/bin/env bash
# Runs every fuzz target of a sanitizer build on a copy of its seed corpus, two at a time, and
# reports the executions. By default each target makes FUZZ_RUNS (default 1000000) runs from a
# fixed seed, a bound that does not hang on the speed of the machine; FUZZ_SECONDS=N hunts for N seconds
# from a random seed instead. A crash leaves its input in <build>/fuzz/crashes/; once fixed,
# keep it as a seed in tests/fuzz/corpus/<target>/.
# Usage: [FUZZ_RUNS=N | FUZZ_SECONDS=N] scripts/fuzz.sh [build directory, default build-sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-sanitize}
if [[ -n ${FUZZ_SECONDS:-} ]]; then
  export FUZZ_LIMIT="-max_total_time=$FUZZ_SECONDS" FUZZ_BOUND="$FUZZ_SECONDS s"
else
  runs=${FUZZ_RUNS:-1000000}
  export FUZZ_LIMIT="-runs=$runs -seed=1" FUZZ_BOUND="$runs runs from seed 1"
fi
export FUZZ_BUILD=$build
mkdir -p "$build/fuzz/crashes"

run_one() {
  local target=$1 name=${1##*/fuzz_}
  local work="$FUZZ_BUILD/fuzz/corpus-$name" log="$FUZZ_BUILD/fuzz/$name.log" start=$SECONDS
  rm -rf "$work" && mkdir -p "$work" && cp tests/fuzz/corpus/"$name"/* "$work"/
  # shellcheck disable=SC2086 # FUZZ_LIMIT holds one or two options
  if ! "$target" $FUZZ_LIMIT -artifact_prefix="$FUZZ_BUILD/fuzz/crashes/$name-" \
    -print_final_stats=1 "$work" 2>"$log"; then
    tail -40 "$log"
    echo "fuzz $name: FAILED"
    return 1
  fi
  local executions
  executions=$(grep -m1 -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  echo "fuzz $name: $executions executions ($FUZZ_BOUND) in $((SECONDS - start)) s"
}
export -f run_one
ls "$build"/fuzz/fuzz_* | xargs -P 2 -I{} bash -c 'run_one {}'
