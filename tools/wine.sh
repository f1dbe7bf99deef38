#!/bin/bash
# The project's Wine harness: one prefix inside the build tree, a virtual
# display and a persistent wine server, so that tests neither hang on a server
# that inherited their pipes nor run without a display.
#
#   tools/wine.sh prefix        boot the prefix once
#   tools/wine.sh start         prefix + Xvfb + persistent wine server
#   tools/wine.sh server        prefix + persistent wine server, no display
#   tools/wine.sh stop          stop the server and the display (always safe)
#   tools/wine.sh exec PROG...  run a Windows program in the prefix
set -u

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${WRENFOLD_WINE_BUILD_DIR:-$ROOT/build/windows}"
export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LANG=en_US.UTF-8
STATE="$WINEPREFIX/.wrenfold-harness"

boot_prefix() {
  if [ -f "$WINEPREFIX/.wrenfold-booted" ]; then return 0; fi
  mkdir -p "$WINEPREFIX"
  # The 32-bit loader is absent here; wineboot's complaint about it is harmless.
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w >/dev/null 2>&1 </dev/null
  touch "$WINEPREFIX/.wrenfold-booted"
}

free_display() {
  local n
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

start() {
  boot_prefix
  if [ -f "$STATE" ]; then stop; fi
  local n pid
  n="$(free_display)" || { echo "wine.sh: no free display" >&2; return 1; }
  setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  pid=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.05
  done
  printf 'export DISPLAY=:%s\nXVFB_PID=%s\n' "$n" "$pid" >"$STATE"
  export DISPLAY=":$n"
  setsid wineserver -p >/dev/null 2>&1 </dev/null &
  # Wait until the server answers so that the first test does not race it.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

server() {
  boot_prefix
  setsid wineserver -p >/dev/null 2>&1 </dev/null &
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

stop() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  wineserver -w >/dev/null 2>&1 </dev/null || true
  if [ -f "$STATE" ]; then
    local XVFB_PID=""
    # shellcheck disable=SC1090
    . "$STATE"
    if [ -n "$XVFB_PID" ]; then
      kill "$XVFB_PID" >/dev/null 2>&1 || true
      for _ in $(seq 50); do kill -0 "$XVFB_PID" 2>/dev/null || break; sleep 0.05; done
      kill -9 "$XVFB_PID" >/dev/null 2>&1 || true
    fi
    rm -f "$STATE"
  fi
}

run() {
  if [ -f "$STATE" ]; then
    # shellcheck disable=SC1090
    . "$STATE"
  fi
  exec wine "$@"
}

cmd="${1:-}"
shift || true
case "$cmd" in
  prefix) boot_prefix ;;
  start) start ;;
  server) server ;;
  stop) stop ;;
  exec) run "$@" ;;
  *) echo "usage: $0 prefix|start|server|stop|exec PROG..." >&2; exit 2 ;;
esac
