#!/usr/bin/env bash
# Runs every libFuzzer harness of a build folder from its seed corpus. The pipeline harness gets
# VESK_FUZZ_SECONDS (default 60); the file-reader harnesses a sixth of that each.
set -euo pipefail
build=$(cd "${1:-build/asan}" && pwd)
seconds=${VESK_FUZZ_SECONDS:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for harness in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness")
  budget=$seconds
  [ "$name" != "fuzz_pipeline" ] && budget=$(( seconds / 6 > 5 ? seconds / 6 : 5 ))
  corpus=$(mktemp -d)
  seeds="$root/tests/fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  echo "-- $name for ${budget}s"
  (cd "$corpus" && "$harness" -max_total_time="$budget" -print_final_stats=0 -max_len=8192 . 2>&1 | tail -n 3)
  rm -rf "$corpus"
done
