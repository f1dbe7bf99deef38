#!/bin/bash
# The benchmark: builds the program and the start-up floor, then runs
# bench/bench.py in its own Wine prefix (build/bench) on a virtual display.
#   bench/run.sh [--runs N] [--sizes 1000,10000,100000]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
. tools/packages.sh
ensure_packages
cmake --preset windows >/dev/null
cmake --build --preset windows --target RegisterWrenfold >/dev/null
mkdir -p build/bench
x86_64-w64-mingw32-g++-posix -O2 -static -mwindows bench/floor.cpp -o build/bench/floor.exe

export WRENFOLD_WINE_BUILD_DIR="$ROOT/build/bench"
export WINEPREFIX="$ROOT/build/bench/wineprefix"
export WINEDEBUG=-all LANG=en_US.UTF-8
trap 'tools/wine.sh stop' EXIT
tools/wine.sh start
. "$WINEPREFIX/.wrenfold-harness"
python3 bench/bench.py "$@"
