// The classic site as the run commits it: the output folder and its
// sub-folders, the game list pages, both data files, the ranking pages,
// the chat log's file and the data export, published when the run ends.
#ifndef MORV_OUTPUT_SITE_H_
#define MORV_OUTPUT_SITE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "diverse/folders.h"
#include "diverse/outputfile.h"

class configdata;
class json_export;
class line_report;
struct game_output;
struct run_rankings;

// One per run, owned by the driver. Holds the output folder open, so that
// no file of the run depends on the process's current folder (the start
// folder, where the data file and the logs are named), and commits what
// the renderers made in the run's order; every failure ends the run,
// naming the file as the user knows it.
//
// Publishing: every file and folder of the run is written under a
// temporary name (".morv-tmp-PID-" and its name) beside its place, made
// new and never through a link. publish puts them in place by rename once
// the run has succeeded (the sub-folders swapped with the old ones at
// once), and removes the files that the previous run listed in the
// folder's manifest and this run did not write. A run that ends early
// leaves the published site as it was: fatal_error and SIGINT/SIGTERM
// remove the temporary files (remove_temporaries), and the next run
// removes those of a run that was killed. A lock file keeps two runs on
// one output folder apart.
class site {
 public:
  // config: the run's settings; css_present is settled by prepare.
  explicit site(configdata& config);
  ~site();
  site(const site&) = delete;
  site& operator=(const site&) = delete;

  // Starts the start folder's data file empty, under its temporary name
  // (the classic run empties it at its start); fatal "Couldn't open %s".
  void start_datafile();
  // Reads the start folder's stylesheet, makes the output folder (with
  // missing parents), takes its lock, removes what killed runs left, and
  // settles the stylesheet, with their console lines; fatal "Couldn't
  // open %s" when the output folder cannot be opened, "Couldn't read
  // morv.css" when the stylesheet cannot be read. Then opens the export
  // with --json.
  void prepare();
  int output_folder() const { return output.descriptor(); }
  // The chat log's file in the output folder, under its temporary name
  // (published with the site).
  std::string chat_log_file();
  // The export's next log file, with its path as given and its size.
  void begin_log(const std::string& path, int64_t bytes);
  // The reading report of the log begun last, for the export.
  void end_log(const line_report& report);

  // Gives the next finished game its number (1, 2, ...); the first makes
  // the games folder.
  int number_game();
  int games_folder() const { return games.descriptor(); }
  int games_written() const { return games_numbered; }
  // Writes a rendered game's list entry, reports its page, spools its
  // export object and appends its data file texts.
  void commit_game(game_output& game);
  // Ends the last game list page and writes the game index.
  void finish_games();

  // Writes the ranking pages, each after the console lines of its sorts,
  // and gives the export its players.
  void write_rankings(const run_rankings& rankings);
  // Makes and opens the players folder; fatal "Couldn't open %s" when it
  // cannot be opened.
  int open_players_folder();
  // Writes the export's document and prints its console line.
  void finish_export();
  // Puts every file of the run in place (see above); fatal "Couldn't
  // write %s" when one cannot be.
  void publish();

  // Removes the temporary files and folders of this process's run, in
  // the output and start folders; for the fatal and signal exits (any
  // thread; no site object needed).
  static void remove_temporaries();
  // Has remove_temporaries also clean the folder held as folder (the
  // modern site's parent).
  static void watch_folder(int folder);

 private:
  void settle_stylesheet(const std::string& start_css);
  void take_lock();
  void start_export();
  void start_game_list_page(int number);
  void finish_game_list_page();
  // The file as messages name it: in the output folder, from the start
  // folder.
  std::string shown(const std::string& name) const;
  // A file of the run in the output folder, under its temporary name,
  // published as name.
  std::string temporary(const std::string& name);
  // The data files' temporary copies, each opened for appending at its
  // first game (first made a copy of what is published there) and held
  // open until publish: one file when the output folder is the start
  // folder.
  outputfile& start_datafile_file();
  outputfile& output_datafile_file();
  void open_datafile(int folder, outputfile& file, bool& started);
  void close_datafiles();
  void replace_folder(const char* name);
  void remove_stale_files();

  configdata& config;
  const std::string prefix;  // of temporary names
  diverse::folder_handle output;
  diverse::folder_handle games;
  diverse::folder_handle players;
  int lock = -1;
  bool output_is_start = false;
  int games_numbered = 0;
  outputfile game_list_page;
  bool start_datafile_started = false;
  bool output_datafile_started = false;
  outputfile start_datafile_text;
  outputfile output_datafile_text;
  std::unique_ptr<json_export> json;
  std::string json_temporary;  // beside the document's target, or ""
  std::string json_target;
  // Names in the output folder that publish renames into place.
  std::vector<std::string> published;
};

#endif  // MORV_OUTPUT_SITE_H_
