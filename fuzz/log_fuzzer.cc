// libFuzzer target: log bytes through the whole analysis (reader, game
// record, game and list pages, totals, ranking and player pages, chat log
// and data files) with one fixed configuration, in a reused scratch folder.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "analyzelog/analyzelog.h"
#include "fuzz/fuzz_support.h"
#include "main/morv_main.h"

namespace {

std::string scratch;
std::string home;

// Options that reach most writers: chat log, both data files, top-N pages,
// a kill limit (unlisted opponents), small list pages and an alias group.
void configure(configdata& cfg) {
  cfg.output_directory = "site";
  cfg.write_chatlog = true;
  cfg.write_datafile = true;
  cfg.top_players = 3;
  cfg.games_per_file = 2;
  cfg.min_kills = 1;
  cfg.filters_on = true;
  cfg.parse_cfg_line("alias \"Bob\" \"Robert\" \"^1B^2o^3b\"");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  scratch = fuzz_setup("log");
  char* current = getcwd(nullptr, 0);
  if (current == nullptr) std::abort();
  home = current;
  free(current);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (chdir(scratch.c_str()) != 0) std::abort();
  // Data files are appended to; start each input without them.
  std::remove("morvdata.txt");
  std::remove("site/morvdata.txt");
  fuzz_write_file("fuzz.log", data, size);
  auto morv = std::make_unique<morv_main>();
  configure(morv->cfg);
  try {
    morv->analyze_files({"FUZZ.LOG"});
  } catch (const fuzz_fatal&) {
    // A fatal error may leave the run in any folder.
  }
  morv.reset();
  if (chdir(home.c_str()) != 0) std::abort();
  return 0;
}
