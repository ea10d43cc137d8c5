// Tests of the fast exchange order against the literal exchange procedure.
#include "stats/exchange_order.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// The literal procedure: compare position i with every later j, exchange
// at once when j's rank is strictly better (lower).
std::vector<int> literal_exchange(const std::vector<int>& rank) {
  std::vector<std::pair<int, int>> list;  // rank, position
  for (size_t i = 0; i < rank.size(); ++i) {
    list.emplace_back(rank[i], static_cast<int>(i));
  }
  for (size_t i = 0; i + 1 < list.size(); ++i) {
    for (size_t j = i + 1; j < list.size(); ++j) {
      if (list[j].first < list[i].first) std::swap(list[i], list[j]);
    }
  }
  std::vector<int> order;
  for (const auto& entry : list) order.push_back(entry.second);
  return order;
}

std::string text(const std::vector<int>& values) {
  std::string result;
  for (int v : values) result += std::to_string(v) + " ";
  return result;
}

}  // namespace

TEST(exchange_order_test, small_lists) {
  struct row {
    std::vector<int> rank;
    std::vector<int> order;
  };
  const std::vector<row> rows = {
      {{}, {}},
      {{0}, {0}},
      {{0, 0, 0, 0}, {0, 1, 2, 3}},
      {{3, 2, 1, 0}, {3, 2, 1, 0}},
      // Kills 1, 1, 2 (a, b, c) sorted descending give c, b, a.
      {{1, 1, 0}, {2, 1, 0}},
      {{1, 0, 1, 0, 1}, {1, 3, 2, 0, 4}},
  };
  for (const row& r : rows) {
    EXPECT_EQ(exchange_order(r.rank), r.order) << text(r.rank);
    EXPECT_EQ(literal_exchange(r.rank), r.order) << text(r.rank);
  }
}

TEST(exchange_order_test, matches_literal_procedure_on_random_lists) {
  std::mt19937 random(12345);
  for (int round = 0; round < 3000; ++round) {
    size_t n = random() % (round < 2500 ? 40 : 400);
    // Few distinct values (many ties) in most rounds, many in some.
    int values = 1 + static_cast<int>(random() % (round % 5 == 0 ? 200 : 6));
    std::vector<int> rank(n);
    for (int& r : rank) r = static_cast<int>(random() % values);
    ASSERT_EQ(exchange_order(rank), literal_exchange(rank)) << text(rank);
  }
}

TEST(exchange_order_test, rank_positions_groups_equal_values) {
  const std::vector<double> values = {2.5, -1.0, 2.5, 7.0, -0.0, 0.0};
  std::vector<int> rank = rank_positions(
      static_cast<int>(values.size()),
      [&](int a, int b) { return values[size_t(a)] > values[size_t(b)]; });
  EXPECT_EQ(rank, (std::vector<int>{1, 3, 1, 0, 2, 2}));
}

TEST(exchange_order_test, large_group_with_many_rotations) {
  // Half the list ties at the worst value, interleaved with distinct
  // better values: every tie sees many rotations.
  std::vector<int> rank;
  for (int i = 0; i < 300; ++i) {
    rank.push_back(1000);
    rank.push_back(i % 7 == 0 ? 1000 : 999 - i);
  }
  EXPECT_EQ(exchange_order(rank), literal_exchange(rank));
}
