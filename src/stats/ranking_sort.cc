// The ranking sort: the order of the exchange procedure on the run-wide
// player list and on a player's opponent list, found in O(n log n).
#include "stats/resultdata_total.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "config/sortkey.h"
#include "diverse/text.h"
#include "main/fatal_error.h"
#include "stats/exchange_order.h"

namespace {

double player_value(const player_t& p, int key) {
  switch (key) {
    case SORT_TEAM: return p.team;
    case SORT_RATIO: return p.ratio();
    case SORT_EFF: return p.eff();
    case SORT_SKILL: return p.skill();
    case SORT_KILLS: return p.kills[0];
    case SORT_KILLED: return p.killed[0];
    case SORT_FRAGS: return p.frags();
    case SORT_SCORE: return p.score();
    default: return p.playtime;
  }
}

double p2p_value(const p2p_t& p, int key) {
  return key == SORT_KILLS ? p.kills[0] : p.deaths[0];
}

bool valid_player_key(int key) {
  return key >= SORT_TEAM && key <= SORT_PLAYTIME;
}

bool valid_p2p_key(int key) {
  return key == SORT_KILLS || key == SORT_KILLED || key == SORT_NAME;
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

// The first eight bytes of a name as a number that orders like the bytes.
uint64_t name_prefix(const std::string& name) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
    prefix = (prefix << 8) | c;
  }
  return prefix;
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

// Puts the list behind head (at least two nodes, a known key) in the
// order the exchange procedure leaves. The nodes are taken out of the list
// and relinked; no record is copied, as with the exchanges. The key values
// never change while sorting, so each is read once.
// Returns the number of nodes.
template <typename node, typename value_fn>
int sort_list(node& head, int key, value_fn value) {
  std::vector<node*> nodes;
  std::vector<double> numbers;
  std::vector<std::string> names;
  for (node* p = head.next.release(); p != nullptr;) {
    nodes.push_back(p);
    if (key == SORT_NAME) {
      names.push_back(diverse::to_lower(p->plain_name));
    } else {
      numbers.push_back(value(*p, key));
    }
    p = p->next.release();  // ownership is rebuilt below
  }
  std::vector<int> order = exchange_order(
      key == SORT_NAME ? rank_names(names) : rank_numbers(numbers));
  node* last = &head;
  for (int i : order) {
    last->next.reset(nodes[size_t(i)]);
    last = nodes[size_t(i)];
  }
  return static_cast<int>(nodes.size());
}

template <typename node>
bool two_or_more(const node& head) {
  return head.next != nullptr && head.next->next != nullptr;
}

// The progress display of the procedure: one figure per pass, k * 100 /
// p_count for pass k, each erasing the previous one; written in blocks.
void print_progress(int p_count) {
  std::string block;
  char figure[32];
  int length = 0;
  int shown = -1;
  for (int k = 1; k < p_count; ++k) {
    int percent = static_cast<int>(int64_t{k} * 100 / p_count);
    if (percent != shown) {
      length = std::snprintf(figure, sizeof figure,
                             "\b\b\b\b\b\b\b(%3i %%)", percent);
      shown = percent;
    }
    block.append(figure, static_cast<size_t>(length));
    if (block.size() >= 1 << 16) {
      std::fwrite(block.data(), 1, block.size(), stdout);
      block.clear();
    }
  }
  std::fwrite(block.data(), 1, block.size(), stdout);
}

}  // namespace

void resultdata_total::sort_players(int key) {
  sort_key = key;
  std::printf("\n- Sorting all players        ");
  if (!two_or_more(players)) {
    print_progress(count_players());
  } else if (valid_player_key(key)) {
    print_progress(sort_list(players, key, player_value));
  } else {
    // The procedure shows its first figure, then meets the key.
    std::printf("\b\b\b\b\b\b\b(%3i %%)",
                static_cast<int>(100 / count_players()));
    fatal_error("resultdata_total::sort_players - invalid case");
  }
  std::printf("\b\b\b\b\b\b\b(100 %%)\n");
}

void resultdata_total::sort_p2ps(player_t& player, int key) {
  sort_key = key;
  if (!two_or_more(player.p2ps)) return;
  if (!valid_p2p_key(key)) {
    fatal_error("resultdata_total::sort_p2ps - invalid case");
  }
  sort_list(player.p2ps, key, p2p_value);
}
