#!/usr/bin/env bash
# quelbrook-cli info on files whose chunk walk is long: zero-filled audio
# after an unfinished header (64 MiB written, 5 GiB sparse) and 1 GiB of
# empty 8-byte chunks. Wall time (best of ROUNDS) and peak memory. Not a
# test: figures only.
#
# Usage: bench/walk_bench.sh [BUILD_DIR]    (default: build)
# Environment: ROUNDS (5), TMPDIR.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
cli="$build/src/cli/quelbrook-cli"
rounds=${ROUNDS:-5}
for tool in "$cli" /usr/bin/time python3 awk; do
  command -v "$tool" >/dev/null || { echo "walk_bench: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quelbrook-walk-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

best() {  # best wall time of the rounds, in milliseconds
  local start end ms best_ms=
  for ((i = 0; i < rounds; i++)); do
    start=$(date +%s%N)
    "$cli" info "$1" >/dev/null || true
    end=$(date +%s%N)
    ms=$(((end - start) / 1000000))
    if [[ -z $best_ms || $ms -lt $best_ms ]]; then best_ms=$ms; fi
  done
  echo "$best_ms"
}
peak() { /usr/bin/time -f %M "$cli" info "$1" 2>&1 >/dev/null | tail -n 1; }

run() {  # label, goal, make_wavs.py arguments
  local label=$1 goal=$2
  shift 2
  rm -rf "$work/f"
  python3 "$here/make_wavs.py" "$work/f" 1 "$@"
  "$cli" info "$work/f/walk.wav" >/dev/null || true  # page cache warm
  printf '  %-40s %6s ms (goal < %s)   peak %s KiB\n' "$label" "$(best "$work/f/walk.wav")" "$goal" \
    "$(peak "$work/f/walk.wav")"
}

echo "quelbrook-cli info, best of $rounds ($(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
run "64 MiB, zeros after the header" "100 ms" --walk zeros --dense --size $((64 << 20))
run "5 GiB sparse, zeros after the header" "3000 ms" --walk zeros --size $((5 << 30))
run "1 GiB of empty 8-byte chunks" "2000 ms" --walk chunks --size $((1 << 30))
