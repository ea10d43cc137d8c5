// The analysis driver: output folder, stylesheet, log files, and the pages
// that need every game. The current folder moves only through the two
// enter_* helpers here and the sub-folder page writers.
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "analyzelog/analyzelog.h"
#include "diverse/deltree.h"
#include "diverse/fatal_error.h"
#include "diverse/folders.h"
#include "main/morv_main.h"
#include "main/page_worker.h"
#include "output/game_index.h"
#include "output/site_nav.h"
#include "stats/datafile.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

namespace {

const char* const STYLESHEET = "morv.css";

// Whole file, or nothing when it cannot be opened.
bool read_whole_file(const char* name, std::string& bytes) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, n);
  }
  std::fclose(file);
  return true;
}

bool file_opens(const char* name) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// Copies the start folder's stylesheet into the current folder; false when
// it cannot be written completely.
bool write_stylesheet(const std::string& bytes) {
  std::FILE* file = std::fopen(STYLESHEET, "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(STYLESHEET);  // no half stylesheet is linked
  return written;
}

// Splits the log file argument into its folder part (kept as typed, ""
// for the start folder) and its name pattern.
void split_log_argument(const std::string& argument, std::string& folder,
                        std::string& pattern) {
  size_t slash = argument.find_last_of('/');
  if (slash == std::string::npos) {
    folder.clear();
    pattern = argument;
  } else {
    folder = argument.substr(0, slash + 1);
    pattern = argument.substr(slash + 1);
  }
}

int64_t file_size(std::FILE* file) {
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  int64_t size = ftello(file);
  fseeko(file, 0, SEEK_SET);
  return size < 0 ? 0 : size;
}

}  // namespace

void morv_main::enter_start_folder() {
  if (!diverse::change_folder(start_dir)) {
    fatal_error("Couldn't open %s", start_dir.c_str());
  }
}

void morv_main::enter_output_folder() {
  enter_start_folder();
  if (!cfg.uses_output_folder()) return;
  if (!diverse::change_folder(cfg.output_directory)) {
    fatal_error("Couldn't open %s", cfg.output_directory.c_str());
  }
}

void morv_main::settle_stylesheet(const std::string& start_css) {
  if (cfg.css_present) {
    if (file_opens(STYLESHEET)) {
      std::printf("\nUsing existing stylesheet file morv.css");
    } else if (!write_stylesheet(start_css)) {
      std::printf("\nCouldn't write morv.css, using default stylesheets");
      cfg.css_present = false;
    } else {
      std::printf("\nCopied stylesheet file morv.css to results folder");
    }
  } else if (file_opens(STYLESHEET)) {
    std::printf("\nUsing existing stylesheet file morv.css");
    cfg.css_present = true;
  } else {
    std::printf("\nNo morv.css found, using default stylesheets");
  }
  std::printf("\n");
}

void morv_main::enter_subfolder(const char* name) {
  if (!diverse::change_folder(name)) fatal_error("Couldn't open %s", name);
}

void morv_main::leave_subfolder() {
  if (!diverse::change_folder("..")) fatal_error("Couldn't open %s", "..");
}

void morv_main::prepare_output_folder() {
  std::string start_css;
  if (cfg.uses_output_folder() && read_whole_file(STYLESHEET, start_css)) {
    cfg.css_present = true;
    std::printf("Reading morv.css\n");
  }
  // Missing parent folders are made too, as mkdir -p does.
  if (cfg.uses_output_folder()) diverse::make_folders(cfg.output_directory);
  enter_output_folder();
  diverse::deltree(GAMES_FOLDER);
  diverse::deltree(PLAYERS_FOLDER);
  settle_stylesheet(start_css);
}

void morv_main::analyze_files(const std::vector<std::string>& log_arguments) {
  auto totals = std::make_unique<resultdata_total>(cfg);
  start_dir = diverse::current_folder();
  prepare_output_folder();
  if (cfg.json_export) start_json_export();
  worker = std::make_unique<page_worker>();
  // The worker's tasks use the totals: it ends first, also when a fatal
  // error unwinds the stack (the fuzz targets' fatal hook throws).
  struct worker_ending {
    std::unique_ptr<page_worker>& worker;
    ~worker_ending() { worker.reset(); }
  } const end_worker_first{worker};

  enter_start_folder();
  for (const std::string& argument : log_arguments) {
    const int matched = analyze_matching_files(argument, *totals);
    // With several log file arguments one that matches nothing is no
    // reason to stop; with one, the run ends below as it always has.
    if (matched == 0 && log_arguments.size() > 1) {
      warning("no logfile matches %s\n", argument.c_str());
    }
  }
  if (chatlog.is_open()) chatlog.finish();
  if (logfile_count == 0) fatal_error("No logfiles found");
  std::printf("\n");

  enter_output_folder();
  if (gamelist_page.is_open()) finish_gamelist_page();
  write_game_index(cfg, games_written);
  write_rankings(*totals, 0);
  if (cfg.top_players > 0) write_rankings(*totals, cfg.top_players);
  write_all_player_pages(*totals);
  if (json) finish_json_export();
  enter_start_folder();
}

int morv_main::analyze_matching_files(const std::string& log_argument,
                                      resultdata_total& totals) {
  std::string folder, pattern;
  split_log_argument(log_argument, folder, pattern);
  int matched = 0;
  for (const std::string& name :
       diverse::matching_entries(folder.empty() ? "." : folder, pattern)) {
    if (name[0] == '.' || !diverse::is_regular_file(folder + name)) continue;
    ++matched;
    ++logfile_count;
    analyze(folder, name, totals);
    enter_start_folder();
  }
  return matched;
}

void morv_main::analyze(const std::string& folder,
                        const std::string& logfile_name,
                        resultdata_total& totals) {
  std::string path = folder + logfile_name;
  std::FILE* logfile = std::fopen(path.c_str(), "rb");
  if (logfile == nullptr) {
    fatal_error("morv_main::analyze - can't open %s", path.c_str());
  }
  int64_t size = file_size(logfile);
  std::printf("\nParsing %s [%" PRId64 " byte]", path.c_str(), size);
  if (json) json->begin_log(path, size);
  enter_output_folder();
  std::printf("\n- Writing game stats        ");

  auto game = std::make_unique<resultdata>(cfg);
  auto reader = std::make_unique<analyzelog>(logfile, *game, cfg, chatlog,
                                             ignore_events);
  for (;;) {
    game->reset();
    if (reader->parse() == 0) break;
    game->sort(cfg.sort_secondary, false);
    game->sort(cfg.sort_primary, false);
    int64_t percent = size > 0 ? reader->position() * 100 / size : 100;
    std::printf("\b\b\b\b\b\b\b(%3i %%)", static_cast<int>(percent));
    if (!finish_game(*game)) continue;
    // The game's files are written while the next game is read.
    pass_game(*game, number_game());
    totals.add_game(*game);
  }
  write_pending_games();
  std::printf("\b\b\b\b\b\b\b(100 %%)");
  if (cfg.write_datafile) std::printf("\nWriting morvdata.txt");
  reader.reset();
  game.reset();
  std::fclose(logfile);
}
