// The data export's place in the run: where the document goes, and its
// console line.
#include <cstdio>
#include <memory>
#include <string>

#include "diverse/folders.h"
#include "main/morv_main.h"

namespace {

const char* const JSON_NAME = "morv.json";

bool is_absolute(const std::string& path) {
  return !path.empty() && path[0] == '/';
}

}  // namespace

void morv_main::start_json_export() {
  std::string target;
  if (cfg.json_path.empty()) {
    target = diverse::current_folder() + "/" + JSON_NAME;
  } else if (is_absolute(cfg.json_path)) {
    target = cfg.json_path;
  } else {
    target = start_dir + "/" + cfg.json_path;
  }
  json = std::make_unique<json_export>(cfg, target);
}

void morv_main::finish_json_export() {
  const unsigned long long size = json->finish();
  json.reset();
  // The path as seen from the start folder, as the options name it.
  std::string shown = cfg.json_path;
  if (shown.empty()) {
    if (cfg.uses_output_folder()) {
      shown = cfg.output_directory;
      if (shown.back() != '/') shown += '/';
    }
    shown += JSON_NAME;
  }
  std::printf("\nWrote %s [%llu byte]", shown.c_str(), size);
}
