#!/bin/bash
# Regenerates src/platform/memory/AnsiBestFit.inc, what WideCharToMultiByte
# makes of each character in the ANSI code page under Wine, which the host
# build's document model converts with.  Needs the windows toolchain and Wine.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
WORK="$ROOT/build/ansi"
mkdir -p "$WORK"
x86_64-w64-mingw32-g++-posix -O2 -static "$ROOT/tools/ansi/BestFitTable.cpp" -o "$WORK/table.exe"
export WRENFOLD_WINE_BUILD_DIR="$WORK"
trap '"$ROOT/tools/wine.sh" stop' EXIT
"$ROOT/tools/wine.sh" server
"$ROOT/tools/wine.sh" exec "$WORK/table.exe" | tr -d '\r' > "$ROOT/src/platform/memory/AnsiBestFit.inc"
