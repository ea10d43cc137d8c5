// The record of one player against one opponent over all games of the run.
#ifndef MORV_STATS_P2P_T_H_
#define MORV_STATS_P2P_T_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class player_t;

// One entry of a player's opponent list, owned by that player. A run holds
// one record per pair of players who met, so the record is kept small:
// only the counts over all weapons, which are all that the pages and the
// sorts read, and no HTML form of the name (the pages show the opponent's
// own run-wide record, `opponent`).
class p2p_t {
 public:
  p2p_t() = default;

  // Clears both counts and the names.
  void reset();
  // Stores text and its plain form unless it equals name; ends the run
  // with "p2p_t::set_name - overflow" above 128 characters.
  void set_name(std::string_view text);

  const std::string& get_name() const { return name; }
  uint32_t get_kills() const { return kills[0]; }
  uint32_t get_deaths() const { return deaths[0]; }

  std::string plain_name;
  // Run-wide counts over all weapons (element 0 of the game's counters),
  // 32 bits wide so that they never restart from zero.
  std::array<uint32_t, 1> kills{};   // owner's kills of opponent
  std::array<uint32_t, 1> deaths{};  // opponent's kills of owner
  std::string name;
  // The opponent's run-wide record, set by the totals once every game is
  // in (resultdata_total::finish_opponents) for the records a page shows;
  // not owned.
  const player_t* opponent = nullptr;
};

#endif  // MORV_STATS_P2P_T_H_
