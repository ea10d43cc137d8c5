// Differential tests: the fast game and ranking sorts give exactly what
// the literal exchange procedures give (players, kill matrix, list order,
// progress display), for every key and both directions of the game sort,
// on random lists with many ties.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/text.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

namespace {

const char* const NAMES[] = {"ann", "Ann", "^1ann", "bob", "^2B^3ob", "",
                             "carl", "Dave", "^^7x", "\xe4rger", "zed"};

// The value a key compares, taken live from the record as the literal
// procedure does.
struct live_value {
  bool text;
  double number;
  std::string name;
};

live_value value_of(const player_t& p, int key) {
  switch (key) {
    case SORT_TEAM: return {false, double(p.team), ""};
    case SORT_RATIO: return {false, p.ratio(), ""};
    case SORT_EFF: return {false, p.eff(), ""};
    case SORT_SKILL: return {false, p.skill(), ""};
    case SORT_KILLS: return {false, double(p.kills[0]), ""};
    case SORT_KILLED: return {false, double(p.killed[0]), ""};
    case SORT_NAME: return {true, 0, diverse::to_lower(p.plain_name)};
    case SORT_FRAGS: return {false, double(p.frags()), ""};
    case SORT_SCORE: return {false, double(p.score()), ""};
    default: return {false, double(uint32_t(p.playtime)), ""};
  }
}

bool literal_out_of_order(const live_value& a, const live_value& b,
                          bool reverse) {
  if (a.text) {
    int order = a.name.compare(b.name) < 0 ? -1 : a.name == b.name ? 0 : 1;
    return reverse ? order < 0 : order > 0;
  }
  return reverse ? a.number > b.number : a.number < b.number;
}

void literal_sort(resultdata& game, int key, bool reverse) {
  int n = game.get_num_players();
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (literal_out_of_order(value_of(game.get_player(i), key),
                               value_of(game.get_player(j), key), reverse)) {
        game.swap_players(i, j);
      }
    }
  }
}

// Fills a game with n players of small random counts, so that every key
// has many ties, and a matrix in which every counter is distinct.
void fill(resultdata& game, int n, uint32_t seed) {
  std::mt19937 random(seed);
  game.reset();
  for (int i = 0; i < n; ++i) {
    player_t& p = game.get_player(game.add_player());
    p.set_name(NAMES[random() % std::size(NAMES)]);
    p.items = i;  // identity of the record
    p.team = static_cast<int>(random() % 5) - 1;
    p.kills[0] = static_cast<uint16_t>(random() % 4);
    p.killed[0] = static_cast<uint16_t>(random() % 4);
    p.suicides[0] = static_cast<uint16_t>(random() % 2);
    p.deaths = static_cast<uint16_t>(random() % 2);
    p.teamkills[0] = static_cast<uint16_t>(random() % 2);
    p.playtime = static_cast<int>(random() % 3) * 60;
  }
  for (int w = 0; w < MAX_WEAPONS; w += 13) {
    for (int k = 0; k < n; ++k) {
      for (int v = 0; v < n; ++v) game.set_kills(k, v, w, 1 + w + 7 * k + v);
    }
  }
}

// The ranking sort's literal procedure on a linked list: pass i compares
// node A at position i with every later node B and, when B must come
// first, relinks the two at once (B to position i, A to B's place).
template <typename node, typename before_fn>
void literal_list_sort(node& head, int p_count, before_fn before,
                       std::string& progress) {
  node* pa = &head;
  node* a = head.next.get();
  for (int i = 0; i < p_count - 1; ++i) {
    char figure[32];
    std::snprintf(figure, sizeof figure, "\b\b\b\b\b\b\b(%3i %%)",
                  (i + 1) * 100 / p_count);
    progress += figure;
    node* pb = a;
    node* b = a->next.get();
    for (int j = i + 1; j < p_count; ++j) {
      if (!before(*a, *b)) {
        pb = b;
        b = b->next.get();
        continue;
      }
      // Exchange A (behind pa) and B (behind pb).
      std::unique_ptr<node> owned_a = std::move(pa->next);
      if (pb == a) {
        std::unique_ptr<node> owned_b = std::move(a->next);
        a->next = std::move(owned_b->next);
        owned_b->next = std::move(owned_a);
        pa->next = std::move(owned_b);
      } else {
        std::unique_ptr<node> owned_b = std::move(pb->next);
        std::swap(owned_a->next, owned_b->next);
        pb->next = std::move(owned_a);
        pa->next = std::move(owned_b);
      }
      pb = a;
      a = b;
      b = pb->next.get();
    }
    pa = a;
    a = a->next.get();
  }
}

bool name_greater(const std::string& a, const std::string& b) {
  return diverse::to_lower(a) > diverse::to_lower(b);
}

bool literal_player_before(const player_t& a, const player_t& b, int key) {
  switch (key) {
    case SORT_TEAM: return a.team < b.team;
    case SORT_RATIO: return a.ratio() < b.ratio();
    case SORT_EFF: return a.eff() < b.eff();
    case SORT_SKILL: return a.skill() < b.skill();
    case SORT_KILLS: return a.kills[0] < b.kills[0];
    case SORT_KILLED: return a.killed[0] < b.killed[0];
    case SORT_NAME: return name_greater(a.plain_name, b.plain_name);
    case SORT_FRAGS: return a.frags() < b.frags();
    case SORT_SCORE: return a.score() < b.score();
    default: return a.playtime < b.playtime;
  }
}

bool literal_p2p_before(const p2p_t& a, const p2p_t& b, int key) {
  switch (key) {
    case SORT_KILLS: return a.kills[0] < b.kills[0];
    case SORT_KILLED: return a.deaths[0] < b.deaths[0];
    default: return name_greater(a.plain_name, b.plain_name);
  }
}

// Two equal run-wide lists of n players, each with n / 4 opponents.
void fill_totals(resultdata_total& totals, int n, uint32_t seed) {
  std::mt19937 random(seed);
  player_t* last = &totals.players;
  for (int i = 0; i < n; ++i) {
    last = last->append();
    last->set_name(NAMES[random() % std::size(NAMES)]);
    last->number = i + 1;
    last->kills[0] = random() % 4;
    last->killed[0] = random() % 4;
    last->suicides[0] = random() % 2;
    last->deaths = static_cast<uint16_t>(random() % 2);
    last->playtime = static_cast<int>(random() % 3) * 60;
    p2p_t* opponent = &last->p2ps;
    for (int k = 0; k < n / 4; ++k) {
      opponent = opponent->append();
      opponent->set_name(NAMES[random() % std::size(NAMES)]);
      opponent->kills[0] = random() % 3;
      opponent->deaths[0] = random() % 3;
    }
  }
}

template <typename node>
std::vector<std::string> order_of(node& head) {
  std::vector<std::string> names;
  for (node* p = head.next.get(); p; p = p->next.get()) {
    names.push_back(p->name + "/" + std::to_string(p->kills[0]));
  }
  return names;
}

std::vector<int> numbers_of(resultdata_total& totals) {
  std::vector<int> numbers;
  for (player_t* p = totals.players.next.get(); p; p = p->next.get()) {
    numbers.push_back(p->number);
  }
  return numbers;
}

}  // namespace

TEST(sort_equivalence_test, ranking_sorts_match_literal_list_procedure) {
  configdata config;
  uint32_t seed = 500;
  for (int n : {0, 1, 2, 3, 7, 33, 250}) {
    resultdata_total fast(config);
    resultdata_total literal(config);
    fill_totals(fast, n, ++seed);
    fill_totals(literal, n, seed);
    // Keys in turn on the same lists, so each sort starts from the order
    // the previous one left, as on the ranking pages.
    for (int key : {6, 1, 0, 2, 3, 4, 5, 7, 8, 9, 6, 4}) {
      testing::internal::CaptureStdout();
      fast.sort_players(key);
      std::string shown = testing::internal::GetCapturedStdout();
      std::string progress = "\n- Sorting all players        ";
      literal_list_sort(literal.players, n,
                        [key](const player_t& a, const player_t& b) {
                          return literal_player_before(a, b, key);
                        },
                        progress);
      progress += "\b\b\b\b\b\b\b(100 %)\n";
      ASSERT_EQ(numbers_of(fast), numbers_of(literal)) << n << " key " << key;
      ASSERT_EQ(shown, progress) << n << " key " << key;
    }
    player_t* f = fast.players.next.get();
    for (player_t* l = literal.players.next.get(); l; l = l->next.get()) {
      for (int key : {6, 4, 5, 4}) {
        std::string ignored;
        fast.sort_p2ps(*f, key);
        literal_list_sort(l->p2ps, literal.count_p2ps(*l),
                          [key](const p2p_t& a, const p2p_t& b) {
                            return literal_p2p_before(a, b, key);
                          },
                          ignored);
        ASSERT_EQ(order_of(f->p2ps), order_of(l->p2ps)) << n << " " << key;
      }
      f = f->next.get();
    }
  }
}

TEST(sort_equivalence_test, game_sort_matches_literal_exchange) {
  configdata config;
  auto fast = std::make_unique<resultdata>(config);
  auto literal = std::make_unique<resultdata>(config);
  uint32_t seed = 1;
  for (int n : {0, 1, 2, 3, 5, 8, 15, 16, 40, 80}) {
    for (int key = -1; key <= 10; ++key) {
      for (bool reverse : {false, true}) {
        ++seed;
        fill(*fast, n, seed);
        fill(*literal, n, seed);
        fast->sort(key, reverse);
        if (key >= SORT_TEAM && key <= SORT_PLAYTIME) {
          literal_sort(*literal, key, reverse);
        }
        std::string where = "n " + std::to_string(n) + " key " +
                            std::to_string(key) + " reverse " +
                            std::to_string(reverse);
        for (int i = 0; i < n; ++i) {
          ASSERT_EQ(fast->get_player(i).items, literal->get_player(i).items)
              << where << " at " << i;
        }
        ASSERT_EQ(fast->kill_matrix, literal->kill_matrix) << where;
      }
    }
  }
}

TEST(sort_equivalence_test, secondary_then_primary_as_the_driver_sorts) {
  configdata config;
  auto fast = std::make_unique<resultdata>(config);
  auto literal = std::make_unique<resultdata>(config);
  for (uint32_t seed = 100; seed < 160; ++seed) {
    int primary = static_cast<int>(seed % 10);
    int secondary = static_cast<int>((seed / 10) % 10);
    fill(*fast, 30, seed);
    fill(*literal, 30, seed);
    fast->sort(secondary, false);
    fast->sort(primary, false);
    literal_sort(*literal, secondary, false);
    literal_sort(*literal, primary, false);
    for (int i = 0; i < 30; ++i) {
      ASSERT_EQ(fast->get_player(i).items, literal->get_player(i).items)
          << seed << " at " << i;
    }
    ASSERT_EQ(fast->kill_matrix, literal->kill_matrix) << seed;
  }
}
