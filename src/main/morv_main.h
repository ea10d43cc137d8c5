// The driver object: the run sequence, the analysis driver, and the order
// in which records are finished and pages written.
#ifndef MORV_MAIN_MORV_MAIN_H_
#define MORV_MAIN_MORV_MAIN_H_

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "diverse/outputfile.h"
#include "output/chat_log.h"
#include "output/json_export.h"

class game_pieces;
class page_task;
class page_worker;
class resultdata;
class resultdata_total;

// One per process, created by main. The current folder moves only through
// the enter_* and leave_subfolder helpers.
class morv_main {
 public:
  morv_main();
  ~morv_main();
  morv_main(const morv_main&) = delete;
  morv_main& operator=(const morv_main&) = delete;

  // The run sequence (morv_main.cc). Ends through exit on usage or fatal.
  void run(int argc, char** argv);
  [[noreturn]] void usage();
  // --help and -h: banner, usage and the long options, exit status 0.
  // --version: "morv X.Y.Z" and the credit line, exit status 0.
  [[noreturn]] void help();
  [[noreturn]] void version();
  void banner();

  // Analysis driver (analyze_files.cc): the files of every log file
  // argument, in order, as one run. Returns in the start folder.
  void analyze_files(const std::vector<std::string>& log_arguments);
  // The files that one log file argument names, in byte-wise name order;
  // returns how many, in the start folder.
  int analyze_matching_files(const std::string& log_argument,
                             resultdata_total& totals);
  // One log file, opened in folder; returns in the output folder.
  void analyze(const std::string& folder, const std::string& logfile_name,
               resultdata_total& totals);

  int games_written = 0;
  int logfile_count = 0;
  std::string start_dir;
  configdata cfg;
  outputfile gamelist_page;
  chat_log chatlog;
  // The readers' run-wide flag (analyzelog::ignore_events).
  bool ignore_events = false;
  // The data export with --json, from the output folder's preparation to
  // the end of the analysis; null otherwise.
  std::unique_ptr<json_export> json;
  // The games handed to the second thread and not yet written, oldest
  // first, with pieces to use again; the opponent sorting started beside
  // the ranking pages; then the second thread, which lives for the
  // analysis (and, when a morv_main ends, ends first).
  std::deque<std::unique_ptr<game_pieces>> pending_games;
  std::vector<std::unique_ptr<game_pieces>> spare_pieces;
  std::vector<std::unique_ptr<page_task>> opponent_sorts;
  std::unique_ptr<page_worker> worker;

 private:
  void print_banner_and_usage();
  // Change to the start folder / the output folder / a sub-folder of the
  // output folder and back (fatal "Couldn't open %s" with the folder's
  // name when it cannot be entered).
  void enter_start_folder();
  void enter_output_folder();
  void enter_subfolder(const char* name);
  void leave_subfolder();
  // Reads the start folder's stylesheet, creates and enters the output
  // folder, empties its sub-folders and settles css_present.
  void prepare_output_folder();
  void settle_stylesheet(const std::string& start_css);

  // Game pages (game_pages.cc), called in the output folder. finish_game
  // cleans and orders a sorted record for its pages: false when fewer
  // than two players are left (the game gets no page). number_game gives
  // a finished game its number and writes the chat log's next heading.
  // pass_game has the game's files written: by pieces that the page
  // worker puts together while the reader goes on, or at once for a large
  // game. write_game writes a numbered game's list entry, page,
  // data lines and export, from the worker's pieces when given;
  // write_oldest_pending_game writes the oldest game handed over, once
  // it is put together, and write_pending_games every one.
  bool finish_game(resultdata& game);
  int number_game();
  void pass_game(const resultdata& game, int number);
  void write_game(const resultdata& game, int number, game_pieces* pieces);
  void write_oldest_pending_game();
  void write_pending_games();
  void start_gamelist_page(int number);
  void finish_gamelist_page();

  // Pages over all games (site_pages.cc), called in the output folder. The
  // player pages are shared with the second thread.
  void write_rankings(resultdata_total& totals, int n);
  void start_sorting_opponents(resultdata_total& totals);
  void write_all_player_pages(resultdata_total& totals);

  // The data export (json_run.cc). start_json_export opens it, called in
  // the output folder; finish_json_export writes the document after the
  // player pages and prints its line on the console.
  void start_json_export();
  void finish_json_export();
};

#endif  // MORV_MAIN_MORV_MAIN_H_
