#!/usr/bin/env bash
# Builds the client and shows it working against the built-in FenmarchMUD simulator.
# Until the desktop window lands, this replays a sample session through the headless
# pipeline driver and prints what the client made of it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A folder of its own: scripts/test.sh configures build/release with other settings, and two
# configurations of one folder make CMake throw its cache away.
cmake -S . -B build/demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/demo -j "$(nproc)"
if [ -x build/demo/src/ui/vesk ]; then
  exec build/demo/src/ui/vesk --demo "$@"
fi
if [ -x build/demo/tools/replay/vesk-replay ]; then
  echo "Replaying tests/data/sample-session through the client's pipeline:"
  if command -v python3 >/dev/null; then
    build/demo/tools/replay/vesk-replay tests/data/sample-session/*.bin | python3 -m json.tool
  else
    build/demo/tools/replay/vesk-replay tests/data/sample-session/*.bin
  fi
  exit 0
fi
echo "Built. The client's front end is not part of this build yet."
