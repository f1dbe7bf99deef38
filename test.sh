#!/bin/bash
# Installs what is missing, checks the layout, builds both presets and runs every test, builds
# the release archive and checks its files, then runs every fuzz target briefly.  A step that cannot run
# fails the run and says so in the summary: nothing is skipped quietly.
set -uo pipefail
cd "$(dirname "$0")"
. tools/packages.sh
ensure_packages || { echo "Installing the missing packages failed" >&2; exit 1; }
unset WINEPREFIX

status=0
summaries=()

run_preset() {
  local preset=$1 log summary rc
  if ! cmake --preset "$preset" >/dev/null; then
    echo "configure of $preset failed" >&2
    cmake --preset "$preset"
    summaries+=("[$preset] NOT RUN: configure failed")
    return 1
  fi
  if ! cmake --build --preset "$preset"; then
    summaries+=("[$preset] NOT RUN: build failed")
    return 1
  fi
  log="$(mktemp)"
  ctest --preset "$preset" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  if ! summary="$(grep -E '^[0-9]+% tests passed' "$log")"; then
    summary="NOT RUN: ctest ran no tests"
    rc=1
  fi
  rm -f "$log"
  summaries+=("[$preset] $summary")
  return "$rc"
}

# Whatever happens, no wine server or display outlives the run.
trap 'tools/wine.sh stop' EXIT
trap 'exit 130' INT TERM

# The release archive, built once from the windows build: exactly these files, and
# SHA256SUMS naming every other one with its right sum.
release_files=(ADMIN.md CheckWrenfoldPrefs.exe ExportWrenfoldPrefs.exe RegisterWrenfold.exe SHA256SUMS Wrenfold-Preferences.xml)
run_package() {
  local version archive listed expected unpacked summed problem=""
  version="$(sed -n 's/^project(RegisterWrenfold VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
  archive="build/windows/RegisterWrenfold-$version-win64.zip"
  rm -f "$archive"
  if ! cmake --build --preset windows --target package >/dev/null || [ ! -f "$archive" ]; then
    summaries+=("[package] NOT RUN: no $archive")
    return 1
  fi
  listed="$(python3 -c 'import sys, zipfile; print("\n".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$archive")"
  expected="$(printf '%s\n' "${release_files[@]}" | LC_ALL=C sort)"
  if [ "$listed" != "$expected" ]; then
    echo "$archive holds:" >&2
    echo "$listed" >&2
    summaries+=("[package] FAILED: $archive does not hold exactly: $(echo $expected)")
    return 1
  fi
  unpacked="$(mktemp -d)"
  python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$archive" "$unpacked"
  summed="$(sed 's/^[0-9a-f]\{64\}  //' "$unpacked/SHA256SUMS" | LC_ALL=C sort)"
  if [ "$summed" != "$(grep -vx SHA256SUMS <<<"$expected")" ]; then
    problem="SHA256SUMS does not name exactly the other files: $(echo $summed)"
  elif ! (cd "$unpacked" && sha256sum --check --strict --quiet SHA256SUMS); then
    problem="a sum in SHA256SUMS is wrong"
  fi
  rm -rf "$unpacked"
  if [ -n "$problem" ]; then
    summaries+=("[package] FAILED: $archive: $problem")
    return 1
  fi
  summaries+=("[package] $archive: $(echo $listed); sums verified")
}

# The layout first: it takes a second and names what a build would not.
run_layout() {
  if python3 tools/check_layout.py; then
    summaries+=("[layout] no include cycle, no platform implementation outside the entry points, no hook table")
  else
    summaries+=("[layout] FAILED: see tools/check_layout.py above")
    return 1
  fi
}
run_layout || status=1

run_preset host || status=1
if run_preset windows; then
  run_package || status=1
else
  status=1
  summaries+=("[package] NOT RUN: the windows build failed")
fi

# Every fuzz target briefly; fuzz/run.sh alone runs them longer.
run_fuzz() {
  local seconds=${WRENFOLD_FUZZ_SECONDS:-30} log
  if ! command -v clang++ >/dev/null; then
    summaries+=("[fuzz] NOT RUN: no clang++ (packages clang and libclang-rt-14-dev)")
    return 1
  fi
  log="$(fuzz/run.sh "$seconds")"
  local rc=$?
  echo "$log"
  if [ "$rc" -ne 0 ]; then
    summaries+=("[fuzz] FAILED: the fuzz build or a target, see above")
    return 1
  fi
  summaries+=("[fuzz] every target clean for ${seconds}s")
}
run_fuzz || status=1

echo
for line in "${summaries[@]}"; do echo "$line"; done
exit $status
