#!/usr/bin/env bash
# Builds everything and runs every test: a warnings-as-errors build with g++, then an
# AddressSanitizer+UBSan build with clang that also runs the fuzz harnesses for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${VESK_FUZZ_SECONDS:-60}

echo "== formatting =="
scripts/check-format.sh

echo "== release build (g++, -Werror) =="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESK_WERROR=ON \
      -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

# The UI tests draw with their own font files; these runs prove that whichever fonts a
# desktop prefers cannot change what they see.
for setup in noto dejavu; do
  echo "== UI tests on a desktop that prefers $setup fonts =="
  FONTCONFIG_FILE="$PWD/tests/ui/fontsetups/prefer-$setup.conf" \
    ctest --test-dir build/release --output-on-failure -j "$jobs" -L ui
done

echo "== sanitizer build (clang, ASan+UBSan, fuzzers) =="
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_WERROR=ON -DVESK_SANITIZE=ON \
      -DVESK_FUZZ=ON -DVESK_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs" -LE fuzz

echo "== fuzzing =="
VESK_FUZZ_SECONDS=$fuzz_seconds scripts/run-fuzzers.sh build/asan

echo "== summary =="
ctest --test-dir build/release -N | tail -n 1
echo "all test stages passed"
