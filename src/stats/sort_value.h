// The value that a sort key compares for a player, shared by the game sort
// and the ranking sort.
#ifndef MORV_STATS_SORT_VALUE_H_
#define MORV_STATS_SORT_VALUE_H_

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "config/sortkey.h"
#include "stats/exchange_order.h"

class p2p_t;
class player_t;

// The number that key (0 to 9, but not 6, the name) compares, larger is
// better; integers are exact in a double. Any other key gives playtime.
double sort_number(const player_t& player, int key);
// The name that key 6 compares: the plain name, lower-cased (A to Z only),
// ordered by unsigned bytes.
std::string sort_name(const player_t& player);
// An opponent record's number for key 4 (kills) or 5 (deaths), and its
// name for key 6.
double sort_number(const p2p_t& opponent, int key);
std::string sort_name(const p2p_t& opponent);

// The ranks that exchange_order takes for key over count records, record(i)
// giving the i-th: larger numbers first, names ascending; reverse turns
// either round. Each key value is read once (they never change while
// sorting).
template <typename record_at>
std::vector<int> sort_ranks(size_t count, record_at record, int key,
                            bool reverse = false) {
  if (key == SORT_NAME) {
    std::vector<std::string> names;
    names.reserve(count);
    for (size_t i = 0; i < count; ++i) names.push_back(sort_name(record(i)));
    std::vector<int> rank = rank_names(names);
    if (reverse && !rank.empty()) {
      const int last = *std::max_element(rank.begin(), rank.end());
      for (int& r : rank) r = last - r;
    }
    return rank;
  }
  std::vector<double> numbers;
  numbers.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const double value = sort_number(record(i), key);
    numbers.push_back(reverse ? -value : value);
  }
  return rank_numbers(numbers);
}

#endif  // MORV_STATS_SORT_VALUE_H_
