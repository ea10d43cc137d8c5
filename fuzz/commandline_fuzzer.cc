// libFuzzer target: a command line (arguments separated by NUL bytes)
// through configdata::parse_commandline, twice as a run does, then the
// settings printout.
#include <cstdint>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr size_t MAX_ARGS = 64;

std::vector<std::string> split_arguments(const uint8_t* data, size_t size) {
  std::vector<std::string> args{"morv"};
  std::string current;
  for (size_t i = 0; i < size && args.size() < MAX_ARGS; ++i) {
    if (data[i] == '\0') {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (args.size() < MAX_ARGS) args.push_back(current);
  return args;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_setup("commandline");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args = split_arguments(data, size);
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  configdata config;
  try {
    int argc = static_cast<int>(args.size());
    config.parse_commandline(argc, argv.data(), true);
    config.parse_commandline(argc, argv.data());
    config.print_settings();
  } catch (const fuzz_fatal&) {
    return 0;
  }
  // The pages divide by games_per_file and index the sort key names.
  if (config.games_per_file < 1 || config.sort_primary < 0 ||
      config.sort_primary > 9 || config.sort_secondary < 0 ||
      config.sort_secondary > 9) {
    __builtin_trap();
  }
  return 0;
}
