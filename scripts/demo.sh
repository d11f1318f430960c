#!/usr/bin/env bash
# Builds the client and the simulator, nothing else, and starts the client on the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A folder of its own: scripts/test.sh configures build/release with other settings, and two
# configurations of one folder make CMake throw its cache away.
cmake -S . -B build/demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/demo -j "$(nproc)" --target vesk vesk-sim
exec build/demo/src/ui/vesk --demo "$@"
