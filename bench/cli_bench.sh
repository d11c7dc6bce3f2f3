#!/usr/bin/env bash
# quelbrook-cli against the floor program: wall time of `set --rate 48000` on
# the same files in the same run (one job and the default jobs), once with
# the files' contents dropped from the page cache before each run (read from
# the disk, as on a first pass over an archive) and once with them in memory
# (the processors' work alone); system calls per file, peak memory as the
# batch and the files grow, and the same batch on simulated network storage
# (every file system call delayed by LATENCY_US through the preloaded bench
# library) with one job and with 32, the price of the journal (on, the
# default, against --no-journal), and the default jobs against the floor on
# one thread and on as many threads.
# Not a test: figures only.
#
# With --goals only the speed goals are measured (files in memory): wall
# times beside the floor, then what stays steady on a busy machine, system
# calls and (with valgrind) user-space instructions per further file, each
# as a ratio to the floor's; the goal ratios are printed last.
#
# Usage: bench/cli_bench.sh [--goals] [BUILD_DIR]    (default: build)
# Environment: COUNT (2000 files), SIZE (1 MiB each; 64 KiB with --goals),
#              ROUNDS (11; 21 with --goals), LATENCY_US (200), TMPDIR.
set -euo pipefail

goals_only=false
if [[ ${1:-} == --goals ]]; then
  goals_only=true
  shift
  SIZE=${SIZE:-65536}
  ROUNDS=${ROUNDS:-21}
fi
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
cli="$build/src/cli/quelbrook-cli"
floor="$build/bench/quelbrook_floor_set"
latency="$build/bench/libquelbrook_latency.so"
count=${COUNT:-2000}
size=${SIZE:-1048576}
rounds=${ROUNDS:-11}
latency_us=${LATENCY_US:-200}
jobs=$(nproc)
tools=("$cli" "$floor" strace python3 awk)
$goals_only || tools+=("$latency" /usr/bin/time)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "cli_bench: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quelbrook-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME="$work/state"  # the journals of these runs stay in the work folder
python3 "$here/make_wavs.py" "$work/files" "$count" --size "$size"
files=("$work"/files/*.wav)

seconds() {  # wall time of one run, in seconds (the shell's clock: no process of its own in the interval)
  local start end
  start=$EPOCHREALTIME
  "$@" >/dev/null
  end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.5f\n", e - s }'
}
cold() { python3 "$here/drop_cached.py" "$work/files"; seconds "$@"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
best() { sort -n | head -n 1; }
calc() { awk "BEGIN { printf \"%.2f\", $1 }"; }

# Alternates the floor and two runs of quelbrook-cli set (their further options as
# one word each, split here) round by round, so that no program gets the better
# slot; TIMER times each run. The times go to NAME-floor, NAME-a and NAME-b.
alternate() {  # TIMER NAME OPTIONS_A OPTIONS_B
  local timer=$1 name=$2 a=$3 b=$4
  : >"$work/$name-floor.times"
  : >"$work/$name-a.times"
  : >"$work/$name-b.times"
  for ((i = 0; i < rounds; i++)); do
    "$timer" "$floor" "${files[@]}" >>"$work/$name-floor.times"
    # shellcheck disable=SC2086
    "$timer" "$cli" set --rate 48000 $a "${files[@]}" >>"$work/$name-a.times"
    # shellcheck disable=SC2086
    "$timer" "$cli" set --rate 48000 $b "${files[@]}" >>"$work/$name-b.times"
  done
}

# The default jobs in memory, journal on and off, against the floor on one
# thread and on as many threads as the default jobs, and -j 1 beside them.
goals() {
  local name
  for name in floor1 floorj on off one onenj; do : >"$work/goal-$name.times"; done
  for ((i = 0; i < rounds; i++)); do
    seconds "$floor" "${files[@]}" >>"$work/goal-floor1.times"
    seconds "$floor" -j "$jobs" "${files[@]}" >>"$work/goal-floorj.times"
    seconds "$cli" set --rate 48000 "${files[@]}" >>"$work/goal-on.times"
    seconds "$cli" set --rate 48000 --no-journal "${files[@]}" >>"$work/goal-off.times"
    seconds "$cli" set --rate 48000 -j 1 "${files[@]}" >>"$work/goal-one.times"
    seconds "$cli" set --rate 48000 -j 1 --no-journal "${files[@]}" >>"$work/goal-onenj.times"
  done
  local floor1_s floorj_s on off one onenj
  floor1_s=$(median <"$work/goal-floor1.times")
  floorj_s=$(median <"$work/goal-floorj.times")
  on=$(median <"$work/goal-on.times")
  off=$(median <"$work/goal-off.times")
  one=$(median <"$work/goal-one.times")
  onenj=$(median <"$work/goal-onenj.times")
  printf '  default -j %d   median: floor %.4f s (on %d threads %.4f s, ratio %.2f)   journal on %.4f s (ratio %.2f, goal <= 1.3)   --no-journal %.4f s (ratio %.2f, goal <= 1.1)   -j 1 %.4f s (ratio %.2f; --no-journal %.4f s, ratio %.2f; goal: default never slower)\n' \
    "$jobs" "$floor1_s" "$jobs" "$floorj_s" "$(calc "$floorj_s / $floor1_s")" "$on" "$(calc "$on / $floor1_s")" \
    "$off" "$(calc "$off / $floor1_s")" "$one" "$(calc "$one / $floor1_s")" "$onenj" "$(calc "$onenj / $floor1_s")"
}

# What a busy machine leaves steady: system calls and user-space
# instructions per file beyond the first, against the floor's.
steady_counts() {
  local -a some=("${files[@]:0:200}") more=("${files[@]:0:400}")
  per_file_calls() {  # PROGRAM ARGS...: system calls per further file over 200 files
    local one all
    strace -f -c -o "$work/strace.txt" "$@" "${some[@]}" >/dev/null
    one=$(awk '$NF == "total" { print $4 }' "$work/strace.txt")
    strace -f -c -o "$work/strace.txt" "$@" "${more[@]}" >/dev/null
    all=$(awk '$NF == "total" { print $4 }' "$work/strace.txt")
    calc "($all - $one) / 200"
  }
  local floor_calls cli_calls
  floor_calls=$(per_file_calls "$floor")
  cli_calls=$(per_file_calls "$cli" set --rate 48000 -j 1)
  printf '  per further file   system calls: floor %s   cli -j 1 %s (ratio %.2f)\n' \
    "$floor_calls" "$cli_calls" "$(calc "$cli_calls / $floor_calls")"
  command -v valgrind >/dev/null || { echo "  (no valgrind: instructions not counted)"; return 0; }
  per_file_instructions() {  # PROGRAM ARGS...: user-space instructions per further file over 200 files
    local one all
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" "${some[@]}" >/dev/null 2>"$work/cg.txt"
    one=$(awk '/Collected :/ { print $NF }' "$work/cg.txt")
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" "${more[@]}" >/dev/null 2>"$work/cg.txt"
    all=$(awk '/Collected :/ { print $NF }' "$work/cg.txt")
    calc "($all - $one) / 200"
  }
  # --follow-links: valgrind lacks openat2, and the walk that stands in for it is not what runs natively.
  local floor_ir one_ir off_ir on_ir
  floor_ir=$(per_file_instructions "$floor")
  one_ir=$(per_file_instructions "$cli" set --rate 48000 --follow-links -j 1)
  off_ir=$(per_file_instructions "$cli" set --rate 48000 --follow-links -j 1 --no-journal)
  on_ir=$(per_file_instructions "$cli" set --rate 48000 --follow-links)
  printf '                     instructions: floor %s   cli -j 1 %s (ratio %.0f; --no-journal %s)   default -j %d %s (ratio %.0f)\n' \
    "$floor_ir" "$one_ir" "$(calc "$one_ir / $floor_ir")" "$off_ir" "$jobs" "$on_ir" "$(calc "$on_ir / $floor_ir")"
}

if $goals_only; then
  echo "quelbrook-cli set --rate 48000 on $count files of $size bytes in memory ($(nproc) cores, $rounds rounds, load $(cut -d' ' -f1 /proc/loadavg))"
  "$floor" "${files[@]}" >/dev/null
  "$cli" set --rate 48000 "${files[@]}" >/dev/null
  steady_counts
  goals
  exit 0
fi

# Contents read from the disk: each run after the files were dropped from the page cache.
alternate cold disk "-j 1" ""
floor_cold=$(median <"$work/disk-floor.times")
cli_cold=$(median <"$work/disk-a.times")
default_cold=$(median <"$work/disk-b.times")

# Contents in memory: the page cache warmed first.
"$floor" "${files[@]}" >/dev/null
"$cli" set --rate 48000 "${files[@]}" >/dev/null
alternate seconds memory "-j 1" ""
floor_s=$(median <"$work/memory-floor.times")
cli_s=$(median <"$work/memory-a.times")
default_s=$(median <"$work/memory-b.times")
floor_best=$(best <"$work/memory-floor.times")
cli_best=$(best <"$work/memory-a.times")
default_best=$(best <"$work/memory-b.times")

# Simulated network storage: one run each, the delay dwarfs the noise.
slow() { seconds env QUELBROOK_LATENCY_US="$latency_us" LD_PRELOAD="$latency" "$@"; }
net_floor=$(slow "$floor" "${files[@]}")
net_one=$(slow "$cli" set --rate 48000 -j 1 "${files[@]}")
net_32=$(slow "$cli" set --rate 48000 -j 32 "${files[@]}")

# System calls: all of them over the batch, and the cost of each further file.
calls() {
  strace -f -c -o "$work/strace.txt" "$@" >/dev/null
  awk '$NF == "total" { print $4 }' "$work/strace.txt"
}
cli_all=$(calls "$cli" set --rate 48000 -j 1 "${files[@]}")
cli_one=$(calls "$cli" set --rate 48000 -j 1 "${files[0]}")
info_all=$(calls "$cli" info -j 1 "${files[@]}")
info_one=$(calls "$cli" info -j 1 "${files[0]}")
floor_all=$(calls "$floor" "${files[@]}")
floor_one=$(calls "$floor" "${files[0]}")

# Peak memory (KiB) for one file, the whole batch, and a 5 GiB sparse RF64 file.
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
python3 "$here/make_wavs.py" "$work/big" 1 --rf64 --size $((5 << 30))
mem_one=$(peak "$cli" set --rate 48000 "${files[0]}")
mem_all=$(peak "$cli" set --rate 48000 "${files[@]}")
mem_walk=$(peak "$cli" set --rate 48000 -r "$work/files")
mem_big=$(peak "$cli" set --rate 48000 "$work/big/big.wav")
mem_info=$(peak "$cli" info --json "$work/big/big.wav")
mem_32=$(peak "$cli" set --rate 48000 -j 32 "${files[@]}")

echo "quelbrook-cli set --rate 48000 on $count files of $size bytes ($(nproc) cores, $rounds rounds, load $(cut -d' ' -f1 /proc/loadavg))"
printf '  from the disk   median: floor %.4f s   cli -j 1 %.4f s   ratio %.2f (goal <= 1.2)   cli -j %d (default) %.4f s   ratio %.2f (goal < 1)\n' \
  "$floor_cold" "$cli_cold" "$(calc "$cli_cold / $floor_cold")" "$jobs" "$default_cold" "$(calc "$default_cold / $floor_cold")"
printf '  in memory       median: floor %.4f s   cli -j 1 %.4f s   ratio %.2f   cli -j %d (default) %.4f s   ratio %.2f\n' \
  "$floor_s" "$cli_s" "$(calc "$cli_s / $floor_s")" "$jobs" "$default_s" "$(calc "$default_s / $floor_s")"
printf '                  best:   floor %.4f s   cli -j 1 %.4f s   ratio %.2f   cli -j %d %.4f s   ratio %.2f\n' \
  "$floor_best" "$cli_best" "$(calc "$cli_best / $floor_best")" "$jobs" "$default_best" "$(calc "$default_best / $floor_best")"
printf '  system calls    floor %d (%s per further file)   cli %d (%s per further file, goal <= 6)\n' \
  "$floor_all" "$(calc "($floor_all - $floor_one) / ($count - 1)")" \
  "$cli_all" "$(calc "($cli_all - $cli_one) / ($count - 1)")"
printf '                  info: %d (%s per further file, goal <= 4)\n' \
  "$info_all" "$(calc "($info_all - $info_one) / ($count - 1)")"
printf '  peak memory     1 file %s KiB   %d files named %s KiB (-r on their folder %s KiB)   5 GiB RF64 %s KiB (info %s KiB)\n' \
  "$mem_one" "$count" "$mem_all" "$mem_walk" "$mem_big" "$mem_info"
printf '  network (%d us per call)  floor %.2f s   cli -j 1 %.2f s   cli -j 32 %.2f s   speed-up %.1fx (goal >= 10)\n' \
  "$latency_us" "$net_floor" "$net_one" "$net_32" "$(calc "$net_one / $net_32")"
printf '  peak memory at -j 32    %s KiB (goal < 16384)\n' "$mem_32"

# The journal's price: the same batch on one job with the journal on (the default, a new
# batch in the journal folder each run) and off.
alternate seconds journal "-j 1" "-j 1 --no-journal"
floor2_s=$(median <"$work/journal-floor.times")
on_s=$(median <"$work/journal-a.times")
off_s=$(median <"$work/journal-b.times")
printf '  journal         median: floor %.4f s   journal on %.4f s (ratio %.2f, goal <= 1.5)   --no-journal %.4f s (ratio %.2f)\n' \
  "$floor2_s" "$on_s" "$(calc "$on_s / $floor2_s")" "$off_s" "$(calc "$off_s / $floor2_s")"

goals
