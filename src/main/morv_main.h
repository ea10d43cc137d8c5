// The driver object: the run sequence, and the loop that reads each game,
// finishes it, has it rendered and commits it, then the pages over all
// games.
#ifndef MORV_MAIN_MORV_MAIN_H_
#define MORV_MAIN_MORV_MAIN_H_

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "diverse/ordered_queue.h"
#include "modern/modern_site.h"
#include "output/game_output.h"

namespace diverse {
class log_input;
}
class chat_log;
class resultdata;
class resultdata_total;
class site;

// A game as rendered beside the reader: the classic site's part and what
// came of the modern site's page (saved without --site).
struct rendered_game {
  std::unique_ptr<game_output> classic;
  outputfile::save_result modern = outputfile::save_result::saved;
};

// One per process, created by main. The process's current folder stays the
// start folder: logs and the data file are named from there, and the site
// holds the output folder open.
class morv_main {
 public:
  morv_main();
  ~morv_main();
  morv_main(const morv_main&) = delete;
  morv_main& operator=(const morv_main&) = delete;

  // The run sequence (morv_main.cc). Ends through exit on usage or fatal.
  void run(int argc, char** argv);
  [[noreturn]] void usage();
  // --help and -h: banner and every option in its Linux form, exit
  // status 0.
  // --version: "morv X.Y.Z" and the credit line, exit status 0.
  [[noreturn]] void help();
  [[noreturn]] void version();
  void banner();
  // The run's settings, read and changed before analyze_files.
  configdata& config() { return cfg; }

  // The analysis (analyze_files.cc): the files of every log file argument,
  // in order, as one run, and then the pages over all games.
  void analyze_files(const std::vector<std::string>& log_arguments);

 private:
  void print_banner_and_usage();
  void choose_cfg_file();

  // The files that one log file argument names, in byte-wise name order
  // but rotated logs oldest first (diverse::sort_rotated_logs), or
  // standard input for "-"; returns how many were read. A wildcard match
  // gone before it is opened is skipped with a warning; a file that cannot
  // be opened otherwise ends the run.
  int analyze_matching_files(const std::string& log_argument);
  // One log, opened as input and named by path ("-" for standard input) on
  // the console and in the export: read, finish, submit and commit each of
  // its games. A broken gzip stream ends the run after the games before it.
  void analyze(const std::string& path, diverse::log_input& input);
  // Numbers a finished game, writes the chat log's next heading, and has
  // the game rendered beside the reader (a large game at once) and
  // committed in order. player_numbers: the run-wide numbers of its
  // players, as the totals gave them.
  void pass_game(const resultdata& game, const std::string& log_path,
                 std::vector<int> player_numbers);
  void commit_game(rendered_game game);
  void commit_oldest_game();
  void commit_pending_games();
  // commit_pending_games of the run whose reader is reading, for
  // fatal_error (set_fatal_first).
  static void commit_pending_games_first();
  static morv_main* reading_run;
  // The ranking pages, with the opponents sorted beside them, and the
  // player pages, shared by two threads.
  void write_player_pages();
  // The classic player pages, made on the two threads of work.
  void write_classic_player_pages(
      diverse::ordered_queue<outputfile::save_result>& work);

  configdata cfg;
  int logfile_count = 0;
  // The readers' run-wide flag (analyzelog::ignore_events).
  bool ignore_events = false;
  // The weapon numbers the run warned about (resultdata::warned_weapons).
  std::shared_ptr<std::set<int>> warned_weapons =
      std::make_shared<std::set<int>>();
  // The analysis's state, from its start to its end: the site, the chat
  // log, the totals, and the games being rendered (declared last, so that
  // rendering ends first also when a fatal error unwinds the stack, as in
  // the fuzz targets).
  std::unique_ptr<site> output;
  std::unique_ptr<modern::modern_site> modern;  // with --site
  std::unique_ptr<chat_log> chatlog;
  std::unique_ptr<resultdata_total> totals;
  std::unique_ptr<diverse::ordered_queue<rendered_game>> rendering;
};

#endif  // MORV_MAIN_MORV_MAIN_H_
