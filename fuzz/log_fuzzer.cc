// libFuzzer target: log bytes through the whole analysis (reader, game
// record, game and list pages, totals, ranking and player pages, chat log,
// data files and the JSON export) with one fixed configuration, in a reused
// scratch folder. The export must parse as valid JSON and UTF-8.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <rapidjson/filereadstream.h>
#include <rapidjson/reader.h>

#include "analyzelog/analyzelog.h"
#include "fuzz/fuzz_support.h"
#include "main/morv_main.h"

namespace {

std::string scratch;
std::string home;

// Options that reach most writers: chat log, both data files, top-N pages,
// a kill limit (unlisted opponents), small list pages, an alias group and
// the JSON export.
void configure(configdata& cfg) {
  cfg.output_directory = "site";
  cfg.write_chatlog = true;
  cfg.write_datafile = true;
  cfg.top_players = 3;
  cfg.games_per_file = 2;
  cfg.min_kills = 1;
  cfg.filters_on = true;
  cfg.parse_cfg_line("alias \"Bob\" \"Robert\" \"^1B^2o^3b\"");
  cfg.json_export = true;
}

// Aborts (a finding) unless the export is one valid JSON document in valid
// UTF-8.
void check_export(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) std::abort();
  char buffer[65536];
  rapidjson::FileReadStream stream(file, buffer, sizeof buffer);
  rapidjson::BaseReaderHandler<> handler;
  rapidjson::Reader reader;
  const bool valid =
      !reader.Parse<rapidjson::kParseValidateEncodingFlag>(stream, handler)
           .IsError();
  std::fclose(file);
  if (!valid) std::abort();
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
  std::remove("site/morv.json");
  fuzz_write_file("fuzz.log", data, size);
  auto morv = std::make_unique<morv_main>();
  configure(morv->config());
  bool finished = false;
  try {
    morv->analyze_files({"FUZZ.LOG"});
    finished = true;
  } catch (const fuzz_fatal&) {
    // A fatal error may leave the run in any folder.
  }
  morv.reset();
  if (finished) check_export((scratch + "/site/morv.json").c_str());
  if (chdir(home.c_str()) != 0) std::abort();
  return 0;
}
