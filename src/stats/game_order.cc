// Ordering of a game's players and the compactions that drop bots and
// idle players, each moving the kill matrix along with the records.
#include "stats/resultdata.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "stats/exchange_order.h"
#include "stats/sort_value.h"

namespace {

// Puts the player at order[i] in slot i, for every i, with its matrix row
// and column: the same as the exchanges that lead to that order.
void reorder_players(resultdata& game, const std::vector<int>& order) {
  size_t n = order.size();
  bool moved = false;
  for (size_t i = 0; i < n && !moved; ++i) moved = order[i] != int(i);
  if (!moved) return;
  std::vector<player_t> records(game.players.begin(),
                                game.players.begin() + std::ptrdiff_t(n));
  // order is a permutation: each copy is read once, so it can be moved.
  for (size_t i = 0; i < n; ++i) {
    game.players[i] = std::move(records[size_t(order[i])]);
  }
  std::vector<uint16_t> counters(n * n);
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!game.weapon_in_matrix(w)) continue;
    for (size_t k = 0; k < n; ++k) {
      const uint16_t* row = &game.kill_matrix[game.matrix_index(order[k], 0, w)];
      for (size_t v = 0; v < n; ++v) counters[k * n + v] = row[order[v]];
    }
    for (size_t k = 0; k < n; ++k) {
      std::copy_n(&counters[k * n], n,
                  &game.kill_matrix[game.matrix_index(int(k), 0, w)]);
    }
  }
}

bool is_human(const player_t& player) { return player.bot_skill == -1; }

bool took_part(const player_t& player) {
  return player.frags() > 0 || player.killed[0] != 0 || player.deaths != 0 ||
         player.suicides[0] != 0;
}

}  // namespace

void resultdata::sort(int key, bool reverse) {
  if (key < SORT_TEAM || key > SORT_PLAYTIME) return;
  // The exchange procedure's order, found without its exchanges; the
  // records and the matrix are then moved once.
  const auto record = [this](size_t i) -> const player_t& {
    return players[i];
  };
  reorder_players(*this, exchange_order(sort_ranks(
                             static_cast<size_t>(num_players), record, key,
                             reverse)));
}

bool resultdata::finish() {
  sort(config.sort_secondary, false);
  sort(config.sort_primary, false);
  remove_bots();
  remove_idle();
  if (num_players < 2) return false;
  order_by_team();
  collapse_team_histories();
  return true;
}

void resultdata::order_by_team() {
  if (!teamgame) return;
  // Blue first only when blue leads; red first on equal scores.
  bool blue_leads = get_team(1).score() < get_team(2).score();
  sort(SORT_TEAM, !blue_leads);
}

void resultdata::collapse_team_histories() {
  for (int i = 0; i < num_players; ++i) {
    std::string& history = players[static_cast<size_t>(i)].team_history;
    std::string collapsed;
    for (char code : history) {
      if (collapsed.empty() || collapsed.back() != code) collapsed += code;
    }
    history = collapsed;
  }
}

void resultdata::remove_bots() {
  if (config.skip_bots) compact(is_human);
}

void resultdata::remove_idle() { compact(took_part); }

void resultdata::compact(bool (*keep)(const player_t&)) {
  int old_count = num_players;
  int n = 0;
  for (int i = 0; i < old_count; ++i) {
    if (!keep(players[i])) continue;
    move_player(i, n);
    ++n;
  }
  num_players = n;
}

// The row goes first, then the column, so that the player's own diagonal
// counter (its suicides) arrives at (to, to). Uses the old num_players.
void resultdata::move_player(int from, int to) {
  if (from == to) return;
  players[to] = players[from];
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!weapon_in_matrix(w)) continue;
    for (int k = 0; k < num_players; ++k) {
      kill_matrix[matrix_index(to, k, w)] = kill_matrix[matrix_index(from, k, w)];
    }
  }
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!weapon_in_matrix(w)) continue;
    for (int k = 0; k < num_players; ++k) {
      kill_matrix[matrix_index(k, to, w)] = kill_matrix[matrix_index(k, from, w)];
    }
  }
}
