#!/usr/bin/env bash
# Renders every window and dialog of the client to PNG files (default: docs/images) by running
# the UI tests offscreen with VESK_RENDER_DIR set; each test saves the windows it shows.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-docs/images}" && cd "${1:-docs/images}" && pwd)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)"
VESK_RENDER_DIR="$out" QT_QPA_PLATFORM=offscreen ctest --test-dir build/release -L ui --output-on-failure
echo "pictures in $out"
