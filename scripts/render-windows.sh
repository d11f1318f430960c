#!/usr/bin/env bash
# Renders every window and dialog of the client to PNG files (default: docs/images) by running
# the UI tests offscreen with VESK_RENDER_DIR set; each test saves the windows it shows.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-docs/images}" && cd "${1:-docs/images}" && pwd)
# The same settings as scripts/test.sh, which builds and tests in this folder too.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESK_WERROR=ON \
      -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc >/dev/null
cmake --build build/release -j "$(nproc)"
VESK_RENDER_DIR="$out" QT_QPA_PLATFORM=offscreen ctest --test-dir build/release -L ui --output-on-failure
echo "pictures in $out"
