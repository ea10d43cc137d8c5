// Differential test: the fast game and ranking sorts (every key) and the
// opponent sort (by kills) give exactly what the literal exchange procedure
// gives (players, kill matrix, list order, progress display), on random
// lists with many ties.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <tuple>
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
template <typename record, typename follows_fn>
std::vector<record> literal_order(std::vector<record> list, follows_fn follows) {
  for (size_t i = 0; i + 1 < list.size(); ++i) {
    for (size_t j = i + 1; j < list.size(); ++j) {
      if (follows(list[i], list[j])) std::swap(list[i], list[j]);
    }
  }
  return list;
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

// The items of the game's first n records in order; -1 for a record whose
// kill counters no longer name killer and victim by their items.
std::vector<int> items_of(const resultdata& game, int n) {
  std::vector<int> items;
  for (int k = 0; k < n; ++k) {
    const int ik = game.get_player(k).items;
    items.push_back(ik);
    for (int v = 0; v < n; ++v) {
      for (int w = 0; w < MAX_WEAPONS; ++w) {
        const int iv = game.get_player(v).items;
        if (game.get_kills(k, v, w) != (w % 13 ? 0 : 1 + w + n * ik + iv)) {
          items.back() = -1;
        }
      }
    }
  }
  return items;
}

}  // namespace

// n random players, each run-wide one with n / 4 random opponents, sorted
// by every key in turn (each sort starts from the order the previous one
// left, as the driver's do); the game's keys -1 and 10 leave it alone.
TEST(sort_equivalence_test, sorts_match_literal_exchange) {
  configdata config;
  resultdata game(config);
  for (int n : {0, 1, 2, 3, 5, 8, 16, 40, 80}) {
    std::mt19937 random(static_cast<uint32_t>(n));
    game.reset();
    resultdata_total totals(config);
    for (int i = 0; i < n; ++i) {
      player_t& p = game.get_player(game.add_player());
      randomize(p, random);
      p.items = i;  // names the record in the matrix checks
      player_t& q = *totals.find_player("player" + std::to_string(i));
      randomize(q, random);
      for (int k = 0; k < n / 4; ++k) {
        p2p_t& opponent = q.opponents.emplace_back();
        opponent.set_name(NAMES[random() % std::size(NAMES)]);
        opponent.kills[0] = random() % 3;
        opponent.deaths[0] = random() % 3;
      }
    }
    for (int w = 0; w < MAX_WEAPONS; w += 13) {
      for (int k = 0; k < n; ++k) {
        for (int v = 0; v < n; ++v) game.set_kills(k, v, w, 1 + w + n * k + v);
      }
    }
    for (int key = -1; key <= 10; ++key) {
      const bool valid = key >= SORT_TEAM && key <= SORT_PLAYTIME;
      const std::string at =
          "n " + std::to_string(n) + " key " + std::to_string(key);
      for (bool reverse : {false, true}) {
        std::vector<player_t> expected(game.players.begin(),
                                       game.players.begin() + n);
        if (valid) {
          expected = literal_order(expected, [&](auto& a, auto& b) {
            return reverse ? player_follows(b, a, key)
                           : player_follows(a, b, key);
          });
        }
        std::vector<int> items;
        for (const player_t& p : expected) items.push_back(p.items);
        game.sort(key, reverse);
        ASSERT_EQ(items_of(game, n), items) << at << " reverse " << reverse;
      }
      if (!valid) continue;
      std::vector<const player_t*> records;
      for (const auto& p : totals.players) records.push_back(p.get());
      records = literal_order(records, [key](auto a, auto b) {
        return player_follows(*a, *b, key);
      });
      begin_capture();
      totals.sort_players(key);
      ASSERT_EQ(end_capture(), expected_progress(n)) << at;
      for (size_t i = 0; i < records.size(); ++i) {
        ASSERT_EQ(totals.players[i].get(), records[i]) << at;
      }
      if (key != SORT_KILLS) continue;
      for (const auto& p : totals.players) {
        std::vector<p2p_t> opponents =
            literal_order(p->opponents, [](auto& a, auto& b) {
              return a.kills[0] < b.kills[0];
            });
        totals.sort_opponents({p.get()});
        for (size_t i = 0; i < opponents.size(); ++i) {
          const p2p_t& got = p->opponents[i];
          ASSERT_EQ(std::tie(got.name, got.kills[0], got.deaths[0]),
                    std::tie(opponents[i].name, opponents[i].kills[0],
                             opponents[i].deaths[0]))
              << at;
        }
      }
    }
  }
}
