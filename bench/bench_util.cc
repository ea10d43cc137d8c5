// Generated logs in memory and a quiet standard output for the benchmarks.
#include "bench/bench_util.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

std::string generate_log(const loggen::settings& config) {
  return loggen::log_text(config);
}

quiet_stdout::quiet_stdout() {
  std::fflush(stdout);
  saved = dup(1);
  int null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  close(null);
}

quiet_stdout::~quiet_stdout() {
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
}
