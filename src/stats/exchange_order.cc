// The exchange sort's order from the queue characterisation, with Fenwick
// trees for the counts and for placing the queue's elements.
#include "stats/exchange_order.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace {

// Counts over positions 0 to size - 1, each holding 0 or 1.
class counting_tree {
 public:
  explicit counting_tree(size_t size) : tree(size + 1, 0) {}

  // Every position set, built in linear time.
  void set_all() {
    for (size_t i = 1; i < tree.size(); ++i) {
      tree[i] = static_cast<int>(i & (~i + 1));
    }
  }
  void add(size_t position, int delta) {
    for (size_t i = position + 1; i < tree.size(); i += i & (~i + 1)) {
      tree[i] += delta;
    }
  }
  // Set positions in [begin, end).
  int count(size_t begin, size_t end) const {
    return end > begin ? prefix(end) - prefix(begin) : 0;
  }
  // The set position with `k` set positions before it.
  size_t find(int k) const {
    size_t at = 0;
    size_t step = 1;
    while (step * 2 < tree.size()) step *= 2;
    for (; step > 0; step /= 2) {
      if (at + step < tree.size() && tree[at + step] <= k) {
        at += step;
        k -= tree[at];
      }
    }
    return at;
  }

 private:
  int prefix(size_t end) const {
    int sum = 0;
    for (size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree[i];
    return sum;
  }

  std::vector<int> tree;
};

// The queue of one group: positions in list order, and after each the
// number of better elements met before the next one (or the end). Appends
// the group's final order to order.
void order_group(const std::vector<int>& positions,
                 const std::vector<int>& rotations, std::vector<int>& order) {
  size_t m = positions.size();
  // The queue is kept as a cycle with a front: an append goes just before
  // the front, a rotation moves the front. Only the insertion index of each
  // append in the growing cycle is recorded here.
  std::vector<int> insert_at(m);
  size_t size = 0;
  size_t front = 0;
  for (size_t k = 0; k < m; ++k) {
    insert_at[k] = static_cast<int>(front);
    front = size == 0 ? 0 : front + 1;
    ++size;
    front = (front + static_cast<size_t>(rotations[k]) % size) % size;
  }
  // Placed from the last append back: each takes the free slot with
  // insert_at free slots before it.
  counting_tree free_slots(m);
  free_slots.set_all();
  std::vector<int> cycle(m);
  for (size_t k = m; k-- > 0;) {
    size_t slot = free_slots.find(insert_at[k]);
    cycle[slot] = positions[k];
    free_slots.add(slot, -1);
  }
  for (size_t i = 0; i < m; ++i) order.push_back(cycle[(front + i) % m]);
}

// The first eight bytes of a name as a number that orders like the bytes.
uint64_t name_prefix(const std::string& name) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
    prefix = (prefix << 8) | c;
  }
  return prefix;
}

}  // namespace

std::vector<int> exchange_order(const std::vector<int>& rank) {
  size_t n = rank.size();
  int groups = 0;
  for (int r : rank) groups = std::max(groups, r + 1);
  // Positions of each group in list order (a counting sort).
  std::vector<int> start(static_cast<size_t>(groups) + 1, 0);
  for (int r : rank) ++start[static_cast<size_t>(r) + 1];
  std::partial_sum(start.begin(), start.end(), start.begin());
  std::vector<int> by_group(n);
  std::vector<int> fill(start.begin(), start.end() - 1);
  for (size_t i = 0; i < n; ++i) {
    by_group[static_cast<size_t>(fill[static_cast<size_t>(rank[i])]++)] =
        static_cast<int>(i);
  }
  std::vector<int> order;
  order.reserve(n);
  counting_tree better(n);  // positions of the groups already ordered
  std::vector<int> positions;
  std::vector<int> rotations;
  for (int g = 0; g < groups; ++g) {
    positions.assign(by_group.begin() + start[static_cast<size_t>(g)],
                     by_group.begin() + start[static_cast<size_t>(g) + 1]);
    size_t m = positions.size();
    if (m == 1) order.push_back(positions[0]);
    if (m > 1) {
      rotations.resize(m);
      for (size_t k = 0; k < m; ++k) {
        size_t end = k + 1 < m ? static_cast<size_t>(positions[k + 1]) : n;
        rotations[k] =
            better.count(static_cast<size_t>(positions[k]) + 1, end);
      }
      order_group(positions, rotations, order);
    }
    for (int p : positions) better.add(static_cast<size_t>(p), 1);
  }
  return order;
}

// Ranks of descending numbers (integers are exact in a double).
std::vector<int> rank_numbers(const std::vector<double>& values) {
  std::vector<std::pair<double, int>> sorted;
  sorted.reserve(values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    sorted.emplace_back(values[i], static_cast<int>(i));
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<int> rank(values.size());
  int group = 0;
  for (size_t i = 0; i < sorted.size(); ++i) {
    if (i > 0 && sorted[i - 1].first > sorted[i].first) ++group;
    rank[size_t(sorted[i].second)] = group;
  }
  return rank;
}

// Ranks of ascending names by unsigned bytes, a prefix first (std::string
// compares as unsigned bytes). The numeric prefixes settle most
// comparisons without touching the strings.
std::vector<int> rank_names(const std::vector<std::string>& names) {
  std::vector<std::pair<uint64_t, int>> sorted;
  sorted.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    sorted.emplace_back(name_prefix(names[i]), static_cast<int>(i));
  }
  auto less = [&names](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return names[size_t(a.second)] < names[size_t(b.second)];
  };
  std::sort(sorted.begin(), sorted.end(), less);
  std::vector<int> rank(names.size());
  int group = 0;
  for (size_t i = 0; i < sorted.size(); ++i) {
    if (i > 0 && less(sorted[i - 1], sorted[i])) ++group;
    rank[size_t(sorted[i].second)] = group;
  }
  return rank;
}
