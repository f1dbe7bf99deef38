#!/bin/bash
# Builds the fuzz targets and runs each for SECONDS (default 600).
#   fuzz/run.sh [SECONDS] [TARGET...]       e.g. fuzz/run.sh 30 command_line
# Each target works on a copy of its seed corpus under build/fuzz/corpus/;
# crashes land in build/fuzz/findings/.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
seconds="${1:-600}"
shift || true
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null || {
  cmake --build --preset fuzz 2>&1 | tail -30
  exit 1
}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
status=0
mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  log="build/fuzz/findings/$target.log"
  if build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$target"- "$corpus" >"$log" 2>&1; then
    echo "fuzz $target: clean for ${seconds}s ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs)"
  else
    echo "fuzz $target: FAILED, see $log"
    tail -20 "$log"
    status=1
  fi
done
exit $status
