#!/bin/bash
# Installs what is missing, builds both presets and runs every test.
set -uo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
ensure_packages || exit 1
unset WINEPREFIX

status=0
summaries=()

run_preset() {
  local preset=$1 log
  log="$(mktemp)"
  if ! cmake --preset "$preset" >/dev/null; then
    echo "configure of $preset failed" >&2
    cmake --preset "$preset"
    return 1
  fi
  cmake --build --preset "$preset" || return 1
  ctest --preset "$preset" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  summaries+=("[$preset] $(grep -E '^[0-9]+% tests passed' "$log" || echo 'no summary')")
  rm -f "$log"
  return "$rc"
}

# Whatever happens, no wine server or display outlives the run.
trap 'tools/wine.sh stop' EXIT
trap 'exit 130' INT TERM

run_preset host || status=1
run_preset windows || status=1

# Every fuzz target briefly; fuzz/run.sh alone runs them longer.
if command -v clang++ >/dev/null; then
  if fuzz_log="$(fuzz/run.sh "${WRENFOLD_FUZZ_SECONDS:-30}")"; then
    summaries+=("[fuzz] every target clean for ${WRENFOLD_FUZZ_SECONDS:-30}s")
  else
    status=1
    summaries+=("[fuzz] FAILED")
  fi
  echo "$fuzz_log"
fi

echo
for line in "${summaries[@]}"; do echo "$line"; done
exit $status
