#!/usr/bin/env bash
# Builds the client and shows it working against the built-in FenmarchMUD simulator.
# Until the desktop window lands, this replays a sample session through the headless
# pipeline driver and prints what the client made of it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)"
if [ -x build/release/src/ui/vesk ]; then
  exec build/release/src/ui/vesk --demo "$@"
fi
if [ -x build/release/tools/replay/vesk-replay ]; then
  echo "Replaying tests/data/sample-session through the client's pipeline:"
  if command -v python3 >/dev/null; then
    build/release/tools/replay/vesk-replay tests/data/sample-session/*.bin | python3 -m json.tool
  else
    build/release/tools/replay/vesk-replay tests/data/sample-session/*.bin
  fi
  exit 0
fi
echo "Built. The client's front end is not part of this build yet."
