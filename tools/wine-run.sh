#!/bin/bash
# CMAKE_CROSSCOMPILING_EMULATOR: runs a test program in its build tree's Wine
# prefix.  Usage: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
export WRENFOLD_WINE_BUILD_DIR="$1"
shift
exec "$(dirname "${BASH_SOURCE[0]}")/wine.sh" exec "$@"
