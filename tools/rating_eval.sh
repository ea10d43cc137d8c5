#!/bin/sh
# Reruns the evaluation of Morv's ratings (tools/rating_eval.py) on two
# corpora and prints its table:
#   synthetic  a league from loggen with hidden strengths (--strength):
#              5,000 games of a pool of 300 names, free-for-all, 1on1 and
#              team games mixed, as loggen mixes them; the strengths give
#              the table its rank correlations
#   real       the real logs of the shared corpus (corpus/real/*.log, in
#              byte-wise name order) read by one run; skipped with a
#              message when the corpus is absent
# Builds nothing: morv and loggen come from build/ in the source tree, or
# from --morv=PATH and --loggen=PATH. Every other argument goes to
# rating_eval.py (e.g. --bootstrap=200).
#
# Morv runs with --json in a temporary folder; its classic site is left
# out with --no-classic when morv knows the option, else written there and
# removed (for the league it is close to 1 GB). The folder is removed at
# the end.
#
# Environment: MORV_SHARED (the shared data folder holding corpus/real,
# default ../shared beside the source tree), MORV_EVAL_SEED (the league's
# loggen seed, default 1), MORV_EVAL_GAMES (default 5000), MORV_EVAL_NAMES
# (default 300), MORV_EVAL_PLAYERS (most players in a game, default
# loggen's 16), TMPDIR (where the temporary folder goes, default /tmp).
set -eu
LC_ALL=C
export LC_ALL

root=$(cd "$(dirname "$0")/.." && pwd)
morv=$root/build/morv
loggen=$root/build/loggen
for arg in "$@"; do
  shift
  case $arg in
    --morv=*) morv=${arg#--morv=} ;;
    --loggen=*) loggen=${arg#--loggen=} ;;
    *) set -- "$@" "$arg" ;;
  esac
done
for binary in "$morv" "$loggen"; do
  if [ ! -f "$binary" ] || [ ! -x "$binary" ]; then
    echo "rating_eval: $binary is not an executable file (build it, or" \
      "name it with --morv=PATH / --loggen=PATH)" >&2
    exit 2
  fi
done
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
morv=$(absolute "$morv")
loggen=$(absolute "$loggen")
shared=${MORV_SHARED:-$root/../shared}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/rating_eval.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
trap 'exit 130' INT TERM

classic=""
if "$morv" --help 2>/dev/null | grep -q -- --no-classic; then
  classic=--no-classic
fi

# morv_json NAME LOG...: one run of morv over the logs into $tmp/NAME.json.
morv_json() {
  name=$1
  shift
  if ! (cd "$tmp" && "$morv" $classic --quiet --output="$tmp/site" \
        --json="$tmp/$name.json" "$@" </dev/null >"$tmp/$name.console" 2>&1)
  then
    echo "rating_eval: morv failed on the $name logs:" >&2
    tail -n 20 "$tmp/$name.console" >&2
    exit 1
  fi
  rm -rf "$tmp/site"
}

"$loggen" --seed "${MORV_EVAL_SEED:-1}" --games "${MORV_EVAL_GAMES:-5000}" \
  --names "${MORV_EVAL_NAMES:-300}" --players "${MORV_EVAL_PLAYERS:-16}" \
  --strengths="$tmp/strengths.txt" \
  -o "$tmp/league.log"
morv_json synthetic "$tmp/league.log"
rm -f "$tmp/league.log"
set -- "$@" --strengths="synthetic=$tmp/strengths.txt" \
  "synthetic=$tmp/synthetic.json"

if ls "$shared"/corpus/real/*.log >/dev/null 2>&1; then
  morv_json real "$shared"/corpus/real/*.log
  set -- "$@" "real=$tmp/real.json"
else
  echo "rating_eval: no real logs in $shared/corpus/real; that corpus is" \
    "skipped" >&2
fi

python3 "$root/tools/rating_eval.py" "$@"
