#!/bin/bash
# Builds the Windows program when out of date and runs it under Wine:
#   ./run.sh SWITCHES...     e.g. ./run.sh /IC 'C:\prefs\mine.xml'
#   ./run.sh import FILE     imports a preferences file given by its Linux path
# Then shows what the product key holds for the user and for the machine.
#   ./run.sh check [--json] [--reg OUT.reg] [--strict] FILE
#                            checks a preferences file (Linux paths) with
#                            CheckWrenfoldPrefs.exe, which writes nothing;
#                            its exit status is this script's
#   ./run.sh check --against-registry FILE
#                            the same, starting from the product keys of the
#                            prefix's registry (also --against EXPORT.reg)
#   ./run.sh export [--from EXPORT.reg] OUT.xml
#                            captures the prefix's product keys (or a
#                            `reg export` file) as a preferences file with
#                            ExportWrenfoldPrefs.exe; its exit status is this
#                            script's
# Relative paths are taken from the folder the script is called from.
set -uo pipefail
CALLER="$PWD"
ROOT="$(cd "$(dirname "$0")" && pwd)"
cd "$ROOT"
. tools/packages.sh
ensure_packages || exit 1

TARGET=RegisterWrenfold
if [ "${1:-}" = "check" ]; then TARGET=CheckWrenfoldPrefs; fi
if [ "${1:-}" = "export" ]; then TARGET=ExportWrenfoldPrefs; fi
if ! cmake --preset windows >/dev/null || ! cmake --build --preset windows --target "$TARGET" >/dev/null; then
  echo "run.sh: the windows build failed" >&2
  cmake --build --preset windows --target "$TARGET" 2>&1 | tail -20 >&2
  exit 1
fi
EXE="$ROOT/build/windows/bin/$TARGET.exe"

export WINEPREFIX="${WINEPREFIX:-$ROOT/build/windows/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=en_US.UTF-8
trap 'tools/wine.sh stop' EXIT
tools/wine.sh server

# A Linux path in Wine's form; a relative one is taken from the caller's folder.
windows_path() {
  local path=$1
  case "$path" in
    /*) ;;
    *) path="$CALLER/$path" ;;
  esac
  wine winepath -w "$(realpath -m "$path")" 2>/dev/null | tr -d '\r'
}

if [ "${1:-}" = "check" ] || [ "${1:-}" = "export" ]; then
  shift
  # Paths become Wine's; options pass as they are; the program judges the rest.
  args=()
  while [ $# -gt 0 ]; do
    case "$1" in
      --reg|--against|--from)
        args+=("$1")
        if [ $# -gt 1 ]; then args+=("$(windows_path "$2")"); shift; fi ;;
      --codepage)
        args+=("$1")
        if [ $# -gt 1 ]; then args+=("$2"); shift; fi ;;
      -*|/\?) args+=("$1") ;;
      *) args+=("$(windows_path "$1")") ;;
    esac
    shift
  done
  wine "$EXE" "${args[@]}" </dev/null
  exit $?
fi

args=("$@")
if [ "${1:-}" = "import" ]; then
  if [ $# -ne 2 ]; then echo "usage: $0 import FILE" >&2; exit 2; fi
  args=("/IC" "$(windows_path "$2")")
fi

boxes=""
if [ -z "${DISPLAY:-}" ]; then
  # Nobody could see or answer a box: record them and show them afterwards.
  boxes="$(mktemp)"
  export WRENFOLD_UNATTENDED_LOG="$(wine winepath -w "$boxes" 2>/dev/null | tr -d '\r')"
fi

wine "$EXE" "${args[@]}" </dev/null
status=$?
echo "RegisterWrenfold.exe exited with code $status"

if [ -n "$boxes" ]; then
  python3 - "$boxes" <<'PY'
import json, sys
for line in open(sys.argv[1], encoding="utf-8"):
    box = json.loads(line)
    if "outcome" in box:
        print("--- outcome: %s %s (%d values, %d skipped, %d message boxes; version %s, %s)"
              % (box["outcome"], box["file"], box["values"], box["skipped"], box["reports"],
                 box["version"], box["time"]))
        continue
    print("--- message box: %s (answered %s)" % (box["caption"], box["answer"]))
    print(box["text"].replace("\r\n", "\n"))
PY
  rm -f "$boxes"
fi

for root in HKCU HKLM; do
  key="$root\\Software\\Orlavex\\Wrenfold 4"
  echo
  echo "== $key"
  if listing="$(wine reg query "$key" /s 2>/dev/null)"; then
    # reg writes in the console's OEM code page.
    printf '%s\n' "$listing" | tr -d '\r' | grep -av '^$' | iconv -f CP437 -t UTF-8
  else
    echo "(absent)"
  fi
done
exit $status
