// The order that the exchange sort of the game and ranking sorts leaves,
// computed in O(n log n) instead of with its n^2/2 comparisons.
#ifndef MORV_STATS_EXCHANGE_ORDER_H_
#define MORV_STATS_EXCHANGE_ORDER_H_

#include <string>
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

// Ranks for exchange_order (0 for the best, equal values share a rank):
// of numbers, larger is better (integers are exact in a double); of names,
// ascending by unsigned bytes.
std::vector<int> rank_numbers(const std::vector<double>& values);
std::vector<int> rank_names(const std::vector<std::string>& names);

#endif  // MORV_STATS_EXCHANGE_ORDER_H_
