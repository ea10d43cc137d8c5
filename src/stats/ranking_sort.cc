// The ranking sort: the exchange procedure on the run-wide player list and
// on a player's opponent list.
#include "stats/resultdata_total.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>
#include <utility>

#include "config/sortkey.h"
#include "main/fatal_error.h"

namespace {

unsigned char lower_byte(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// True when a, lower-cased, compares greater than b, lower-cased, byte-wise
// as unsigned bytes (a prefix comes first).
bool lower_greater(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = lower_byte(a[i]);
    unsigned char y = lower_byte(b[i]);
    if (x != y) return x > y;
  }
  return a.size() > b.size();
}

// Whether b must come before a in the player ranking.
bool player_before(const player_t& a, const player_t& b, int key) {
  switch (key) {
    case SORT_TEAM: return a.team < b.team;
    case SORT_RATIO: return a.ratio() < b.ratio();
    case SORT_EFF: return a.eff() < b.eff();
    case SORT_SKILL: return a.skill() < b.skill();
    case SORT_KILLS: return a.kills[0] < b.kills[0];
    case SORT_KILLED: return a.killed[0] < b.killed[0];
    case SORT_NAME: return lower_greater(a.plain_name, b.plain_name);
    case SORT_FRAGS: return a.frags() < b.frags();
    case SORT_SCORE: return a.score() < b.score();
    case SORT_PLAYTIME: return a.playtime < b.playtime;
    default: fatal_error("resultdata_total::sort_players - invalid case");
  }
}

// Whether b must come before a in an opponent list.
bool p2p_before(const p2p_t& a, const p2p_t& b, int key) {
  switch (key) {
    case SORT_KILLS: return a.kills[0] < b.kills[0];
    case SORT_KILLED: return a.deaths[0] < b.deaths[0];
    case SORT_NAME: return lower_greater(a.plain_name, b.plain_name);
    default: fatal_error("resultdata_total::sort_p2ps - invalid case");
  }
}

// Exchanges the node behind pa with the node behind pb (which stands
// later in the list) by relinking; no record contents move.
template <typename node>
void exchange(node* pa, node* pb) {
  std::unique_ptr<node> a = std::move(pa->next);
  if (pb == a.get()) {
    std::unique_ptr<node> b = std::move(a->next);
    a->next = std::move(b->next);
    b->next = std::move(a);
    pa->next = std::move(b);
  } else {
    std::unique_ptr<node> b = std::move(pb->next);
    std::swap(a->next, b->next);
    pb->next = std::move(a);
    pa->next = std::move(b);
  }
}

// The exchange procedure: pass i brings to position i a node that no later
// node must precede; each exchange moves the front node to the place of the
// node it was exchanged with. The order of equal keys depends on this, and
// the pages show it, so it must not be replaced by another sort.
template <typename node, typename before_fn, typename step_fn>
void exchange_sort(node& head, int p_count, const char* operation,
                   before_fn before, step_fn on_step) {
  node* pa = &head;
  node* a = head.next.get();
  for (int i = 0; i < p_count - 1; ++i) {
    on_step();
    node* pb = a;
    node* b = a ? a->next.get() : nullptr;
    for (int j = i + 1; j < p_count; ++j) {
      if (a == nullptr || b == nullptr) {
        fatal_error("resultdata_total::%s: error for i=%i, j=%i, p_count=%i",
                    operation, i, j, p_count);
      }
      if (!before(*a, *b)) {
        pb = b;
        b = b->next.get();
        continue;
      }
      exchange(pa, pb);
      pb = a;
      a = b;
      b = pb->next.get();
    }
    pa = a;
    a = a->next.get();
  }
}

}  // namespace

void resultdata_total::sort_players(int key) {
  const int p_count = count_players();
  sort_key = key;
  std::printf("\n- Sorting all players        ");
  int k = 0;
  exchange_sort(
      players, p_count, "sort_players",
      [key](const player_t& a, const player_t& b) {
        return player_before(a, b, key);
      },
      [&k, p_count] {
        ++k;
        std::printf("\b\b\b\b\b\b\b(%3i %%)",
                    static_cast<int>(int64_t{k} * 100 / p_count));
      });
  std::printf("\b\b\b\b\b\b\b(100 %%)\n");
}

void resultdata_total::sort_p2ps(player_t& player, int key) {
  const int p_count = count_p2ps(player);
  sort_key = key;
  exchange_sort(
      player.p2ps, p_count, "sort_p2ps",
      [key](const p2p_t& a, const p2p_t& b) { return p2p_before(a, b, key); },
      [] {});
}
