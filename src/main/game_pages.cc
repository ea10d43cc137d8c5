// Finishing each game's record and writing its pages: the game list pages,
// the game page, the data file lines and the chat log heading.
#include <memory>
#include <string>

#include "diverse/folders.h"
#include "main/page_worker.h"
#include "main/morv_main.h"
#include "output/game_index.h"
#include "output/game_page.h"
#include "output/site_nav.h"
#include "stats/datafile.h"
#include "stats/resultdata.h"

namespace {

// The page worker takes games of up to MAX_WORKER_PLAYERS players, so that
// the reader and the pages of small and mid-sized games share the two
// cores. A larger game is rare, and its copy and in-memory pieces (kill
// matrices, data file block) would run to many megabytes: it is written
// at once.
constexpr int MAX_WORKER_PLAYERS = 64;
// Games handed over and not yet written: enough that the reader seldom
// waits for a game that takes long to write.
constexpr size_t MAX_PENDING_GAMES = 3;
// The output folder's data file, seen from the games folder.
constexpr const char* OUTPUT_DATAFILE = "../morvdata.txt";

}  // namespace

bool morv_main::finish_game(resultdata& game) {
  if (cfg.skip_bots) game.remove_bots();
  game.remove_idle();
  if (game.num_players < 2) return false;
  game.order_by_team();
  game.collapse_team_histories();
  return true;
}

int morv_main::number_game() {
  int number = ++games_written;
  // The run removed the games folder before its first log; its first game
  // makes it again, once, and every later game finds it.
  if (number == 1) diverse::make_folder(GAMES_FOLDER);
  // The heading of the chat that follows this game.
  if (cfg.write_chatlog && chatlog.is_open()) {
    chatlog.write_game_heading(number + 1);
  }
  return number;
}

void morv_main::pass_game(const resultdata& game, int number) {
  if (game.num_players > MAX_WORKER_PLAYERS) {
    write_pending_games();
    write_game(game, number, nullptr);
    return;
  }
  if (pending_games.size() == MAX_PENDING_GAMES) write_oldest_pending_game();
  std::unique_ptr<game_pieces> pieces;
  if (spare_pieces.empty()) {
    pieces = std::make_unique<game_pieces>(cfg, GAMES_FOLDER, json.get());
  } else {
    pieces = std::move(spare_pieces.back());
    spare_pieces.pop_back();
  }
  pieces->take(game, number);
  worker->start(*pieces);
  pending_games.push_back(std::move(pieces));
}

void morv_main::write_oldest_pending_game() {
  game_pieces& oldest = *pending_games.front();
  worker->finish(oldest);
  write_game(oldest.game(), oldest.number(), &oldest);
  spare_pieces.push_back(std::move(pending_games.front()));
  pending_games.pop_front();
}

void morv_main::write_pending_games() {
  while (!pending_games.empty()) write_oldest_pending_game();
}

void morv_main::write_game(const resultdata& game, int number,
                           game_pieces* pieces) {
  int per_page = games_per_list_page(cfg);
  if ((number - 1) % per_page == 0) start_gamelist_page(number);
  if (pieces) {
    pieces->list_entry.copy_to(gamelist_page);
  } else {
    write_game_list_entry(gamelist_page, game, cfg, number);
  }
  enter_subfolder(GAMES_FOLDER);
  if (pieces) {
    outputfile::report_saving(pieces->page_saved, game_page_name(number));
  } else {
    outputfile page;
    page.open(game_page_name(number).c_str());
    write_game_page(page, game, cfg, number);
    page.close();
  }
  if (json && pieces) {
    json->add_game_piece(pieces->json_game);
  } else if (json) {
    json->add_game(game, number);
  }
  if (cfg.write_datafile) {
    if (pieces) {
      pieces->player_lines.append_to_file(OUTPUT_DATAFILE);
    } else {
      game.append_player_lines(OUTPUT_DATAFILE, number);
    }
  }
  leave_subfolder();
  if (number % per_page == 0) finish_gamelist_page();
  if (cfg.write_datafile) {
    enter_start_folder();
    if (pieces) {
      pieces->datafile_block.append_to_file(DATAFILE_NAME);
    } else {
      game.append_datafile(DATAFILE_NAME);
    }
    enter_output_folder();
  }
}

void morv_main::start_gamelist_page(int number) {
  int page_number = game_list_page_of(cfg, number);
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
