// The awards: their definitions in one table, and their winners in one
// game or over the whole run.
#ifndef MORV_STATS_AWARDS_H_
#define MORV_STATS_AWARDS_H_

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class player_t;
class resultdata;

// What the awards measure of a player: in one game, or over the run's
// games (summed; the streak is the longest of any game).
enum award_measure {
  measure_kills,
  measure_deaths,  // all deaths: killed, suicides and the world's
  measure_suicides,
  measure_world_deaths,
  measure_team_kills,
  measure_quads,
  measure_megas,
  measure_playtime,  // seconds
  measure_streak,    // most kills in one life
  measure_rockets,   // kills with the weapons award_weapons names
  measure_rails,
  measure_lightning,
  measure_plasma,
  measure_shotgun,
  measure_gauntlet,
  measure_captures,  // the mods' own figures, where logged
  measure_returns,
  measure_assists,
  measure_round_wins,
  AWARD_MEASURES
};

struct award_sample {
  std::array<uint32_t, AWARD_MEASURES> values{};
  // Adds a game's sample (saturating), keeping the longer streak.
  void add(const award_sample& game);
};

enum class award_unit { count, seconds, percent };
// Between equal values: the player with fewer deaths, more kills or
// fewer kills; then the player listed first.
enum class award_tie { fewer_deaths, more_kills, fewer_kills };

// Names and rules are plain ASCII without & < > " ', which the pages
// write as they are.
struct award_definition {
  std::string_view name;
  std::string_view rule;  // one line, for the pages, export and man page
  award_measure measure;  // the most of it wins
  // Wins by efficiency (100 kills / (kills + deaths)) instead; measure is
  // then the sample that minimum applies to.
  bool efficiency;
  uint32_t minimum;  // the least measure a winner needs
  award_tie tie;
  int figure;  // the mod_figure a game's log must provide, -1 for none
  award_unit unit;
};

// Every award, in the order the pages and the export list them.
std::span<const award_definition> award_table();

struct award_winner {
  int award;  // index into award_table()
  // In a game, the player's position in its order (from 0); over the
  // run, the player's run-wide number.
  int player;
  double value;  // the measure, or the efficiency in percent
};

// The winner of every award someone qualifies for, in table order.
// samples: one per player, in the order ties fall back on; provided: the
// mod figures the log gave (a bit per mod_figure).
std::vector<award_winner> choose_award_winners(
    const std::vector<award_sample>& samples, uint32_t provided);

// What the awards measure of each player of a finished game, in its
// order; weapon kills by the names the game gives its weapon slots.
std::vector<award_sample> game_award_samples(const resultdata& game);
// The run's samples by run-wide number, summed game by game: owned by the
// totals, filled on the reading thread, read once every game is in.
class award_tally {
 public:
  // Adds a finished game's samples and returns its awards (players by
  // position), chosen from the same samples. numbers: the run-wide numbers
  // of the game's players, in its order.
  std::vector<award_winner> add_game(const resultdata& game,
                                     const std::vector<int>& numbers);
  // The all-time winners (players by run-wide number).
  std::vector<award_winner> winners() const;

 private:
  std::vector<award_sample> players;  // by run-wide number - 1
  uint32_t provided = 0;              // over all games
};

#endif  // MORV_STATS_AWARDS_H_
