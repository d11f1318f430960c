#!/bin/sh
# The desktop client's speed targets: painting the output pane and the status window, and a
# 50 MB flood from vesk-sim through the real main window with commands typed meanwhile. Runs
# offscreen; builds the release tree it needs first.
#
#   bench/run-ui-benchmarks.sh [BUILD_DIRECTORY]      (default build/bench)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/bench}
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_BENCH=ON -DVESK_WERROR=OFF \
    >/dev/null
cmake --build "$build" -j2 --target vesk_ui_benchmarks vesk-flood-bench vesk-sim
"$build/bench/vesk_ui_benchmarks" --benchmark_min_time=0.5
"$build/bench/vesk-flood-bench" --megabytes 50
