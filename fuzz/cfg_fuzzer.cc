// libFuzzer target: configuration-file bytes through configdata::read_cfg,
// then the alias lookup that the totals make with every player name.
#include <cstdint>
#include <string>

#include "config/configdata.h"
#include "fuzz/fuzz_support.h"

namespace {
std::string cfg_path;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  cfg_path = fuzz_setup("cfg") + "/fuzz.cfg";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_write_file(cfg_path, data, size);
  configdata config;
  try {
    config.read_cfg(cfg_path);
    // A name taken from the input itself is likely to meet an alias line.
    std::string name(reinterpret_cast<const char*>(data), size < 16 ? size : 16);
    for (const char* candidate : {"Bob", "a", "", name.c_str()}) {
      config.resolve_alias(candidate);
    }
  } catch (const fuzz_fatal&) {
    return 0;
  }
  // Settings that the pages rely on must stay within their capacities.
  if (config.font_size_text.size() > 15 || config.font_size_title.size() > 15 ||
      config.output_directory.size() > 255 ||
      config.aliases.size() > static_cast<size_t>(configdata::MAX_ALIASES)) {
    __builtin_trap();
  }
  for (const std::string& weapon : config.weaponnames) {
    if (weapon.size() > 63) __builtin_trap();
  }
  return 0;
}
