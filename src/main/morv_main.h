// The driver object: run sequence, analysis driver and the page writers
// that need run state (game pages, list pages, rankings, player pages).
#ifndef MORV_MAIN_MORV_MAIN_H_
#define MORV_MAIN_MORV_MAIN_H_

#include <memory>
#include <string>

#include "analyzelog/chat_log.h"
#include "config/configdata.h"
#include "output/outputfile.h"

class analyzelog;
class resultdata;
class resultdata_total;

// One per process, created by main. The current folder moves only through
// enter_start_folder / enter_output_folder and the sub-folder writers.
class morv_main {
 public:
  morv_main();
  virtual ~morv_main() = default;
  morv_main(const morv_main&) = delete;
  morv_main& operator=(const morv_main&) = delete;

  // The run sequence (morv_main.cc). Ends through exit on usage or fatal.
  void run(int argc, char** argv);
  [[noreturn]] void usage();
  void banner();

  // Analysis driver (analyze_files.cc). Returns in the start folder.
  void analyze_files(const std::string& logfile_spec);
  // One log file, opened in folder; returns in the output folder.
  void analyze(const std::string& folder, const std::string& logfile_name,
               resultdata_total& totals);

  // Game page (output/game_page.cc): 0 written, 1 skipped. Called in the
  // output folder and returns there.
  int write_game(resultdata& game, analyzelog& reader);
  // Game list pages and index (output/game_index.cc).
  void start_gamelist_page();
  void finish_gamelist_page();
  void write_game_index();
  // Ranking pages (output/rankings.cc), n = 0 for all players.
  void write_rankings(resultdata_total& totals, int n);
  // Player pages (output/player_pages.cc), in morv_players.
  void write_player_pages(resultdata_total& totals);

  int games_written = 0;
  int logfile_count = 0;
  std::string start_dir;
  configdata cfg;
  outputfile gamelist_page;
  chat_log chatlog;

 private:
  // Change to the start folder / the output folder (fatal "Couldn't open
  // %s" with the folder's name when it cannot be entered).
  void enter_start_folder();
  void enter_output_folder();
  // Reads the start folder's stylesheet, creates and enters the output
  // folder, empties its sub-folders and settles css_present.
  void prepare_output_folder();
  void settle_stylesheet(const std::string& start_css);
  void write_all_player_pages(resultdata_total& totals);
};

#endif  // MORV_MAIN_MORV_MAIN_H_
