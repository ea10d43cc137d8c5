// Finishing each game's record and writing its pages: the game list pages,
// the game page, the data file lines and the chat log heading.
#include <string>

#include "diverse/folders.h"
#include "main/morv_main.h"
#include "output/game_index.h"
#include "output/game_page.h"
#include "output/site_nav.h"
#include "stats/datafile.h"
#include "stats/resultdata.h"

bool morv_main::finish_game(resultdata& game) {
  if (cfg.skip_bots) game.remove_bots();
  game.remove_idle();
  if (game.num_players < 2) return false;
  game.order_by_team();
  game.collapse_team_histories();
  return true;
}

void morv_main::write_game(const resultdata& game) {
  int number = ++games_written;
  // The heading of the chat that follows this game.
  if (cfg.write_chatlog && chatlog.is_open()) {
    chatlog.write_game_heading(number + 1);
  }
  // The run removed the games folder before its first log; its first game
  // makes it again, once, and every later game finds it.
  if (number == 1) diverse::make_folder(GAMES_FOLDER);
  int per_page = games_per_list_page(cfg);
  if ((number - 1) % per_page == 0) start_gamelist_page();
  write_game_list_entry(gamelist_page, game, cfg, number);
  enter_subfolder(GAMES_FOLDER);
  write_game_page(game, cfg, number);
  if (json) json->add_game(game, number);
  // From the games folder: the output folder's data file.
  if (cfg.write_datafile) game.append_player_lines("../morvdata.txt", number);
  leave_subfolder();
  if (number % per_page == 0) finish_gamelist_page();
}

void morv_main::start_gamelist_page() {
  int page_number = (games_written - 1) / games_per_list_page(cfg) + 1;
  enter_subfolder(GAMES_FOLDER);
  std::string name = "games" + std::to_string(page_number) + ".htm";
  gamelist_page.open(name.c_str());
  write_game_list_head(gamelist_page, cfg);
  leave_subfolder();
}

void morv_main::finish_gamelist_page() {
  write_game_list_foot(gamelist_page);
  gamelist_page.close();
}
