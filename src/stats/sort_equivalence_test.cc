// Differential tests: the fast game sort gives exactly the players, the
// kill matrix and the order of the literal exchange procedure, for every
// key and both directions, on random games with many ties.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/text.h"
#include "stats/resultdata.h"

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

}  // namespace

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
