// The totals of every player over all games of the run, with each
// player's opponents, and the choices the ranking and player pages show.
#ifndef MORV_STATS_RESULTDATA_TOTAL_H_
#define MORV_STATS_RESULTDATA_TOTAL_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "config/sortkey.h"
#include "stats/awards.h"
#include "stats/player_t.h"
#include "stats/weapons.h"
#include "stats/rating_model.h"

class configdata;
class resultdata;

// The ranking pages of a set, in the order they are written: the main
// page (sorted by the secondary and then the primary key), then one page
// per key.
inline constexpr int MAIN_RANKING = -1;
inline constexpr std::array<int, 8> RANKING_KEYS = {
    MAIN_RANKING, SORT_RATIO, SORT_NAME,  SORT_EFF,
    SORT_SKILL,   SORT_FRAGS, SORT_KILLS, SORT_PLAYTIME};

// What one ranking page shows: its key (or MAIN_RANKING), the key its rows
// are sorted by, the number of sorts that led to it (their progress
// displays go before the page), and its rows in order.
struct ranking_table {
  int page_key;
  int sort_key;
  int sorts;
  std::vector<const player_t*> rows;
};

// Every ranking page of the run: the set of all players (n 0), then the
// top n set when one is configured; and every player in the order of the
// main ranking of all players, as the data export lists them.
struct run_rankings {
  struct set {
    int n;
    std::vector<ranking_table> tables;
  };
  std::vector<set> sets;
  std::vector<const player_t*> main_order;
  // The run-wide name of each weapon slot (resultdata_total::weapon_name).
  std::array<std::string, MAX_WEAPONS> weapon_names;
  // The all-time awards (players by run-wide number); kept only for runs
  // with --json or --site, empty otherwise.
  std::vector<award_winner> awards;
};

// One per run, owned by the analysis driver. Owns every run-wide player
// record and, through them, every opponent record. Records are never
// removed and are created only by find_player and add_game; `players` is
// in the order of the last sort (first appearance before any sort).
class resultdata_total {
 public:
  explicit resultdata_total(configdata& config);
  resultdata_total(const resultdata_total&) = delete;
  resultdata_total& operator=(const resultdata_total&) = delete;

  // Sums one accepted game into the totals: per-weapon kills, killed and
  // suicides, games, pings, world deaths, playtime, the latest bot skill,
  // and one opponent record per other player of the game (counts from the
  // game's kill matrix, also when they are 0); with --json or --site also
  // what the awards measure, and then the game's awards are set. Returns
  // the run-wide number of each of the game's players, in the game's order.
  std::vector<int> add_game(resultdata& game);
  // A weapon slot's name on run-wide pages: each distinct name the run's
  // games gave the slot (their weapon set's, else the log's own text),
  // at most three, joined by " / ". A run that mixes mods sums the kills
  // of one weapon number in one slot, whatever weapon each mod numbers so;
  // the name says which weapons that took in.
  const std::string& weapon_name(int slot) const {
    return weapon_names[static_cast<size_t>(slot)];
  }
  // The run-wide record for a raw name: the first record whose lower-cased
  // plain name equals a candidate of the alias lookup, tried in order, and
  // finally the name's own plain form. Otherwise a new record is appended,
  // named with raw_name and numbered 1, 2, ... Never null.
  player_t* find_player(std::string_view raw_name);
  // Rates a finished game (game_rating.cc) in its pool (rating_pool_of):
  // updates the run-wide ratings of its players and sets the game's
  // rated_pool and each player's rating before and after. Call right after
  // add_game, with the numbers it returned, before any sort of the
  // players. A game with fewer than two ranked groups of rated players is
  // not rated.
  void rate_game(resultdata& game, const std::vector<int>& numbers);

  // Works out every ranking page in the order they are written, each after
  // its own sorts, and marks the listed players; call once every game is
  // added. Leaves players in the order of the last page (the player pages
  // follow it). Prints nothing: the pages' writer shows the sorts.
  run_rankings rankings();

  // The ranking sorts (ranking_sort.cc): reorder the records exactly as
  // the exchange procedure does (not stable), after storing key in
  // sort_key. sort_players also prints its progress display
  // (print_sort_display). A key they do not know ends the run once two
  // records are compared. sort_p2ps takes only 4 (kills), 5 (deaths) and
  // 6 (name).
  void sort_players(int key);
  void order_players(int key);
  // "- Sorting all players" with the progress figures of a sort of count
  // records, on the console.
  static void print_sort_display(int count);
  void sort_p2ps(player_t& player, int key);

  // What the ranking and player pages show (ranking.cc).
  // The rows of a ranking page in the current order: every player not
  // below the limits, at most n when n > 0 and at most max_players unless
  // sorted by name. Marks each row's player as listed.
  std::vector<const player_t*> ranking_rows(int n);
  // True when the configured limits leave the player out of the rankings.
  bool is_below_limits(const player_t& player) const;
  // Every player, in the current order, in two halves: the parts of the
  // opponent sorting that two threads can do at once.
  std::array<std::vector<player_t*>, 2> opponent_owner_halves() const;
  // Sorts the opponents of each of owners by kills, as sort_p2ps does but
  // leaving sort_key alone: two threads may sort distinct players' at once
  // (for instance beside the ranking pages, which do not read opponents).
  void sort_opponents(const std::vector<player_t*>& owners);
  // For every player, in the current order: sorts the opponents by kills
  // unless sort_opponents has, and sets the run-wide record of each
  // opponent with kills or deaths, so that the player pages and the
  // export only read the records. Call once, after rankings.
  void finish_opponents();

  std::vector<std::unique_ptr<player_t>> players;
  int sort_key = 0;
  configdata* config;

 private:
  award_tally award_counts;
  bool keep_awards;
  // Adds the names game gives the slots its players used.
  void note_weapon_names(const resultdata& game);
  std::array<std::string, MAX_WEAPONS> weapon_names;
  std::array<int, MAX_WEAPONS> weapon_name_count{};

  // Puts player's opponents in order (order[new position] = old one).
  void reorder_opponents(player_t& player, const std::vector<int>& order);
  // A player's opponent records by opponent name number, in an
  // open-addressing table: the lookups for one player stay close together,
  // at 16 bytes or so per pair.
  struct opponent_index {
    // The table entry (position in the opponent list + 1, 0 for none) for
    // name, made when new.
    uint32_t& entry(uint32_t name);
    // Asks the memory for name's table slot ahead of entry.
    void prefetch(uint32_t name) const;
    void grow();
    // Follows a reordering of the list: order[new position] = old one.
    void reorder(const std::vector<int>& order);

    std::vector<std::pair<uint32_t, uint32_t>> slots;  // name + 1, entry
    size_t used = 0;
  };

  player_t* lookup(const std::string& key) const;
  // The number of a lower-cased plain name, given on first sight.
  uint32_t name_number(const std::string& key);
  // The position of the opponent record of name in player's list.
  size_t find_p2p(player_t& player, uint32_t name, std::string_view raw_name);

  // Lower-cased plain name to record; names are unique among the records.
  std::unordered_map<std::string, player_t*> player_index;
  // The opponent records of a long run run to millions of pairs; they are
  // found by the owner's number and the opponent's name number.
  std::unordered_map<std::string, uint32_t> name_numbers;
  std::vector<opponent_index> opponent_indexes;  // by player number - 1

  // The rating's model and the scratch of rate_game, kept from game to
  // game: rating a game allocates nothing once a game as large was seen.
  weng_lin rating_model{RATING_PARAMS};
  std::vector<rated_player> rated;
  std::vector<int> rated_slots;  // each rated player's index in the game
  std::vector<double> group_ranks;
  std::vector<int> group_teams;  // a team game's team code of each group
};

#endif  // MORV_STATS_RESULTDATA_TOTAL_H_
