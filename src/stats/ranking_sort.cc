// The ranking sort: the order of the exchange procedure on the run-wide
// players and on a player's opponents, found in O(n log n).
#include "stats/resultdata_total.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "config/sortkey.h"
#include "diverse/fatal_error.h"
#include "diverse/text_format.h"
#include "stats/exchange_order.h"
#include "stats/sort_value.h"

namespace {

bool valid_player_key(int key) {
  return key >= SORT_TEAM && key <= SORT_PLAYTIME;
}

bool valid_p2p_key(int key) {
  return key == SORT_KILLS || key == SORT_KILLED || key == SORT_NAME;
}

const player_t& record_of(const std::unique_ptr<player_t>& entry) {
  return *entry;
}
const p2p_t& record_of(const p2p_t& entry) { return entry; }

// The order the exchange procedure leaves the records in: positions of
// the current list, best first.
template <typename entry>
std::vector<int> exchange_order_of(const std::vector<entry>& list, int key) {
  const auto record = [&list](size_t i) -> decltype(auto) {
    return record_of(list[i]);
  };
  return exchange_order(sort_ranks(list.size(), record, key));
}

// Moves the records into the order given (order[i] = old position of the
// record that goes to position i), as the exchanges would. In place, one
// cycle of the permutation at a time: a copy of the whole list would
// double the peak memory of the opponent records.
template <typename entry>
void apply_order(std::vector<entry>& list, const std::vector<int>& order) {
  std::vector<bool> placed(list.size(), false);
  for (size_t start = 0; start < list.size(); ++start) {
    if (placed[start]) continue;
    entry held = std::move(list[start]);
    size_t i = start;
    for (;;) {
      placed[i] = true;
      const size_t from = static_cast<size_t>(order[i]);
      if (from == start) break;
      list[i] = std::move(list[from]);
      i = from;
    }
    list[i] = std::move(held);
  }
}

// The progress display of the procedure: one figure per pass, k * 100 /
// p_count for pass k, each erasing the previous one; written in blocks.
void print_progress(int p_count) {
  std::string block;
  std::string figure;
  int shown = -1;
  for (int k = 1; k < p_count; ++k) {
    int percent = static_cast<int>(int64_t{k} * 100 / p_count);
    if (percent != shown) {
      figure = formatted("\b\b\b\b\b\b\b(%3i %%)", percent);
      shown = percent;
    }
    block += figure;
    if (block.size() >= 1 << 16) {
      std::fwrite(block.data(), 1, block.size(), stdout);
      block.clear();
    }
  }
  std::fwrite(block.data(), 1, block.size(), stdout);
}

}  // namespace

void resultdata_total::sort_players(int key) {
  const int count = static_cast<int>(players.size());
  if (count >= 2 && !valid_player_key(key)) {
    // The procedure shows its first figure, then meets the key.
    std::printf("\n- Sorting all players        ");
    std::printf("\b\b\b\b\b\b\b(%3i %%)", 100 / count);
    fatal_error("resultdata_total::sort_players - invalid case");
  }
  order_players(key);
  print_sort_display(count);
}

void resultdata_total::order_players(int key) {
  sort_key = key;
  if (players.size() < 2) return;
  if (!valid_player_key(key)) {
    fatal_error("resultdata_total::sort_players - invalid case");
  }
  apply_order(players, exchange_order_of(players, key));
}

void resultdata_total::print_sort_display(int count) {
  std::printf("\n- Sorting all players        ");
  print_progress(count);
  std::printf("\b\b\b\b\b\b\b(100 %%)\n");
}

void resultdata_total::sort_p2ps(player_t& player, int key) {
  sort_key = key;
  if (player.opponents.size() < 2) return;
  if (!valid_p2p_key(key)) {
    fatal_error("resultdata_total::sort_p2ps - invalid case");
  }
  reorder_opponents(player, exchange_order_of(player.opponents, key));
}

void resultdata_total::sort_opponents(const std::vector<player_t*>& owners) {
  for (player_t* player : owners) {
    if (player->opponents.size() >= 2) {
      reorder_opponents(*player,
                        exchange_order_of(player->opponents, SORT_KILLS));
    }
    player->opponents_by_kills = true;
  }
}

void resultdata_total::reorder_opponents(player_t& player,
                                         const std::vector<int>& order) {
  apply_order(player.opponents, order);
  opponent_indexes[static_cast<size_t>(player.number - 1)].reorder(order);
}
