// One game's rendering: what the site commits of a finished game, made by
// a pure function of the record that any thread may run.
#ifndef MORV_OUTPUT_GAME_OUTPUT_H_
#define MORV_OUTPUT_GAME_OUTPUT_H_

#include <memory>
#include <string>
#include <vector>

#include "diverse/outputfile.h"

class configdata;
class resultdata;

// What a game's rendering needs beside its record. The games folder is
// held open by the site; the page is made in it by name.
struct run_context {
  const configdata& config;
  int number;            // the game's number, as its page is named
  int games_folder;      // descriptor of the games folder
  bool json;             // the export's object is wanted
  bool classic;          // the page and list entry are wanted
  std::string log_path;  // the log the game comes from, for the export
  // The run-wide number of each of the game's players, in its order.
  std::vector<int> player_numbers;
};

// The game's files as the run places them: its page, already streamed
// into its file (with what came of that, for the run's own thread to
// report), and in memory the game list entry, with the data file option
// its per-player lines and kill-matrix block, and with the export its
// JSON object.
struct game_output {
  int number = 0;
  outputfile::save_result page_saved = outputfile::save_result::saved;
  outputfile list_entry;
  outputfile player_lines;
  outputfile datafile_block;
  outputfile json_game;
};

// Renders the finished game. Touches no current folder, prints nothing and
// ends nothing: a failure to write the page is kept in page_saved.
std::unique_ptr<game_output> render_game(const resultdata& game,
                                         const run_context& context);

#endif  // MORV_OUTPUT_GAME_OUTPUT_H_
