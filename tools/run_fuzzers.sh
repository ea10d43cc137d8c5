#!/bin/sh
# Builds the libFuzzer targets (clang 14, ASan + UBSan) in build-fuzz and
# runs each for the given number of seconds, starting from its seed corpus
# in fuzz/corpus/<target>. Any crash, leak, sanitizer report or timeout
# fails the script; the input that caused it is kept in
# build-fuzz/artifacts/. Usage: tools/run_fuzzers.sh SECONDS [TARGET...]
# with TARGET one of log, cfg, commandline (default: all three in turn).
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)  # absolute paths: a crash may leave the fuzzer in any folder

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"log cfg commandline"}

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DMORV_FUZZ=ON -DBUILD_TESTING=OFF
fi
for target in $targets; do
  cmake --build build-fuzz -j2 --target "${target}_fuzzer"
done

mkdir -p build-fuzz/artifacts
for target in $targets; do
  # New inputs go to a scratch corpus; the seeds in the repository stay as
  # they are.
  work=$root/build-fuzz/corpus-$target
  mkdir -p "$work"
  echo "== ${target}_fuzzer for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$root/build-fuzz/${target}_fuzzer" -max_total_time="$seconds" \
      -print_final_stats=1 -timeout=20 -rss_limit_mb=2560 -max_len=20000 \
      -dict="$root/fuzz/$target.dict" \
      -artifact_prefix="$root/build-fuzz/artifacts/$target-" \
      "$work" "$root/fuzz/corpus/$target"
done
