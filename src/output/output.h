// The page-section writer: the tables of game pages, list pages, ranking
// pages and player pages.
#ifndef MORV_OUTPUT_OUTPUT_H_
#define MORV_OUTPUT_OUTPUT_H_

#include <cstddef>
#include <string>

class configdata;
class outputfile;
class player_t;
class resultdata;
class resultdata_total;
struct pickup_column;

// Writes sections into one page; owns nothing it points to. The game form
// reads a game record, the totals form the run-wide totals.
class output {
 public:
  output(resultdata* game, outputfile* file, configdata* config);
  output(resultdata_total* totals, outputfile* file, configdata* config,
         int games_written);
  virtual ~output() = default;

  // Game page sections (game_sections.cc).
  void write_game_info();
  void write_team_table();
  // Sorts a team game by team first; heading flag as on the game page.
  void write_player_table(bool heading);
  // Collapses runs in history (stored back) and returns the team marks.
  std::string team_marks(std::string& history);
  void write_killchart(int slot);
  // Appends one line per player to "../morvdata.txt".
  void append_player_lines(int game_number);

  // Pickup tables (pickup_tables.cc) and weapon stats (weapon_stats.cc).
  void write_health_armor();
  void write_powerups();
  void write_weapon_pickups();
  void write_ammo();
  void write_weapon_stats(const player_t& player);

  // Ranking pages (ranking_page.cc): n = 0 for all players, else top n.
  void write_ranking_page(int n);
  bool is_below_limits(const player_t& player) const;

  // Player pages (player_sections.cc).
  void write_player_info(const player_t& player);
  void write_p2p(player_t& player);

  int games_written = 0;
  outputfile* file;
  configdata* config;
  resultdata* game = nullptr;
  resultdata_total* totals = nullptr;

 private:
  void write_player_header();
  void write_player_row(int i);
  void write_life_cells(const player_t& player);
  // Row start and the #, Name, Team and Bot cells of players and pickups.
  void write_leading_cells(int i);
  void write_pickup_leading_header();
  void write_pickup_table(const char* heading, const char* attribute,
                          const pickup_column* columns, size_t size);
  void write_killchart_row(int slot, int i);
};

#endif  // MORV_OUTPUT_OUTPUT_H_
