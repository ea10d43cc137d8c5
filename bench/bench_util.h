// Helpers of the micro-benchmarks: generated logs in memory and a quiet
// standard output for code that prints progress.
#ifndef MORV_BENCH_BENCH_UTIL_H_
#define MORV_BENCH_BENCH_UTIL_H_

#include <cstdint>
#include <string>

#include "tools/loggen_game.h"

// The whole log that loggen writes for the settings.
std::string generate_log(const loggen::settings& config);

// Sends standard output to /dev/null while it lives (progress displays
// would otherwise mix with the benchmark's table).
class quiet_stdout {
 public:
  quiet_stdout();
  ~quiet_stdout();
  quiet_stdout(const quiet_stdout&) = delete;
  quiet_stdout& operator=(const quiet_stdout&) = delete;

 private:
  int saved;
};

#endif  // MORV_BENCH_BENCH_UTIL_H_
