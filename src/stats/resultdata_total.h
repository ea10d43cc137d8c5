// The totals of every player over all games of the run, with each
// player's opponents.
#ifndef MORV_STATS_RESULTDATA_TOTAL_H_
#define MORV_STATS_RESULTDATA_TOTAL_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "stats/player_t.h"

class configdata;
class resultdata;

// One per run, owned by the analysis driver. Owns every run-wide player
// record (the list behind the head `players`) and, through them, every
// opponent record. Records are never removed and are created only by
// find_player and find_p2p; list order is that of the last sort (first
// appearance before any sort).
class resultdata_total {
 public:
  explicit resultdata_total(configdata& config);
  virtual ~resultdata_total() = default;
  resultdata_total(const resultdata_total&) = delete;
  resultdata_total& operator=(const resultdata_total&) = delete;

  // Sums one accepted game into the totals: per-weapon kills, killed and
  // suicides, games, pings, world deaths, playtime, the latest bot skill,
  // and one opponent record per other player of the game (counts from the
  // game's kill matrix, also when they are 0).
  void add_game(const resultdata& game);
  // The run-wide record for a raw name: the first record whose lower-cased
  // plain name equals a candidate of the alias lookup, tried in order, and
  // finally the name's own plain form. Otherwise a new record is appended,
  // named with raw_name and numbered 1, 2, ... Never null.
  player_t* find_player(std::string_view raw_name);
  // The opponent record of player whose lower-cased plain name equals that
  // of raw_name, created at the end of the player's list when new. Aliases
  // play no part. Never null.
  p2p_t* find_p2p(player_t& player, std::string_view raw_name);
  int count_players() const;
  int count_p2ps(const player_t& player) const;

  // The ranking sorts (ranking_sort.cc): reorder the list in place by
  // relinking nodes, exactly as the exchange procedure does (not stable),
  // after storing key in sort_key. sort_players prints its progress
  // display. A key they do not know ends the run once two nodes are
  // compared. sort_p2ps takes only 4 (kills), 5 (deaths) and 6 (name).
  void sort_players(int key);
  void sort_p2ps(player_t& player, int key);

  player_t players;  // list head, carries no statistics
  int sort_key = 0;
  configdata* config;

 private:
  // Where a player's opponent list ends, and its records by opponent name
  // number in an open-addressing table: the lookups for one player stay
  // close together, at 16 bytes or so per pair.
  struct opponent_list {
    // The table entry for name, made (holding null) when new.
    p2p_t*& entry(uint32_t name);
    void grow();

    p2p_t* tail = nullptr;
    std::vector<std::pair<uint32_t, p2p_t*>> slots;  // name + 1; 0 is free
    size_t used = 0;
  };

  // find_player without the memory of earlier answers.
  player_t* search_player(std::string_view raw_name);
  player_t* lookup(const std::string& key) const;
  // The number of a lower-cased plain name, given on first sight.
  uint32_t name_number(const std::string& key);
  p2p_t* find_p2p_by_number(player_t& player, uint32_t name,
                            std::string_view raw_name);
  player_t* last_player();

  int player_counter = 0;
  // Lower-cased plain name to record; names are unique in the list, so
  // this gives the same record as a walk of the list in any order.
  std::unordered_map<std::string, player_t*> player_index;
  player_t* tail = &players;
  // Earlier answers of find_player by raw name, each valid while no record
  // was created after it (the player count is unchanged).
  struct earlier_answer {
    player_t* found;
    int players;
  };
  struct text_hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_map<std::string, earlier_answer, text_hash, std::equal_to<>>
      found_by_raw_name;
  // The opponent records, found by owner and opponent name number: a long
  // run holds millions of pairs.
  std::unordered_map<std::string, uint32_t> name_numbers;
  std::unordered_map<const player_t*, opponent_list> opponent_lists;
};

#endif  // MORV_STATS_RESULTDATA_TOTAL_H_
