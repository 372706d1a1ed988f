#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on, every library instrumented) and runs each for a number of executions, printing how
# many it did. Each target checks round trips as well as crashes; a fault stops the run
# and leaves the input as crash-* in the work folder.
#   tools/fuzz.sh [RUNS]          RUNS per target, default 10000000
# Environment: FUZZ_BUILD (default build-fuzz), FUZZ_WORK (default $FUZZ_BUILD/fuzz-work),
# FUZZ_TARGETS (default all six).
set -euo pipefail
cd "$(dirname "$0")/.."
QUORVEL_FUZZ=1 bash tools/setup.sh
runs=${1:-10000000}
build=${FUZZ_BUILD:-build-fuzz}
work=${FUZZ_WORK:-$build/fuzz-work}
targets=${FUZZ_TARGETS:-"fuzz_statsfile fuzz_username fuzz_numsys fuzz_unitnumber fuzz_decimalint fuzz_reviewfile"}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_FUZZ=ON "${launcher[@]}" >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $targets
mkdir -p "$work"
for t in $targets; do
  mkdir -p "$work/$t"
  start=$(date +%s)
  log="$work/$t.log"
  # A target whose format starts with a fixed line gets good files to start from
  # (tests/*/<target>_seeds); new finds go into the work folder only.
  seeds=$(ls -d tests/*/"${t}_seeds" 2>/dev/null || true)
  # shellcheck disable=SC2086
  "$build/bin/$t" -runs="$runs" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$work/$t-" "$work/$t" $seeds >"$log" 2>&1 || { tail -40 "$log"; echo "$t: FAULT"; exit 1; }
  done_runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  echo "$t: $done_runs executions in $(( $(date +%s) - start )) s, no fault"
done
