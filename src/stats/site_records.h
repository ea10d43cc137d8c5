// What the modern site shows beyond the totals: each game's summary for
// the lists, each player's maps, recent games and names, and each map's
// and server's counts, gathered game by game as the run goes.
#ifndef MORV_STATS_SITE_RECORDS_H_
#define MORV_STATS_SITE_RECORDS_H_

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "stats/awards.h"
#include "stats/weapons.h"

class resultdata;

// One accepted game as the lists show it; texts raw, as the log gives them.
struct game_summary {
  int number = 0;
  std::string map;
  int map_index = 0;  // into site_records::maps
  std::string gametype_name;
  std::string hostname;  // "" not given
  std::string started;   // "YYYY-MM-DDThh:mm:ss", "" unknown
  int seconds = 0;       // duration, else the longest play time
  int players = 0;
  int kills = 0;
  bool teamgame = false;
  int red_score = 0;
  int blue_score = 0;
  int winner = 0;        // run-wide number of the best fragger, 0 none
  int winning_team = 0;  // 1 red, 2 blue, 0 a draw or no team game
};

// A player's games on one map.
struct map_record {
  int map = 0;  // index into site_records::maps
  int games = 0;
  int wins = 0;
  int frags = 0;
  int kills = 0;
  int deaths = 0;
  int playtime = 0;
};

// A player's line of one game, for the recent games.
struct recent_game {
  int number = 0;
  int place = 0;  // 1 for the best fragger
  int frags = 0;
  int kills = 0;
  int deaths = 0;
};

// A player's rating in a pool after one of its rated games.
struct rating_point {
  int game = 0;
  int pool = 0;        // RATING_FFA, RATING_DUEL or RATING_TEAM
  float rating = 0;    // the conservative estimate mu - 3 sigma
};

// An award won in games, and in how many.
struct award_count {
  int award = 0;  // index into award_table()
  int games = 0;
};

// A name as the log gave it, and in how many games.
struct name_use {
  std::string raw;
  int games = 0;
};

struct player_history {
  static constexpr size_t RECENT = 10;
  static constexpr size_t NAMES = 8;
  std::vector<map_record> maps;
  std::vector<recent_game> recent;  // oldest first, at most RECENT
  std::vector<name_use> names;      // first seen first, at most NAMES
  std::vector<award_count> awards;  // first won first
  std::vector<rating_point> ratings;  // in game order
  int wins = 0;
  int first_game = 0;
  int last_game = 0;
};

struct map_total {
  std::string name;
  int games = 0;
  int last_game = 0;
  int64_t seconds = 0;
  std::array<uint32_t, MAX_WEAPONS> kills{};
};

// One per run with --site, owned by the driver, filled on the reading
// thread and read by the run-wide pages once every game is in.
class site_records {
 public:
  // Adds an accepted, finished game numbered number; numbers: its
  // players' run-wide numbers, in its order.
  void add_game(const resultdata& game, const std::vector<int>& numbers,
                int number);
  // The player's history (numbers start at 1); empty for a number that
  // no game gave.
  const player_history& history(int number) const;

  std::vector<game_summary> games;      // by number - 1
  std::vector<player_history> players;  // by run-wide number - 1
  std::vector<map_total> maps;          // first played first
  std::vector<std::pair<std::string, int>> servers;  // host name, games
  int64_t kills = 0;
  int64_t seconds = 0;

 private:
  int map_index(const std::string& name);
  void add_player(const resultdata& game, int i, int number, int game_number,
                  int place, int map, bool won);
  void add_awards(const std::vector<award_winner>& awards,
                  const std::vector<int>& numbers);
  std::unordered_map<std::string, int> map_indexes;
};

#endif  // MORV_STATS_SITE_RECORDS_H_
