// The order that the exchange sort of the game and ranking sorts leaves,
// computed in O(n log n) instead of with its n^2/2 comparisons.
#ifndef MORV_STATS_EXCHANGE_ORDER_H_
#define MORV_STATS_EXCHANGE_ORDER_H_

#include <algorithm>
#include <numeric>
#include <vector>

// The exchange procedure compares position i with every later position j
// and exchanges the two at once when j's value is strictly better. Its
// result is fully determined by the values: the groups of equal values
// stand from best to worst, and inside a group the order is that of a
// queue kept while walking the list in its order before the sort: each
// element of the group is appended, and each strictly better element met
// while the queue is not empty moves the queue's front to its back.
//
// rank holds each element's group, in list order: 0 for the best values,
// equal numbers for equal values. Returns the list positions in the order
// the procedure leaves them.
std::vector<int> exchange_order(const std::vector<int>& rank);

// Ranks for exchange_order from a strict weak order: better(a, b) is true
// when the value at position a is strictly better than the one at b.
template <typename Better>
std::vector<int> rank_positions(int count, Better better) {
  std::vector<int> by_value(static_cast<size_t>(count));
  std::iota(by_value.begin(), by_value.end(), 0);
  std::sort(by_value.begin(), by_value.end(), better);
  std::vector<int> rank(static_cast<size_t>(count));
  int group = 0;
  for (size_t i = 0; i < by_value.size(); ++i) {
    if (i > 0 && better(by_value[i - 1], by_value[i])) ++group;
    rank[static_cast<size_t>(by_value[i])] = group;
  }
  return rank;
}

#endif  // MORV_STATS_EXCHANGE_ORDER_H_
