#!/bin/sh
# Builds Morv in Release, generates the benchmark logs with loggen and
# prints one table: for each case the input size, Morv's wall time,
# throughput and peak RSS, and the wall time of `wc -l` on the same file
# measured in the same run, with the ratio of the two. The generated logs
# and the sites written from them live in a temporary folder that is
# removed at the end.
#
# Environment: MORV_BENCH_BUILD (build folder, default build-bench in the
# source tree), TMPDIR (where the temporary folder goes; default /dev/shm
# when memory allows, else /tmp), MORV_BENCH_CASES (the cases to run,
# default "a b c d e").
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORV_BENCH_BUILD:-$root/build-bench}
cases=${MORV_BENCH_CASES:-a b c d e}
need_mib=8192

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  >/dev/null
cmake --build "$build" -j2 --target morv loggen >/dev/null
morv=$build/morv
loggen=$build/loggen

# The 1 GiB case writes about 5.5 GB of pages. On a disk, write-back of
# that much competes with the run itself, so the logs and sites go to
# memory (/dev/shm) when TMPDIR is not set and memory allows.
tmp_parent=${TMPDIR:-}
if [ -z "$tmp_parent" ] && [ -d /dev/shm ]; then
  avail_mib=$(awk '/^MemAvailable:/ { print int($2 / 1024) }' /proc/meminfo)
  shm_mib=$(df -Pm /dev/shm | awk 'NR == 2 { print $4 }')
  if [ "$avail_mib" -gt $((need_mib + 4096)) ] && [ "$shm_mib" -gt "$need_mib" ]
  then
    tmp_parent=/dev/shm
  fi
fi
tmp_parent=${tmp_parent:-/tmp}
free_mib=$(df -Pm "$tmp_parent" | awk 'NR == 2 { print $4 }')
if [ "$free_mib" -lt "$need_mib" ]; then
  echo "bench: $tmp_parent has $free_mib MiB free, $need_mib MiB needed" >&2
  exit 1
fi
tmp=$(mktemp -d "$tmp_parent/morv_bench.XXXXXX")
trap 'rm -rf "$tmp"' EXIT INT TERM

now_ns() { date +%s%N; }

# Best wall time of three `wc -l` runs, in seconds (the first run also
# warms the page cache).
time_wc() {
  best=""
  for _ in 1 2 3; do
    start=$(now_ns)
    wc -l "$1" >/dev/null
    t=$(( $(now_ns) - start ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v t="$best" 'BEGIN { printf "%.3f", t / 1e9 }'
}

# Runs morv on log $2 inside folder $1 with the options -d -l; prints
# "seconds peak_kib cpu_seconds" (user and system time: on a machine
# shared with other work the wall time alone can mislead).
# "Command exited with non-zero status" stands before the figures when
# morv failed; the case is then marked in the table.
time_morv() {
  (
    cd "$1"
    /usr/bin/time -f "%e %M %U %S" -o "$1/time.txt" "$morv" "$2" -d -l \
      </dev/null >"$1/console.txt" 2>&1 || echo "morv failed" >&2
  )
  tail -n 1 "$1/time.txt" | awk '{ print $1, $2, $3 + $4 }'
}

printf "%-30s %10s %8s %8s %7s %8s %7s %7s\n" case input morv_s cpu_s \
  "MB/s" rss_MiB wc_s ratio
# Runs one case: label, folder, log file name. Leaves its figures in
# $tmp/<folder>.result ("seconds peak_kib cpu_seconds").
run_case() {
  label=$1
  dir=$tmp/$2
  log=$3
  bytes=$(wc -c <"$dir/$log")
  wc_s=$(time_wc "$dir/$log")
  set -- $(time_morv "$dir" "$log")
  echo "$1 $2 $3" >"$dir.result"
  awk -v label="$label" -v b="$bytes" -v s="$1" -v k="$2" -v c="$3" \
    -v w="$wc_s" \
    'BEGIN { mib = b / 1048576;
             printf "%-30s %6.0f MiB %8.2f %8.2f %7.0f %8.1f %7.3f %7.1f\n",
                    label, mib, s, c, (s > 0 ? b / 1e6 / s : 0), k / 1024,
                    w, (w > 0 ? s / w : 0) }'
  rm -rf "$dir"
}

generate() {
  dir=$tmp/$1
  shift
  mkdir -p "$dir"
  "$loggen" "$@" -o "$dir/server.log"
}

for c in $cases; do
  case $c in
    a) generate a --seed 1 --size 1G --players 32 --names 2000
       run_case "(a) 1 GiB, 32 players" a server.log ;;
    b) generate b --seed 1 --size 256M --players 32 --names 2000
       run_case "(b) 256 MiB, same settings" b server.log ;;
    c) generate c1 --seed 2 --size 100M --players 32 --names 2000
       mkdir -p "$tmp/c"
       for _ in 1 2 3 4 5 6 7 8 9 10; do
         cat "$tmp/c1/server.log" >>"$tmp/c/server.log"
       done
       run_case "(c0) the 100 MiB log alone" c1 server.log
       run_case "(c) 100 MiB log 10 times" c server.log ;;
    d) generate d --seed 4 --players 32 --names 100000 --fresh 100 \
         --minutes 4 --games 6500
       run_case "(d) 100,000 distinct names" d server.log ;;
    e) generate e --seed 5 --stress --games 0
       run_case "(e) a game of 511 players" e server.log ;;
    *) echo "bench: unknown case $c" >&2; exit 2 ;;
  esac
done

# The targets, from the figures above.
result() { [ -f "$tmp/$1.result" ] && cat "$tmp/$1.result"; }
echo
echo "cores: $(nproc); logs and sites in $tmp_parent"
ra=$(result a || true); rb=$(result b || true)
rc=$(result c || true); rc0=$(result c1 || true)
if [ -n "$ra" ] && [ -n "$rb" ]; then
  echo "$ra $rb" | awk '{ printf "(a)/(b) time: %.2f wall, %.2f cpu" \
                          " (linear: at most 4.4)\n",
                          $1 / ($4 > 0 ? $4 : 0.01), $3 / ($6 > 0 ? $6 : 0.01) }'
fi
if [ -n "$ra" ]; then
  echo "$ra" | awk '{ printf "(a) peak RSS: %.0f MiB (at most 512)\n",
                       $2 / 1024 }'
fi
if [ -n "$rc" ] && [ -n "$rc0" ]; then
  echo "$rc $rc0" | awk '{ printf "(c)/(c0) peak RSS: %.2f (at most 1.2)\n",
                            $2 / $5 }'
fi
