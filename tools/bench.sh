#!/bin/sh
# Builds Morv in Release, generates the benchmark logs with loggen and
# prints one table: for each case the input size, Morv's wall time,
# throughput and peak RSS, and what reading the log and writing the same
# files cost on this machine in the same run: the wall time of `wc -l` on
# the log and of `cp -r` of the site Morv just wrote to a fresh folder on
# the same file system, with the ratio morv / (wc -l + cp -r). The logs
# and the sites written from them live in a temporary folder that is
# removed at the end.
#
# Environment: MORV_BENCH_BUILD (build folder, default build-bench in the
# source tree), MORV_BENCH_BINARY (a prebuilt morv to measure instead of
# the one built from this tree, e.g. an older commit's; loggen still comes
# from the build folder), MORV_SHARED (the shared data folder holding
# corpus/real, default ../shared beside the source tree), TMPDIR (where
# the temporary folder goes; default /dev/shm when memory allows, else
# /tmp), MORV_BENCH_CASES (the cases to run, default "a b c d e r j k";
# c0 runs the 100 MiB log of case c alone; g is the rating benchmark
# below), MORV_BENCH_RUNS (how often
# Morv and cp -r run on each case, the best wall time counting; default 3:
# on a virtual machine single runs of the large cases vary by half).
#
# Case s adds runs with the modern site, each on its case's log right
# after that case: (c0s) and (rs) run (c0) and (r) with --site=modern
# --no-classic, (bs) runs (b) with --site=modern beside the classic site;
# (c0n) and (rn) run --no-classic without a site: the floor that reading
# the log and the data file set, which no page writer can beat. The
# summary lines set them against (c0), (r) and (b) and the modern site's
# size against the log: MORV_BENCH_CASES="b c0 r s".
#
# Case k runs the log of (c0), about 1,300 games, with a configuration file
# of 2,000 alias lines, one for each name of the log ("name" "name-2") and
# made-up names for the rest: every player of every game is looked up among
# them. Its summary line sets it against (c0), the same log without
# aliases.
#
# Case g rates 1,000,000 free-for-all games of 8 players as a run rates
# them, on one core (the micro-benchmark BM_rate_ffa_games of morv_bench,
# built when Google Benchmark is installed; skipped otherwise).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORV_BENCH_BUILD:-$root/build-bench}
cases=${MORV_BENCH_CASES:-a b c d e r j k g}
runs=${MORV_BENCH_RUNS:-3}
shared=${MORV_SHARED:-$root/../shared}
need_mib=8192

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  >/dev/null
if [ -n "${MORV_BENCH_BINARY:-}" ]; then
  cmake --build "$build" -j2 --target loggen >/dev/null
  morv=$(cd "$(dirname "$MORV_BENCH_BINARY")" && pwd)/$(basename \
    "$MORV_BENCH_BINARY")
else
  cmake --build "$build" -j2 --target morv loggen >/dev/null
  morv=$build/morv
fi
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

# Runs morv in folder $1/site (made here) on log $2 of folder $1 with the
# options -d -l and any further options $3...; prints "seconds peak_kib
# cpu_seconds" (user and system time: on a machine shared with other work
# the wall time alone can mislead) of the run with the best wall time out
# of $runs, and leaves the site. "Command exited with non-zero
# status" stands before the figures when morv failed; the case is then
# marked in the table.
time_morv() {
  dir=$1
  log=$2
  shift 2
  best=""
  i=0
  while [ "$i" -lt "$runs" ]; do
    rm -rf "$dir/site"
    mkdir "$dir/site"
    (
      cd "$dir/site"
      /usr/bin/time -f "%e %M %U %S" -o "$dir/time.txt" "$morv" "$dir/$log" \
        -d -l "$@" </dev/null >"$dir/console.txt" 2>&1 || echo "morv failed" >&2
    )
    figures=$(tail -n 1 "$dir/time.txt" | awk '{ print $1, $2, $3 + $4 }')
    if [ -z "$best" ] || awk -v a="$figures" -v b="$best" \
         'BEGIN { split(a, x, " "); split(b, y, " "); exit !(x[1] < y[1]) }'
    then
      best=$figures
    fi
    i=$((i + 1))
  done
  echo "$best"
}

# Best wall time in seconds of $runs runs of `cp -r` of the site in folder
# $1/site to a fresh folder beside it (same file system), or "-" when the
# file system lacks room for a second copy. Each copy is removed at once.
time_cp() {
  site_kib=$(du -sk "$1/site" | awk '{ print $1 }')
  free_kib=$(df -Pk "$1" | awk 'NR == 2 { print $4 }')
  if [ "$free_kib" -lt $((site_kib + 262144)) ]; then
    echo "-"
    return
  fi
  best=""
  i=0
  while [ "$i" -lt "$runs" ]; do
    start=$(now_ns)
    cp -r "$1/site" "$1/site_copy"
    t=$(( $(now_ns) - start ))
    rm -rf "$1/site_copy"
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    i=$((i + 1))
  done
  awk -v t="$best" 'BEGIN { printf "%.3f", t / 1e9 }'
}

load_start=$(cut -d ' ' -f 1-3 /proc/loadavg)
printf "%-30s %10s %8s %8s %7s %8s %9s %7s %7s %7s\n" case input morv_s \
  cpu_s "MB/s" rss_MiB site_MiB wc_s cp_s ratio
# Runs one case: label, result key, folder, log file name, further morv
# options. Leaves its figures in $tmp/<key>.result ("seconds peak_kib
# cpu_seconds") and removes the site, keeping the log for another run.
run_case() {
  label=$1
  key=$2
  dir=$tmp/$3
  log=$4
  shift 4
  bytes=$(wc -c <"$dir/$log")
  wc_s=$(time_wc "$dir/$log")
  set -- $(time_morv "$dir" "$log" "$@")
  echo "$1 $2 $3" >"$tmp/$key.result"
  if [ -d "$dir/site/modern" ]; then
    echo "$(du -sk "$dir/site/modern" | awk '{ print $1 }') $bytes" \
      >"$tmp/$key.modern"
  fi
  site_kib=$(du -sk "$dir/site" | awk '{ print $1 }')
  cp_s=$(time_cp "$dir")
  awk -v label="$label" -v b="$bytes" -v s="$1" -v k="$2" -v c="$3" \
    -v w="$wc_s" -v site="$site_kib" -v cp="$cp_s" \
    'BEGIN { mib = b / 1048576;
             ratio = (cp == "-" ? "-" : \
                      sprintf("%.1f", (w + cp > 0 ? s / (w + cp) : 0)));
             printf "%-30s %6.0f MiB %8.2f %8.2f %7.0f %8.1f %9.0f %7.3f" \
                    " %7s %7s\n",
                    label, mib, s, c, (s > 0 ? b / 1e6 / s : 0), k / 1024,
                    site / 1024, w, cp, ratio }'
  rm -rf "$dir/site" "$dir/time.txt" "$dir/console.txt"
}

# Concatenates the real logs of the shared corpus $2 times into
# folder $1, in name order.
concat_real() {
  mkdir -p "$tmp/$1"
  i=0
  while [ "$i" -lt "$2" ]; do
    cat "$shared"/corpus/real/*.log >>"$tmp/$1/server.log"
    i=$((i + 1))
  done
}

# Writes the configuration file $2 of 2,000 alias lines: one for each
# plain name of log $1 (colour codes removed; names holding '"' left out),
# then made-up names up to 2,000.
alias_cfg() {
  grep -o 'ClientUserinfoChanged: [0-9]* n\\[^\\]*' "$1" |
    sed 's/^[^\\]*n\\//; s/\^.//g' | grep -v '"' | sort -u | head -n 2000 |
    awk '{ printf "alias \"%s\" \"%s-2\"\n", $0, $0 }
         END { for (i = NR; i < 2000; i++)
                 printf "alias \"nobody%d\" \"nobody%d-2\"\n", i, i }' >"$2"
}

generate() {
  dir=$tmp/$1
  shift
  mkdir -p "$dir"
  "$loggen" "$@" -o "$dir/server.log"
}

# Case j runs the log of case (c) again with --json, right after (c), so
# it is done once inside case c when both are asked for.
case " $cases " in *" j "*) json=yes ;; *) json=no ;; esac
case " $cases " in *" s "*) modern=yes ;; *) modern=no ;; esac
# run_modern label key folder [--no-classic]: case s's run after a case.
run_modern() {
  if [ "$modern" = yes ]; then
    label=$1 key=$2 folder=$3
    shift 3
    run_case "$label" "$key" "$folder" server.log --site=modern "$@"
  fi
}
# run_floor label key folder: case s's run with --no-classic alone.
run_floor() {
  if [ "$modern" = yes ]; then
    run_case "$1" "$2" "$3" server.log --no-classic
  fi
}
for c in $cases; do
  case $c in
    a) generate a --seed 1 --size 1G --players 32 --names 2000
       run_case "(a) 1 GiB, 32 players" a a server.log ;;
    b) generate b --seed 1 --size 256M --players 32 --names 2000
       run_case "(b) 256 MiB, same settings" b b server.log
       run_modern "(bs) (b) with --site" bs b ;;
    c0) generate c1 --seed 2 --size 100M --players 32 --names 2000
       run_case "(c0) the 100 MiB log alone" c0 c1 server.log
       run_modern "(c0s) (c0) --site --no-classic" c0s c1 --no-classic
       run_floor "(c0n) (c0) --no-classic alone" c0n c1 ;;
    c|j)
       if [ "$c" = j ] && [ -f "$tmp/j.result" ]; then continue; fi
       generate c1 --seed 2 --size 100M --players 32 --names 2000
       mkdir -p "$tmp/c"
       for _ in 1 2 3 4 5 6 7 8 9 10; do
         cat "$tmp/c1/server.log" >>"$tmp/c/server.log"
       done
       if [ "$c" = c ]; then
         run_case "(c0) the 100 MiB log alone" c0 c1 server.log
         run_modern "(c0s) (c0) --site --no-classic" c0s c1 --no-classic
         run_floor "(c0n) (c0) --no-classic alone" c0n c1
       fi
       rm -rf "$tmp/c1"
       run_case "(c) 100 MiB log 10 times" c c server.log
       if [ "$json" = yes ]; then
         run_case "(j) (c) with --json" j c server.log --json
       fi
       rm -rf "$tmp/c" ;;
    k) generate c1 --seed 2 --size 100M --players 32 --names 2000
       alias_cfg "$tmp/c1/server.log" "$tmp/c1/aliases.cfg"
       # Relative to the site folder that morv starts in: no blank in it.
       run_case "(k) (c0) with 2,000 aliases" k c1 server.log \
         -cfg:../aliases.cfg ;;
    d) generate d --seed 4 --players 32 --names 100000 --fresh 100 \
         --minutes 4 --games 6500
       run_case "(d) 100,000 distinct names" d d server.log ;;
    e) generate e --seed 5 --stress --games 0
       run_case "(e) a game of 511 players" e e server.log ;;
    r) if ls "$shared"/corpus/real/*.log >/dev/null 2>&1; then
         concat_real r 12
         run_case "(r) real logs 12 times" r r server.log
         run_modern "(rs) (r) --site --no-classic" rs r --no-classic
         run_floor "(rn) (r) --no-classic alone" rn r
       else
         echo "(r) skipped: no $shared/corpus/real"
       fi ;;
    g) if cmake --build "$build" -j2 --target morv_bench >/dev/null 2>&1; then
         pin=""
         if command -v taskset >/dev/null 2>&1; then pin="taskset -c 0"; fi
         $pin "$build/morv_bench" --benchmark_filter=BM_rate_ffa_games \
           --benchmark_format=csv 2>/dev/null |
           awk -F, '/^"BM_rate_ffa_games/ { print $3 / 1000, $4 / 1000 }' \
           >"$tmp/g.result"
       else
         echo "(g) skipped: no morv_bench (Google Benchmark not installed)"
       fi ;;
    s) continue ;;  # runs inside b, c0, c and r
    *) echo "bench: unknown case $c" >&2; exit 2 ;;
  esac
  rm -rf "${tmp:?}/$c" "$tmp/c1"
done

# The targets, from the figures above.
result() { [ -f "$tmp/$1.result" ] && cat "$tmp/$1.result"; }
echo
echo "cores: $(nproc); load average at start: $load_start, at end:" \
  "$(cut -d ' ' -f 1-3 /proc/loadavg); logs and sites in $tmp_parent"
ra=$(result a || true); rb=$(result b || true)
rc=$(result c || true); rc0=$(result c0 || true); rj=$(result j || true)
rk=$(result k || true); rg=$(result g || true)
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
if [ -n "$rj" ] && [ -n "$rc" ]; then
  echo "$rj $rc" | awk '{ printf "(j)/(c) --json: %.2f peak RSS (at most" \
                            " 1.05), %.2f wall, %.2f cpu (at most 1.25)\n",
                            $2 / $5, $1 / ($4 > 0 ? $4 : 0.01),
                            $3 / ($6 > 0 ? $6 : 0.01) }'
fi
if [ -n "$rk" ] && [ -n "$rc0" ]; then
  echo "$rk $rc0" | awk '{ printf "(k)/(c0) 2,000 aliases: %.2f wall," \
                             " %.2f cpu\n", $1 / ($4 > 0 ? $4 : 0.01),
                             $3 / ($6 > 0 ? $6 : 0.01) }'
fi
if [ -n "$rg" ]; then
  echo "$rg" | awk '{ printf "(g) 1,000,000 free-for-all games of 8 rated:" \
                        " %.2f s wall, %.2f s cpu on one core (at most 10)\n",
                        $1, $2 }'
fi
# Case s: the modern site's time against the classic run on the same log,
# and its size against the log.
modern_ratio() {
  r=$(result "$1" || true); base=$(result "$2" || true)
  if [ -n "$r" ] && [ -n "$base" ]; then
    echo "$r $base" | awk -v what="$3" -v most="$4" \
      '{ printf "%s: %.2f wall, %.2f cpu%s\n", what,
                $1 / ($4 > 0 ? $4 : 0.01), $3 / ($6 > 0 ? $6 : 0.01),
                (most == "" ? "" : " (at most " most ")") }'
  fi
  if [ -f "$tmp/$1.modern" ]; then
    awk '{ printf "(%s) modern site: %.1f MiB, %.2f x the log (at most 1)\n",
             key, $1 / 1024, $1 * 1024 / $2 }' key="$1" "$tmp/$1.modern"
  fi
}
modern_ratio c0s c0 "(c0s)/(c0) --site --no-classic" 0.8
modern_ratio c0n c0 "(c0n)/(c0) floor: --no-classic alone" ""
modern_ratio rs r "(rs)/(r) --site --no-classic" 0.8
modern_ratio rn r "(rn)/(r) floor: --no-classic alone" ""
modern_ratio bs b "(bs)/(b) --site beside the classic site" 1.3
