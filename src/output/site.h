// The classic site as the run commits it: the output folder and its
// sub-folders, the game list pages, both data files, the ranking pages
// and the data export.
#ifndef MORV_OUTPUT_SITE_H_
#define MORV_OUTPUT_SITE_H_

#include <cstdint>
#include <memory>
#include <string>

#include "diverse/folders.h"
#include "diverse/outputfile.h"

class configdata;
class json_export;
struct game_output;
struct run_rankings;

// One per analysis, owned by the driver. Holds the output folder and its
// sub-folders open, so that no file of the run depends on the process's
// current folder (the start folder, where the data file and the logs are
// named). Commits what the renderers made in the run's order; every
// failure ends the run with the file's name as the classic run gave it.
class site {
 public:
  // config: the run's settings; css_present is settled by prepare.
  // start_folder: the start folder's absolute path, for the export.
  site(configdata& config, std::string start_folder);
  ~site();
  site(const site&) = delete;
  site& operator=(const site&) = delete;

  // Reads the start folder's stylesheet, makes the output folder (with
  // missing parents), empties its sub-folders and settles the stylesheet,
  // with their console lines; fatal "Couldn't open %s" when the output
  // folder cannot be opened, "Couldn't read morv.css" when the
  // stylesheet cannot be read. Then opens the export with --json.
  void prepare();
  int output_folder() const { return output.descriptor(); }
  // The export's next log file, with its path as given and its size.
  void begin_log(const std::string& path, int64_t bytes);

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

 private:
  void settle_stylesheet(const std::string& start_css);
  void start_export();
  void start_game_list_page(int number);
  void finish_game_list_page();

  configdata& config;
  const std::string start_folder;
  diverse::folder_handle output;
  diverse::folder_handle games;
  diverse::folder_handle players;
  int games_numbered = 0;
  outputfile game_list_page;
  std::unique_ptr<json_export> json;
};

#endif  // MORV_OUTPUT_SITE_H_
