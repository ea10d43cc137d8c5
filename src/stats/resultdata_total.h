// The totals of every player over all games of the run, with each
// player's opponents.
#ifndef MORV_STATS_RESULTDATA_TOTAL_H_
#define MORV_STATS_RESULTDATA_TOTAL_H_

#include <string_view>

#include "stats/player_t.h"

class configdata;
class resultdata;

// One per run, owned by the analysis driver. Owns every run-wide player
// record (the list behind the head `players`) and, through them, every
// opponent record. Records are never removed; list order is that of the
// last sort (first appearance before any sort).
class resultdata_total {
 public:
  explicit resultdata_total(configdata& config);
  virtual ~resultdata_total() = default;
  resultdata_total(const resultdata_total&) = delete;
  resultdata_total& operator=(const resultdata_total&) = delete;

  // Sums one accepted game into the totals.
  void add_game(const resultdata& game);
  // The run-wide record for a raw name (plain, lower-cased, through the
  // alias candidates), created and numbered 1, 2, ... when new.
  player_t* find_player(std::string_view raw_name);
  // The opponent record of player for a raw name, created at the end of
  // the player's list when new. Aliases play no part.
  p2p_t* find_p2p(player_t& player, std::string_view raw_name);
  int count_players() const;
  int count_p2ps(const player_t& player) const;

  // The ranking sorts (ranking_sort.cc): reorder the list in place exactly
  // as the exchange procedure would, and store key in sort_key.
  // sort_players prints its progress display.
  void sort_players(int key);
  void sort_p2ps(player_t& player, int key);

  player_t players;  // list head, carries no statistics
  int sort_key = 0;
  configdata* config;

 private:
  int player_counter = 0;
};

#endif  // MORV_STATS_RESULTDATA_TOTAL_H_
