#!/usr/bin/env bash
# Runs every libFuzzer harness of a build folder from its seed corpus. The pipeline harness gets
# VESK_FUZZ_SECONDS (default 60) and inputs up to 1 MB, so it reaches the paths that only long
# lines, large reads and big tables take; the file-reader harnesses a sixth of the time each,
# with inputs up to 8 KB.
set -euo pipefail
build=$(cd "${1:-build/asan}" && pwd)
seconds=${VESK_FUZZ_SECONDS:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for harness in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness")
  budget=$seconds
  longest=1048576
  if [ "$name" != "fuzz_pipeline" ]; then
    budget=$(( seconds / 6 > 5 ? seconds / 6 : 5 ))
    longest=8192
  fi
  corpus=$(mktemp -d)
  seeds="$root/tests/fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  echo "-- $name for ${budget}s"
  (cd "$corpus" && "$harness" -max_total_time="$budget" -print_final_stats=0 -max_len="$longest" . 2>&1 | tail -n 3)
  rm -rf "$corpus"
done
