// Ordering of a game's players and the compactions that drop bots and
// idle players, each moving the kill matrix along with the records.
#include "stats/resultdata.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/text.h"
#include "stats/exchange_order.h"

namespace {

// The value a sort key compares: a number, or the lower-cased plain name.
struct sort_value {
  double number = 0.0;
  std::string text;
};

sort_value key_value(const player_t& player, int key) {
  sort_value value;
  switch (key) {
    case SORT_TEAM: value.number = player.team; break;
    case SORT_RATIO: value.number = player.ratio(); break;
    case SORT_EFF: value.number = player.eff(); break;
    case SORT_SKILL: value.number = player.skill(); break;
    case SORT_KILLS: value.number = player.kills[0]; break;
    case SORT_KILLED: value.number = player.killed[0]; break;
    case SORT_NAME: value.text = diverse::to_lower(player.plain_name); break;
    case SORT_FRAGS: value.number = player.frags(); break;
    case SORT_SCORE: value.number = player.score(); break;
    case SORT_PLAYTIME:
      value.number = static_cast<uint32_t>(player.playtime);
      break;
  }
  return value;
}

bool out_of_order(const sort_value& a, const sort_value& b, int key,
                  bool reverse) {
  if (key == SORT_NAME) {
    // std::string compares as unsigned bytes, as strcmp does.
    int order = a.text.compare(b.text);
    return reverse ? order < 0 : order > 0;
  }
  return reverse ? a.number > b.number : a.number < b.number;
}

// Puts the player at order[i] in slot i, for every i, with its matrix row
// and column: the same as the exchanges that lead to that order.
void reorder_players(resultdata& game, const std::vector<int>& order) {
  size_t n = order.size();
  bool moved = false;
  for (size_t i = 0; i < n && !moved; ++i) moved = order[i] != int(i);
  if (!moved) return;
  std::vector<player_t> records(game.players.begin(),
                                game.players.begin() + std::ptrdiff_t(n));
  for (size_t i = 0; i < n; ++i) game.players[i] = records[size_t(order[i])];
  std::vector<uint16_t> counters(n * n);
  for (int w = 0; w < MAX_WEAPONS; ++w) {
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
  // Key values do not change while sorting, so they are taken once.
  std::vector<sort_value> values;
  values.reserve(static_cast<size_t>(num_players));
  for (int i = 0; i < num_players; ++i) {
    values.push_back(key_value(players[i], key));
  }
  // The exchange procedure's order, found without its exchanges; the
  // records and the matrix are then moved once.
  std::vector<int> order =
      exchange_order(rank_positions(num_players, [&](int a, int b) {
        return out_of_order(values[size_t(b)], values[size_t(a)], key,
                            reverse);
      }));
  reorder_players(*this, order);
}

void resultdata::swap_players(int i, int j) {
  if (i == j) return;
  player_t kept(players[i]);
  players[i] = players[j];
  players[j] = kept;
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < num_players; ++k) {
      std::swap(kill_matrix[matrix_index(k, i, w)],
                kill_matrix[matrix_index(k, j, w)]);
    }
  }
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < num_players; ++k) {
      std::swap(kill_matrix[matrix_index(i, k, w)],
                kill_matrix[matrix_index(j, k, w)]);
    }
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
    for (int k = 0; k < num_players; ++k) {
      kill_matrix[matrix_index(to, k, w)] = kill_matrix[matrix_index(from, k, w)];
    }
  }
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < num_players; ++k) {
      kill_matrix[matrix_index(k, to, w)] = kill_matrix[matrix_index(k, from, w)];
    }
  }
}
