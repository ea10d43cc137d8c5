// Shared set-up of the fuzz targets: fatal errors end one input instead of
// the process, the console goes to /dev/null, and a scratch folder is
// reused for every input.
#ifndef MORV_FUZZ_FUZZ_SUPPORT_H_
#define MORV_FUZZ_FUZZ_SUPPORT_H_

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "diverse/fatal_error.h"

// Thrown by the fatal hook: a fatal error that the input causes is a
// defined outcome of the program, not a finding.
struct fuzz_fatal {
  std::string message;
};

// Installs the throwing fatal hook, silences standard output (the program
// prints progress and echoes for every input) and creates a scratch folder
// under /dev/shm (or the temporary folder), removed again at exit. Returns
// the folder's absolute path. The current folder stays, so that relative
// corpus paths work.
inline std::string fuzz_setup(const char* name) {
  static std::string scratch;
  set_fatal_hook([](const std::string& message) { throw fuzz_fatal{message}; });
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  std::string pattern = std::string("/dev/shm/morv_") + name + "_XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    pattern = std::string("/tmp/morv_") + name + "_XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
  }
  scratch = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
  });
  return pattern;
}

// Writes the input bytes to the file path.
inline void fuzz_write_file(const std::string& path, const uint8_t* data,
                            size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  if (std::fclose(file) != 0) std::abort();
}

#endif  // MORV_FUZZ_FUZZ_SUPPORT_H_
