// The classic site's folders, stylesheet, game lists, data files, ranking
// pages and export, committed in the run's order.
#include "output/site.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "config/configdata.h"
#include "diverse/deltree.h"
#include "diverse/fatal_error.h"
#include "output/datafile.h"
#include "output/game_index.h"
#include "output/game_output.h"
#include "output/game_page.h"
#include "output/json_export.h"
#include "output/ranking_page.h"
#include "output/site_nav.h"
#include "stats/resultdata_total.h"

namespace {

const char* const STYLESHEET = "morv.css";
const char* const JSON_NAME = "morv.json";
// The output folder's data file as the classic run named it, from the
// games folder it stood in when writing it.
const char* const OUTPUT_DATAFILE_SHOWN = "../morvdata.txt";

// The whole file in the current folder; false when it cannot be opened,
// fatal "Couldn't read %s" when it cannot be read to its end.
bool read_whole_file(const char* name, std::string& bytes) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, n);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) fatal_error("Couldn't read %s", name);
  return true;
}

bool file_opens(int folder, const char* name) {
  const int file = ::openat(folder, name, O_RDONLY | O_CLOEXEC);
  if (file < 0) return false;
  ::close(file);
  return true;
}

// Copies the start folder's stylesheet into folder; false when it cannot
// be written completely, and then no half stylesheet is left to link.
bool write_stylesheet(int folder, const std::string& bytes) {
  outputfile file;
  file.open_at(folder, STYLESHEET, STYLESHEET, false,
               outputfile::failures::kept);
  file.write(bytes);
  file.close();
  if (file.result() == outputfile::save_result::saved) return true;
  ::unlinkat(folder, STYLESHEET, 0);
  return false;
}

bool is_absolute(const std::string& path) {
  return !path.empty() && path[0] == '/';
}

}  // namespace

site::site(configdata& config, std::string start_folder)
    : config(config), start_folder(std::move(start_folder)) {}

site::~site() = default;

void site::prepare() {
  std::string start_css;
  if (config.uses_output_folder() && read_whole_file(STYLESHEET, start_css)) {
    config.css_present = true;
    std::printf("Reading morv.css\n");
  }
  // Missing parent folders are made too, as mkdir -p does.
  const std::string& path =
      config.uses_output_folder() ? config.output_directory : ".";
  if (config.uses_output_folder()) diverse::make_folders(path);
  output = diverse::folder_handle(path);
  if (!output.is_open()) fatal_error("Couldn't open %s", path.c_str());
  diverse::deltree(output.descriptor(), GAMES_FOLDER);
  diverse::deltree(output.descriptor(), PLAYERS_FOLDER);
  settle_stylesheet(start_css);
  if (config.json_export) start_export();
}

void site::settle_stylesheet(const std::string& start_css) {
  const int folder = output.descriptor();
  if (config.css_present) {
    if (file_opens(folder, STYLESHEET)) {
      std::printf("\nUsing existing stylesheet file morv.css");
    } else if (!write_stylesheet(folder, start_css)) {
      std::printf("\nCouldn't write morv.css, using default stylesheets");
      config.css_present = false;
    } else {
      std::printf("\nCopied stylesheet file morv.css to results folder");
    }
  } else if (file_opens(folder, STYLESHEET)) {
    std::printf("\nUsing existing stylesheet file morv.css");
    config.css_present = true;
  } else {
    std::printf("\nNo morv.css found, using default stylesheets");
  }
  std::printf("\n");
}

// The document's path is absolute, so that its messages name it in full.
void site::start_export() {
  std::string target;
  if (config.json_path.empty()) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(
        config.uses_output_folder() ? config.output_directory : ".", error);
    target = (error ? start_folder : folder.string()) + "/" + JSON_NAME;
  } else if (is_absolute(config.json_path)) {
    target = config.json_path;
  } else {
    target = start_folder + "/" + config.json_path;
  }
  json = std::make_unique<json_export>(config, target);
}

void site::begin_log(const std::string& path, int64_t bytes) {
  if (json) json->begin_log(path, bytes);
}

int site::number_game() {
  const int number = ++games_numbered;
  // The games folder was emptied away before the first log; the first game
  // makes it again, and every later game finds it.
  if (number == 1) {
    diverse::make_folder_at(output.descriptor(), GAMES_FOLDER);
    games = diverse::folder_handle(GAMES_FOLDER, output.descriptor());
  }
  return number;
}

void site::commit_game(game_output& game) {
  const int per_page = games_per_list_page(config);
  if (!games.is_open()) fatal_error("Couldn't open %s", GAMES_FOLDER);
  if ((game.number - 1) % per_page == 0) start_game_list_page(game.number);
  game.list_entry.copy_to(game_list_page);
  outputfile::report_saving(game.page_saved, game_page_name(game.number));
  if (json) json->add_game(game.json_game);
  if (config.write_datafile) {
    game.player_lines.append_to(output.descriptor(), DATAFILE_NAME,
                                OUTPUT_DATAFILE_SHOWN);
  }
  if (game.number % per_page == 0) finish_game_list_page();
  if (config.write_datafile) {
    game.datafile_block.append_to(AT_FDCWD, DATAFILE_NAME, DATAFILE_NAME);
  }
}

void site::start_game_list_page(int number) {
  const std::string name =
      "games" + std::to_string(game_list_page_of(config, number)) + ".htm";
  game_list_page.open_at(games.descriptor(), name.c_str(), name);
  write_game_list_head(game_list_page, config);
}

void site::finish_game_list_page() {
  write_game_list_foot(game_list_page);
  game_list_page.close();
}

void site::finish_games() {
  if (game_list_page.is_open()) finish_game_list_page();
  outputfile index;
  index.open_at(output.descriptor(), "games.htm", "games.htm");
  write_game_index(index, config, games_numbered);
  index.close();
}

void site::write_rankings(const run_rankings& rankings) {
  for (const run_rankings::set& set : rankings.sets) {
    const std::string prefix = set.n == 0 ? "" : "top_";
    for (const ranking_table& table : set.tables) {
      const std::string name = prefix + ranking_page_base_name(table.page_key);
      outputfile file;
      file.open_at(output.descriptor(), name.c_str(), name);
      std::printf("\nWriting player stats to \"%s\"", name.c_str());
      for (int k = 0; k < table.sorts; ++k) {
        resultdata_total::print_sort_display(
            static_cast<int>(rankings.main_order.size()));
      }
      write_ranking_page(file, config,
                         {table.rows, table.sort_key, set.n, games_numbered});
      file.close();
    }
  }
  if (json) json->set_players(rankings.main_order);
}

int site::open_players_folder() {
  diverse::make_folder_at(output.descriptor(), PLAYERS_FOLDER);
  players = diverse::folder_handle(PLAYERS_FOLDER, output.descriptor());
  if (!players.is_open()) fatal_error("Couldn't open %s", PLAYERS_FOLDER);
  return players.descriptor();
}

void site::finish_export() {
  if (!json) return;
  const unsigned long long size = json->finish();
  json.reset();
  // The path as seen from the start folder, as the options name it.
  std::string shown = config.json_path;
  if (shown.empty()) {
    if (config.uses_output_folder()) {
      shown = config.output_directory;
      if (shown.back() != '/') shown += '/';
    }
    shown += JSON_NAME;
  }
  std::printf("\nWrote %s [%llu byte]", shown.c_str(), size);
}
