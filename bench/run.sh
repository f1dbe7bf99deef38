#!/bin/bash
# The benchmark: builds the program and the start-up floor, then runs
# bench/bench.py in its own Wine prefix on a virtual display.
#   bench/run.sh [--runs N] [--sizes 1000,10000,100000]
#                [--profiles real-size,no-machine-keys,machine-defaults]
# WRENFOLD_BENCH_BUILD_DIR names the windows build to measure (default
# build/windows); the prefix, the generated files and the floors live in its
# bench/ folder, so that benchmarks of two builds never share a prefix.
# WRENFOLD_BENCH_PROGRAM measures another RegisterWrenfold.exe in that prefix.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
. tools/packages.sh
ensure_packages
BUILD="$(realpath -m "${WRENFOLD_BENCH_BUILD_DIR:-$ROOT/build/windows}")"
cmake --preset windows -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target RegisterWrenfold bench_wholesave >/dev/null
BENCH="$BUILD/bench"
mkdir -p "$BENCH"
x86_64-w64-mingw32-g++-posix -O2 -static -mwindows bench/floor.cpp -o "$BENCH/floor.exe"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -Wall -Wextra -Werror bench/regfloor.cpp \
  -o "$BENCH/regfloor.exe"

export WRENFOLD_BENCH_PROGRAM="${WRENFOLD_BENCH_PROGRAM:-$BUILD/bin/RegisterWrenfold.exe}"
export WRENFOLD_BENCH_DIR="$BENCH"
export WRENFOLD_WINE_BUILD_DIR="$BENCH"
export WINEPREFIX="$BENCH/wineprefix"
export WINEDEBUG=-all LANG=en_US.UTF-8
trap 'tools/wine.sh stop' EXIT
tools/wine.sh start
. "$WINEPREFIX/.wrenfold-harness"
python3 bench/bench.py "$@"
