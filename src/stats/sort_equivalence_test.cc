// Differential tests: the fast game and ranking sorts give exactly what the
// literal exchange procedure gives (players, kill matrix, list order,
// progress display) for every key, on random lists with many ties; the
// invalid keys.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/text.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"
#include "test_util.h"

namespace {

// Colours, case, bytes above 127, and names alike in their first 8 bytes.
const char* const NAMES[] = {
    "ann", "Ann", "^1ann", "bob", "^2B^3ob", "", "carl", "Dave", "^^7x",
    "\xe4rger", "zed", "^1Longer_name_b", "longer_name_a"};

// The literal procedure: pass i compares position i with every later
// position j and exchanges the two at once when j must come first.
template <typename follows_fn, typename exchange_fn>
void literal_exchange(int n, follows_fn follows, exchange_fn exchange) {
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (follows(i, j)) exchange(i, j);
    }
  }
}

// True when b must come before a, values read live from the records.
bool player_follows(const player_t& a, const player_t& b, int key) {
  switch (key) {
    case SORT_TEAM: return a.team < b.team;
    case SORT_RATIO: return a.ratio() < b.ratio();
    case SORT_EFF: return a.eff() < b.eff();
    case SORT_SKILL: return a.skill() < b.skill();
    case SORT_KILLS: return a.kills[0] < b.kills[0];
    case SORT_KILLED: return a.killed[0] < b.killed[0];
    case SORT_NAME:
      return diverse::to_lower(a.plain_name) > diverse::to_lower(b.plain_name);
    case SORT_FRAGS: return a.frags() < b.frags();
    case SORT_SCORE: return a.score() < b.score();
    default: return a.playtime < b.playtime;
  }
}

bool p2p_follows(const p2p_t& a, const p2p_t& b, int key) {
  switch (key) {
    case SORT_KILLS: return a.kills[0] < b.kills[0];
    case SORT_KILLED: return a.deaths[0] < b.deaths[0];
    default:
      return diverse::to_lower(a.plain_name) > diverse::to_lower(b.plain_name);
  }
}

// Small random counts, so that every key has many ties.
void randomize(player_t& p, std::mt19937& random) {
  p.set_name(NAMES[random() % std::size(NAMES)]);
  p.team = static_cast<int>(random() % 5) - 1;
  p.kills[0] = static_cast<uint16_t>(random() % 4);
  p.killed[0] = static_cast<uint16_t>(random() % 4);
  p.suicides[0] = static_cast<uint16_t>(random() % 2);
  p.deaths = static_cast<uint16_t>(random() % 2);
  p.teamkills[0] = static_cast<uint16_t>(random() % 2);
  p.playtime = static_cast<int>(random() % 3) * 60;
}

// A game of n random players, items naming each record, and a matrix of
// distinct counters.
void fill_game(resultdata& game, int n, uint32_t seed) {
  std::mt19937 random(seed);
  game.reset();
  for (int i = 0; i < n; ++i) {
    player_t& p = game.get_player(game.add_player());
    randomize(p, random);
    p.items = i;
  }
  for (int w = 0; w < MAX_WEAPONS; w += 13) {
    for (int k = 0; k < n; ++k) {
      for (int v = 0; v < n; ++v) game.set_kills(k, v, w, 1 + w + n * k + v);
    }
  }
}

// The totals of n random players numbered 1..n, each with n / 4
// opponents (names may repeat: equal names make ties).
void fill_totals(resultdata_total& totals, int n, uint32_t seed) {
  std::mt19937 random(seed);
  for (int i = 0; i < n; ++i) {
    player_t& player = *totals.find_player("player" + std::to_string(i));
    randomize(player, random);
    for (int k = 0; k < n / 4; ++k) {
      p2p_t& opponent = player.opponents.emplace_back();
      opponent.set_name(NAMES[random() % std::size(NAMES)]);
      opponent.kills[0] = random() % 3;
      opponent.deaths[0] = random() % 3;
    }
  }
}

// The records of a list, by address.
std::vector<const player_t*> records_of(
    const std::vector<std::unique_ptr<player_t>>& list) {
  std::vector<const player_t*> records;
  for (const auto& p : list) records.push_back(p.get());
  return records;
}
std::vector<std::string> records_of(const std::vector<p2p_t>& list) {
  std::vector<std::string> records;  // by name, kills and deaths
  for (const p2p_t& p : list) {
    records.push_back(p.name + " " + std::to_string(p.kills[0]) + " " +
                      std::to_string(p.deaths[0]));
  }
  return records;
}

// The list sorted by the literal procedure on a copy of its records.
template <typename record, typename follows_fn>
std::vector<record> literal_order(std::vector<record> records,
                                  follows_fn follows) {
  literal_exchange(
      static_cast<int>(records.size()),
      [&](int i, int j) { return follows(records[size_t(i)], records[size_t(j)]); },
      [&](int i, int j) { std::swap(records[size_t(i)], records[size_t(j)]); });
  return records;
}

// The literal exchange of two player records with their matrix rows and
// columns.
void swap_players(resultdata& game, int i, int j) {
  if (i == j) return;
  std::swap(game.players[size_t(i)], game.players[size_t(j)]);
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < game.num_players; ++k) {
      std::swap(game.kill_matrix[game.matrix_index(k, i, w)],
                game.kill_matrix[game.matrix_index(k, j, w)]);
    }
    for (int k = 0; k < game.num_players; ++k) {
      std::swap(game.kill_matrix[game.matrix_index(i, k, w)],
                game.kill_matrix[game.matrix_index(j, k, w)]);
    }
  }
}

// The procedure's progress display: figure (i + 1) * 100 / n per pass i.
std::string expected_progress(int n) {
  std::string shown = "\n- Sorting all players        ";
  char figure[32];
  for (int i = 0; i + 1 < n; ++i) {
    std::snprintf(figure, sizeof figure, "\b\b\b\b\b\b\b(%3i %%)",
                  (i + 1) * 100 / n);
    shown += figure;
  }
  return shown + "\b\b\b\b\b\b\b(100 %)\n";
}

}  // namespace

// Each list is sorted by every key in both directions in turn, so each
// sort starts from the order the previous one left (secondary, then
// primary, as the driver sorts). Keys -1 and 10 leave the list alone.
TEST(sort_equivalence_test, game_sort_matches_literal_exchange) {
  configdata config;
  auto fast = std::make_unique<resultdata>(config);
  auto literal = std::make_unique<resultdata>(config);
  uint32_t seed = 1;
  for (int n : {0, 1, 2, 3, 5, 8, 15, 16, 40, 80}) {
    fill_game(*fast, n, ++seed);
    fill_game(*literal, n, seed);
    for (int key = -1; key <= 10; ++key) {
      for (bool reverse : {false, true}) {
        fast->sort(key, reverse);
        if (key >= SORT_TEAM && key <= SORT_PLAYTIME) {
          resultdata& game = *literal;
          literal_exchange(
              n,
              [&](int i, int j) {
                const player_t& a = game.get_player(i);
                const player_t& b = game.get_player(j);
                return reverse ? player_follows(b, a, key)
                               : player_follows(a, b, key);
              },
              [&](int i, int j) { swap_players(game, i, j); });
        }
        for (int i = 0; i < n; ++i) {
          ASSERT_EQ(fast->get_player(i).items, literal->get_player(i).items)
              << "n " << n << " key " << key << " reverse " << reverse;
        }
        ASSERT_EQ(fast->kill_matrix, literal->kill_matrix) << n << " " << key;
      }
    }
  }
}

TEST(sort_equivalence_test, ranking_sorts_match_literal_exchange) {
  configdata config;
  uint32_t seed = 500;
  for (int n : {0, 1, 2, 3, 7, 33, 250}) {
    resultdata_total totals(config);
    fill_totals(totals, n, ++seed);
    for (int key : {6, 1, 0, 2, 3, 4, 5, 7, 8, 9, 6, 4}) {
      std::vector<const player_t*> expected = literal_order(
          records_of(totals.players),
          [key](const player_t* a, const player_t* b) {
            return player_follows(*a, *b, key);
          });
      begin_capture();
      totals.sort_players(key);
      ASSERT_EQ(end_capture(), expected_progress(n)) << n << " key " << key;
      ASSERT_EQ(records_of(totals.players), expected) << n << " key " << key;
    }
    for (const auto& p : totals.players) {
      for (int key : {6, 4, 5, 4}) {
        std::vector<p2p_t> copy = p->opponents;
        std::vector<p2p_t> expected =
            literal_order(copy, [key](const p2p_t& a, const p2p_t& b) {
              return p2p_follows(a, b, key);
            });
        totals.sort_p2ps(*p, key);
        ASSERT_EQ(records_of(p->opponents), records_of(expected))
            << n << " key " << key;
      }
    }
  }
}

// Invalid keys are fatal once a list has two entries; shorter lists never
// look at the key.
TEST(sort_equivalence_test, invalid_keys_are_fatal) {
  configdata config;
  resultdata_total totals(config);
  player_t& only = *totals.find_player("a");
  only.opponents.emplace_back().set_name("x");
  begin_capture();
  EXPECT_EQ(fatal_message_of([&] { totals.sort_players(42); }), "");
  EXPECT_EQ(fatal_message_of([&] { totals.sort_p2ps(only, 7); }), "");
  EXPECT_EQ(totals.sort_key, 7);
  totals.find_player("b");
  only.opponents.emplace_back().set_name("y");
  EXPECT_EQ(fatal_message_of([&] { totals.sort_players(10); }),
            "resultdata_total::sort_players - invalid case");
  EXPECT_EQ(fatal_message_of([&] { totals.sort_p2ps(only, 0); }),
            "resultdata_total::sort_p2ps - invalid case");
  end_capture();
}
