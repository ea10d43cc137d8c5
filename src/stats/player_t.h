// The statistics record of one player: a game entry, a team total, or a
// run-wide record of the totals.
#ifndef MORV_STATS_PLAYER_T_H_
#define MORV_STATS_PLAYER_T_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/frag_timeline.h"
#include "stats/mod_figures.h"
#include "stats/p2p_t.h"
#include "stats/player_rating.h"
#include "stats/weapons.h"

// A run-wide record owns its opponent list; game and team records leave it
// empty.
class player_t {
 public:
  static constexpr size_t MAX_NAME = 128;
  static constexpr size_t MAX_TEAM_HISTORY = 15;

  player_t();

  // Clears counters, sums, number, names ("ERROR_NO_INIT" raw) and
  // listed; bot_skill and team become -1. The opponent list is not
  // touched: only game and team records are reset.
  void reset();
  // Empty text: "MORV_ERROR_EMPTY_NAME". Above 128 characters: fatal
  // "player_t::set_name - overflow". Equal to name: nothing changes.
  void set_name(std::string_view text);
  void add_ping(int ping);

  const std::string& get_name() const { return name; }
  const std::string& display_name(bool no_funnames) const {
    return no_funnames ? plain_name : html_name;
  }

  // Derived values, worked out at each call, so that a record that is no
  // longer written can be read from any thread; counts are taken as
  // non-negative integers. The integer ones are computed in 64 bits and
  // saturate at the 32-bit limits.
  int frags() const;         // kills[0] - suicides[0] - deaths
  int total_deaths() const;  // killed[0] + suicides[0] + deaths
  int score() const;         // frags - teamkills[0]
  double skill() const;  // K / (T + 1)
  double eff() const;    // 100 K / (K + T), 0 when K + T is 0
  double ratio() const;  // (frags - T) * 60 / playtime, -9999 without time

  bool listed = false;
  int number = 0;
  std::vector<p2p_t> opponents;
  bool opponents_by_kills = false;  // sorted for the player pages
  int bot_skill = -1;
  int team = -1;
  std::string html_name;
  std::string plain_name;
  std::string team_history;  // team codes as raw bytes (0 adds none), <= 15
  int games = 0;
  int ping_count = 0;
  int ping_sum = 0;
  // Run-wide counts are 32 bits wide: a regular passes 65,535 kills.
  std::array<uint32_t, MAX_WEAPONS> kills{};
  std::array<uint32_t, MAX_WEAPONS> killed{};
  std::array<uint32_t, MAX_WEAPONS> suicides{};
  std::array<uint32_t, MAX_WEAPONS> teamkills{};
  uint32_t deaths = 0;
  int playtime = 0;  // seconds; sums wrap modulo 2^32
  uint16_t mkiol = 0;
  uint16_t mkiol_time = 0;
  int items = 0;
  std::array<uint32_t, ITEM_CLASSES> pickups{};
  std::string name;
  player_mod_figures mod;  // a game's player only
  // A run-wide record's rating in each pool (RATING_FFA, ...).
  std::array<pool_rating, RATING_POOLS> ratings{};
  // A game record's rating in its game's pool; reset clears it.
  game_rating rating;
  frag_timeline timeline;  // a game's player or team only (with --site)

 private:
  int64_t exact_frags() const;
  int64_t exact_total_deaths() const;
};

#endif  // MORV_STATS_PLAYER_T_H_
