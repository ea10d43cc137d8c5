#!/bin/sh
# Runs the sample run and every end-to-end test's morv run under valgrind's
# memcheck; any memory error or leak fails the script. Uses the plain build
# in build/ (or MORV_BUILD_DIR; configured when missing, never with the
# sanitizers, which do not mix with valgrind). Usage: tools/valgrind.sh
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/${MORV_BUILD_DIR:-build}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug
fi
cmake --build "$build" -j2 --target morv morv_tests

memcheck="valgrind --quiet --error-exitcode=97 --leak-check=full \
--show-leak-kinds=definite,indirect,possible \
--errors-for-leak-kinds=definite,indirect,possible --track-origins=yes"

# The sample run, as the sample target makes it.
site=$(mktemp -d)
cp sample/sample.log "$site/"
(cd "$site" && $memcheck "$build/morv" sample.log -l -d -top5 --json \
  < /dev/null > console.txt) || {
  echo "valgrind: sample run failed"; cat "$site/console.txt"; exit 1; }
rm -rf "$site"
echo "valgrind: sample run clean"

# The end-to-end tests start morv through run_morv, which puts
# MORV_RUN_PREFIX before the binary; a memcheck report makes the run's
# status 97, which fails the test that made it.
# The 511-player game is left out: it takes minutes under memcheck.
MORV_RUN_PREFIX="$memcheck" "$build/morv_tests" --gtest_filter=\
'*golden_test*:hostile_log_test*:injection_test*:failure_path_test*'\
'-hostile_log_test.a_game_of_511_players_is_written'
echo "valgrind: end-to-end runs clean"
