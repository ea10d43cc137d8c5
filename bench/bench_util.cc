// Generated logs in memory and a quiet standard output for the benchmarks.
#include "bench/bench_util.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

std::string generate_log(const loggen::settings& config) {
  char* data = nullptr;
  size_t size = 0;
  FILE* stream = open_memstream(&data, &size);
  {
    loggen::log_out out(stream, config.size > 0 ? config.size : ~0ull,
                        config.crlf);
    loggen::write_log(config, out);
  }
  std::fclose(stream);
  std::string log(data, size);
  std::free(data);
  return log;
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
