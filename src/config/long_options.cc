// The GNU-style long options added beside the classic single-dash ones.
#include <cstdio>
#include <string_view>

#include "config/configdata.h"

namespace {

struct long_option {
  const char* name;
  const char* help;
};

constexpr long_option LONG_OPTIONS[] = {
    {"-h, --help", "print this help and exit"},
    {"--version", "print the version and exit"},
    {"--json[=PATH]",
     "also write every game and player as JSON: morv.json in the\n"
     "                  output folder, or PATH from the start folder"},
};

constexpr std::string_view JSON_OPTION = "--json";

}  // namespace

bool configdata::apply_long_option(std::string_view argument) {
  if (argument == JSON_OPTION) {
    json_export = true;
    json_path.clear();
    return true;
  }
  if (argument.substr(0, JSON_OPTION.size() + 1) == "--json=" &&
      argument.size() > JSON_OPTION.size() + 1) {
    json_export = true;
    json_path = argument.substr(JSON_OPTION.size() + 1);
    return true;
  }
  return false;
}

void configdata::print_long_options() {
  std::printf("\nLong options:\n");
  for (const long_option& option : LONG_OPTIONS) {
    std::printf("\n  %-15s %s", option.name, option.help);
  }
  std::printf("\n");
}
