// The record of one player against one opponent over all games of the run.
#ifndef MORV_STATS_P2P_T_H_
#define MORV_STATS_P2P_T_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "stats/weapons.h"

// One node of a player's opponent list. A node owns the rest of the list
// behind it (next); the head embedded in player_t uses only next. A run
// holds one record per pair of players who met, so the record is kept
// small: only the counts over all weapons, which are all that the pages
// and the sorts read, and no HTML form of the name (the pages show the
// opponent's own player record).
class p2p_t {
 public:
  p2p_t();
  virtual ~p2p_t();  // destroys the list behind it without deep recursion
  p2p_t(const p2p_t&) = delete;
  p2p_t& operator=(const p2p_t&) = delete;

  // Clears both counts and the names. next is not touched: the list behind
  // a node stays with it (the constructor starts with a null next).
  void reset();
  // Creates a reset record behind this one (the last of its list) and
  // returns it.
  p2p_t* append();
  // Stores text and its plain form unless it equals name; ends the run
  // with "p2p_t::set_name - overflow" above 128 characters.
  void set_name(std::string_view text);

  const std::string& get_name() const { return name; }
  uint32_t get_kills() const { return kills[0]; }
  uint32_t get_deaths() const { return deaths[0]; }

  std::unique_ptr<p2p_t> next;
  std::string plain_name;
  // Run-wide counts over all weapons (element 0 of the game's counters),
  // 32 bits wide so that they never restart from zero.
  std::array<uint32_t, 1> kills{};   // owner's kills of opponent
  std::array<uint32_t, 1> deaths{};  // opponent's kills of owner
  std::string name;
};

#endif  // MORV_STATS_P2P_T_H_
