#!/bin/sh
# Runs two Morv binaries on the same inputs with the same options and
# checks that they write the same bytes: every file of the output folder
# (recursively, diff -r), the console (standard output and standard error
# together) and the exit status. Meant for changes that must not change
# the output, e.g. `tools/compare_runs.sh ../old/build/morv build/morv`
# with the first binary built from the commit before the change.
#
# Inputs, made in a temporary folder:
#   real    the logs of the shared corpus (corpus/real/*.log) concatenated
#           into one log, in byte-wise name order; skipped with a message
#           when the corpus is absent
#   gen     a 16 MiB log from loggen (up to 32 players per game)
#   stress  a log from loggen that begins with a game of 511 players (a
#           game of more than 64 players is written at once, not by the
#           second thread; its page is about 200 MB), in three cases only:
#           no options, -l -d -top10 --json, and no options on one core
#   sample  sample/sample.log
# Option sets (see run_all_cases): none; -l -d; -l -top10 --json; -b -f;
# three sort orders with ranking limits and --json=PATH; -g:7 -l; a
# morv.cfg with weapon sets, aliases of names from the input and an
# output_directory, with -l -d --json; and no options pinned to one core
# with taskset.
# Each case runs both binaries in fresh folders of their own, with stdin
# from /dev/null. Before comparing, what depends on the clock is masked,
# and only that: the date line of `<p class=text>[...]</p>` in the pages, the "generated"
# field at the head of a JSON export, and the "N.NN seconds elapsed" line
# of the console. (Two runs of one binary differ in nothing else; the
# progress figures of the console do not vary.)
#
# Prints one line per case, "same" or "DIFFERENT" with the first
# difference found, and exits 1 when any case differs (2 on a usage
# error). The outputs of differing cases, masked, stay in the temporary
# folder, which is named at the end; otherwise it is removed.
#
# Environment: MORV_SHARED (the shared data folder holding corpus/real,
# default ../shared beside the source tree), MORV_LOGGEN (a prebuilt
# loggen; without it loggen is built in Release in MORV_COMPARE_BUILD,
# default build-compare in the source tree), MORV_COMPARE_INPUTS (the
# inputs to use, default "real gen stress sample"), TMPDIR (where the
# temporary folder goes, default /tmp).
set -eu
LC_ALL=C
export LC_ALL

usage() {
  echo "usage: $0 OLD_MORV NEW_MORV" >&2
  exit 2
}
[ "$#" -eq 2 ] || usage
for binary in "$1" "$2"; do
  if [ ! -f "$binary" ] || [ ! -x "$binary" ]; then
    echo "compare_runs: $binary is not an executable file" >&2
    usage
  fi
done
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
old=$(absolute "$1")
new=$(absolute "$2")

root=$(cd "$(dirname "$0")/.." && pwd)
shared=${MORV_SHARED:-$root/../shared}
inputs=${MORV_COMPARE_INPUTS:-real gen stress sample}

if [ -n "${MORV_LOGGEN:-}" ]; then
  loggen=$(absolute "$MORV_LOGGEN")
else
  build=${MORV_COMPARE_BUILD:-$root/build-compare}
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$build" -j2 --target loggen >/dev/null
  loggen=$build/loggen
fi

# A binary that hangs (say, a thread waiting forever) ends the case
# instead of the script.
limit=""
if command -v timeout >/dev/null 2>&1; then limit="timeout 600"; fi
pin=""
if command -v taskset >/dev/null 2>&1; then pin="taskset -c 0"; fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/morv_compare.XXXXXX")
keep=no
cleanup() { if [ "$keep" = no ]; then rm -rf "$tmp"; fi; }
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir "$tmp/in"

# The start time as the pages show it, in asctime's format; the "]</p>"
# that closes it stands on the next line.
date_re='<p class=text>\[[A-Z][a-z][a-z] [A-Z][a-z][a-z] [ 0-3][0-9]'
date_re="$date_re [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9][0-9][0-9][0-9]\$"

# Masks the start time in every page and JSON export under folder $1.
mask_tree() {
  find "$1" -type f -name '*.htm' -exec \
    sed -i "s/$date_re/<p class=text>[START TIME/" {} +
  find "$1" -type f -name '*.json' -exec \
    sed -i '1s/^\({"morv":{[^}]*},"generated":"\)[^"]*"/\1START TIME"/' {} +
}

# Masks the elapsed time in console file $1 (in place).
mask_console() {
  sed 's/^[0-9][0-9]*\.[0-9][0-9] seconds elapsed$/N.NN seconds elapsed/' \
    "$1" >"$1.masked"
  mv "$1.masked" "$1"
}

# Runs binary $1 in the fresh folder $2 with the command prefix $3 (empty,
# or the pinning to one core), the log $4 (relative to $2) and the options
# that follow. A file "cfg" in the case folder becomes morv.cfg there.
# Console goes to $2.console, the exit status to $2.status.
run_one() {
  binary=$1
  dir=$2
  prefix=$3
  log=$4
  shift 4
  mkdir "$dir"
  if [ -f "$(dirname "$dir")/cfg" ]; then
    cp "$(dirname "$dir")/cfg" "$dir/morv.cfg"
  fi
  status=0
  # $limit and $prefix are empty or several words.
  # shellcheck disable=SC2086
  (cd "$dir" && $limit $prefix "$binary" "$log" "$@") \
    </dev/null >"$dir.console" 2>&1 || status=$?
  echo "$status" >"$dir.status"
}

failures=0
cases=0

# Compares case folder $1 (holding old/ and new/, their consoles and exit
# statuses) and prints the verdict for case name $2.
compare_case() {
  c=$1
  verdict=""
  if ! cmp -s "$c/old.status" "$c/new.status"; then
    verdict="exit status $(cat "$c/old.status") vs $(cat "$c/new.status")"
  fi
  if [ -z "$verdict" ]; then
    mask_console "$c/old.console"
    mask_console "$c/new.console"
    if ! cmp -s "$c/old.console" "$c/new.console"; then
      line=$(cmp "$c/old.console" "$c/new.console" 2>&1 |
        sed -n 's/.* line \([0-9]*\).*/\1/p')
      verdict="console (line ${line:-?})"
    fi
  fi
  if [ -z "$verdict" ] && ! diff -rq -x ".morv-manifest" -x ".morv.lock" "$c/old" "$c/new" >/dev/null 2>&1; then
    mask_tree "$c/old"
    mask_tree "$c/new"
    first=$(diff -rq -x ".morv-manifest" -x ".morv.lock" "$c/old" "$c/new" 2>&1 | head -n 1) || true
    if [ -n "$first" ]; then
      verdict=$(echo "$first" | sed \
        -e "s|^Files $c/old/\([^ ]*\) and .* differ\$|\1|" \
        -e "s|^Only in $c/\([a-z]*\): \(.*\)\$|\2 (only in \1)|" \
        -e "s|^Only in $c/\([a-z]*\)/\([^:]*\): \(.*\)\$|\2/\3 (only in \1)|")
    fi
  fi
  cases=$((cases + 1))
  if [ -z "$verdict" ]; then
    printf '%-24s same\n' "$2"
    rm -rf "$c"
  else
    printf '%-24s DIFFERENT: %s\n' "$2" "$verdict"
    failures=$((failures + 1))
  fi
}

# Runs one case: input name $1 (a log $tmp/in/$1.log), case name $2,
# command prefix $3, then the options. Case "ld" (a run with -d) gives
# the names for the aliases of case "cfg", which comes later.
run_case() {
  log_name=$1
  name=$2
  prefix=$3
  shift 3
  c=$tmp/$log_name-$name
  mkdir -p "$c"
  if [ "$name" = cfg ]; then write_cfg "$log_name" >"$c/cfg"; fi
  run_one "$old" "$c/old" "$prefix" "../../in/$log_name.log" "$@"
  run_one "$new" "$c/new" "$prefix" "../../in/$log_name.log" "$@"
  if [ "$name" = ld ]; then take_names "$log_name" "$c/old"; fi
  compare_case "$c" "$log_name $name"
}

# Takes up to six player names of plain letters, digits, blanks and
# "_()-" from the data file of folder $2 (a run with -d) into
# $tmp/in/$1.names, one per line, in the order of their first game.
take_names() {
  if [ -f "$2/morvdata.txt" ]; then
    grep '^[0-9][0-9]*,[A-Za-z0-9_ ()-][A-Za-z0-9_ ()-]*,[0-9]' \
      "$2/morvdata.txt" | cut -d , -f 2 | awk '!seen[$0]++' |
      head -n 6 >"$tmp/in/$1.names"
  fi
}

# The configuration file of case "cfg" of input $1: the shipped example
# with its weapon sets, an output folder two levels down, a homepage, and
# aliases that merge names of the input (from take_names) into two
# players, plus one alias line naming a player who never played.
write_cfg() {
  cat "$root/share/morv.cfg"
  echo 'output_directory "site/stats"'
  echo 'homepage_address "https://clan.example.net/"'
  echo 'homepage_string  "Our clan"'
  if [ -f "$tmp/in/$1.names" ]; then
    awk 'NR <= 3 { a = a " \"" $0 "\"" }
         NR > 3 { b = b " \"" $0 "\"" }
         END { if (a != "") print "alias" a
               if (b != "") print "alias" b }' "$tmp/in/$1.names"
  fi
  echo 'alias "Nobody at all" "Not here either"'
}

# The option sets of every input but the stress log.
run_all_cases() {
  run_case "$1" plain ""
  run_case "$1" ld "" -l -d
  run_case "$1" top10-json "" -l -top10 --json
  run_case "$1" bots-fun "" -b -f
  run_case "$1" sort-SK "" -oSK -min_kills:5
  run_case "$1" sort-CT "" -oCT -max_players:20 -top5
  run_case "$1" sort-PE "" -oPE -min_games:2 -min_playtime:300 --json=x.json
  run_case "$1" g7 "" -g:7 -l
  run_case "$1" cfg "" -l -d --json
  if [ -n "$pin" ]; then
    run_case "$1" plain-1core "$pin"
  else
    echo "$1 plain-1core: skipped, no taskset"
  fi
}

start=$(date +%s)
for input in $inputs; do
  case $input in
    real)
      if ls "$shared"/corpus/real/*.log >/dev/null 2>&1; then
        count=0
        for file in "$shared"/corpus/real/*.log; do
          cat "$file" >>"$tmp/in/real.log"
          count=$((count + 1))
        done
        echo "real: $count logs of $shared/corpus/real"
        run_all_cases real
      else
        echo "real: skipped, no logs in $shared/corpus/real"
      fi ;;
    gen)
      "$loggen" --seed 11 --size 16M --players 32 --names 600 \
        -o "$tmp/in/gen.log"
      run_all_cases gen ;;
    stress)
      "$loggen" --seed 5 --stress --games 20 --players 16 \
        -o "$tmp/in/stress.log"
      run_case stress plain ""
      run_case stress ld-top10-json "" -l -d -top10 --json
      if [ -n "$pin" ]; then run_case stress plain-1core "$pin"; fi ;;
    sample)
      cp "$root/sample/sample.log" "$tmp/in/sample.log"
      run_all_cases sample ;;
    *)
      echo "compare_runs: unknown input $input" >&2
      exit 2 ;;
  esac
  rm -f "$tmp/in/$input.log"
done

echo "$cases cases, $failures different, $(( $(date +%s) - start )) s"
if [ "$failures" -gt 0 ]; then
  keep=yes
  echo "outputs of the differing cases (masked) are in $tmp"
  exit 1
fi
