// The sections of a game page and of its entry on a game list page, each
// formatted from the game's finished record.
#ifndef MORV_OUTPUT_GAME_WRITER_H_
#define MORV_OUTPUT_GAME_WRITER_H_

#include <cstddef>
#include <string>
#include <string_view>

class configdata;
class outputfile;
class player_t;
class resultdata;
struct pickup_column;

// Writes into one open page; owns nothing it refers to. The record must be
// finished (sorted, cleaned and ordered by team) before it is written.
class game_writer {
 public:
  game_writer(const resultdata& game, const configdata& config,
              outputfile& file)
      : game(game), config(config), file(file) {}

  // Game page sections (game_sections.cc).
  void write_game_info() const;
  void write_team_table() const;
  // The heading flag as on the game page; a list entry has none (but for
  // team games).
  void write_player_table(bool heading) const;
  void write_killchart(int slot) const;

  // Pickup tables (pickup_tables.cc).
  void write_health_armor() const;
  void write_powerups() const;
  void write_weapon_pickups() const;
  void write_ammo() const;

 private:
  void write_player_header() const;
  void write_player_row(int i) const;
  void write_life_cells(const player_t& player) const;
  // Row start and the #, Name, Team and Bot cells of players and pickups.
  void write_leading_cells(int i) const;
  void write_pickup_leading_header() const;
  void write_pickup_table(const char* heading, const char* attribute,
                          const pickup_column* columns, size_t size) const;
  void write_killchart_row(int slot, int i) const;
  // open, value as %lld, close: one kill chart cell.
  void write_number_cell(std::string_view open, long long value,
                         std::string_view close) const;

  const resultdata& game;
  const configdata& config;
  outputfile& file;
};

// The marks of a collapsed team history: "R" red, "B" blue, "S" spectator.
std::string team_marks(const std::string& history);

#endif  // MORV_OUTPUT_GAME_WRITER_H_
