// Tests of the ranking sort: tie orders, keys, progress display, and a
// comparison with a plain array form of the exchange procedure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "diverse/text.h"
#include "stats/resultdata_total.h"

namespace {

// Reference: the exchange procedure on an array, straight from its
// description: pass i compares position i with every later position j and
// exchanges the two when the later one must come first.
template <typename T, typename before_fn>
void reference_sort(std::vector<T>& items, before_fn before) {
  for (size_t i = 0; i + 1 < items.size(); ++i) {
    for (size_t j = i + 1; j < items.size(); ++j) {
      if (before(items[i], items[j])) std::swap(items[i], items[j]);
    }
  }
}

// Reference key comparisons: true when b must come before a.
bool reference_player_before(const player_t* a, const player_t* b, int key) {
  switch (key) {
    case 0: return a->team < b->team;
    case 1: return a->ratio() < b->ratio();
    case 2: return a->eff() < b->eff();
    case 3: return a->skill() < b->skill();
    case 4: return a->kills[0] < b->kills[0];
    case 5: return a->killed[0] < b->killed[0];
    case 6: return diverse::to_lower(a->plain_name) >
                   diverse::to_lower(b->plain_name);
    case 7: return a->frags() < b->frags();
    case 8: return a->score() < b->score();
    default: return a->playtime < b->playtime;
  }
}

bool reference_p2p_before(const p2p_t* a, const p2p_t* b, int key) {
  switch (key) {
    case 4: return a->kills[0] < b->kills[0];
    case 5: return a->deaths[0] < b->deaths[0];
    default: return diverse::to_lower(a->plain_name) >
                    diverse::to_lower(b->plain_name);
  }
}

template <typename node>
std::vector<node*> nodes_of(node& head) {
  std::vector<node*> nodes;
  for (node* p = head.next.get(); p; p = p->next.get()) nodes.push_back(p);
  return nodes;
}

std::vector<std::string> names_of(player_t& head) {
  std::vector<std::string> names;
  for (player_t* p : nodes_of(head)) names.push_back(p->name);
  return names;
}

class ranking_sort_test : public testing::Test {
 protected:
  player_t& add(const std::string& name, int kills = 0) {
    player_t& player = *totals.find_player(name);
    player.kills[0] = static_cast<uint32_t>(kills);
    return player;
  }
  std::string sort_players(int key) {
    testing::internal::CaptureStdout();
    totals.sort_players(key);
    return testing::internal::GetCapturedStdout();
  }

  configdata config;
  resultdata_total totals{config};
};

TEST_F(ranking_sort_test, equal_kills_are_not_kept_in_order) {
  add("a", 1);
  add("b", 1);
  add("c", 2);
  sort_players(SORT_KILLS);
  EXPECT_EQ(names_of(totals.players), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(totals.sort_key, SORT_KILLS);

  player_t& owner = *totals.players.next;
  const int kills[] = {1, 1, 2};
  for (int i = 0; i < 3; ++i) {
    totals.find_p2p(owner, std::string(1, static_cast<char>('a' + i)))
        ->kills[0] = static_cast<uint32_t>(kills[i]);
  }
  totals.sort_p2ps(owner, SORT_KILLS);
  std::vector<std::string> order;
  for (p2p_t* p : nodes_of(owner.p2ps)) order.push_back(p->name);
  EXPECT_EQ(order, (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(ranking_sort_test, name_ignores_colours_and_case) {
  add("^2carol");
  add("Bob");
  add("^1alice");
  add("bo");
  sort_players(SORT_NAME);
  EXPECT_EQ(names_of(totals.players),
            (std::vector<std::string>{"^1alice", "bo", "Bob", "^2carol"}));
}

TEST_F(ranking_sort_test, players_without_playtime_come_last_by_ratio) {
  add("idle");
  player_t& slow = add("slow", 1);
  slow.playtime = 600;
  player_t& fast = add("fast", 10);
  fast.playtime = 60;
  sort_players(SORT_RATIO);
  EXPECT_EQ(names_of(totals.players),
            (std::vector<std::string>{"fast", "slow", "idle"}));
}

TEST_F(ranking_sort_test, progress_display) {
  struct row {
    int players;
    const char* expected;
  };
  const row rows[] = {
      {0, "\n- Sorting all players        \b\b\b\b\b\b\b(100 %)\n"},
      {1, "\n- Sorting all players        \b\b\b\b\b\b\b(100 %)\n"},
      {4,
       "\n- Sorting all players        "
       "\b\b\b\b\b\b\b( 25 %)\b\b\b\b\b\b\b( 50 %)\b\b\b\b\b\b\b( 75 %)"
       "\b\b\b\b\b\b\b(100 %)\n"},
  };
  for (const row& r : rows) {
    resultdata_total fresh(config);
    for (int i = 0; i < r.players; ++i) fresh.find_player("p" + std::to_string(i));
    testing::internal::CaptureStdout();
    fresh.sort_players(SORT_KILLS);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), r.expected) << r.players;
  }
}

TEST_F(ranking_sort_test, matches_array_procedure_on_random_lists) {
  std::mt19937 random(20020508);
  const char* const names[] = {"a", "A", "^1a", "b", "^3B", "ab", "Ab", "ba"};
  auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  for (int round = 0; round < 60; ++round) {
    resultdata_total list(config);
    const int count = pick(12);
    for (int i = 0; i < count; ++i) {
      player_t& p = *list.find_player("p" + std::to_string(i));
      p.set_name(std::string(names[pick(8)]) + "^" + std::to_string(i));
      p.team = pick(3) - 1;
      p.kills[0] = static_cast<uint32_t>(pick(3));
      p.killed[0] = static_cast<uint32_t>(pick(3));
      p.suicides[0] = static_cast<uint32_t>(pick(2));
      p.playtime = pick(3) * 60;
      for (int k = 0; k < 3; ++k) {
        list.find_p2p(p, names[pick(8)]);  // ties among plain names
      }
      for (p2p_t* e : nodes_of(p.p2ps)) {
        e->kills[0] = static_cast<uint32_t>(pick(3));
        e->deaths[0] = static_cast<uint32_t>(pick(3));
      }
    }
    for (int key = 0; key <= 9; ++key) {
      std::vector<player_t*> expected = nodes_of(list.players);
      reference_sort(expected, [key](const player_t* a, const player_t* b) {
        return reference_player_before(a, b, key);
      });
      testing::internal::CaptureStdout();
      list.sort_players(key);
      testing::internal::GetCapturedStdout();
      ASSERT_EQ(nodes_of(list.players), expected) << round << " key " << key;
    }
    for (player_t* p : nodes_of(list.players)) {
      for (int key : {4, 5, 6}) {
        std::vector<p2p_t*> expected = nodes_of(p->p2ps);
        reference_sort(expected, [key](const p2p_t* a, const p2p_t* b) {
          return reference_p2p_before(a, b, key);
        });
        list.sort_p2ps(*p, key);
        ASSERT_EQ(nodes_of(p->p2ps), expected) << round << " key " << key;
      }
    }
  }
}

TEST_F(ranking_sort_test, short_lists_never_check_the_key) {
  add("only");
  sort_players(42);
  totals.sort_p2ps(*totals.players.next, 7);
  EXPECT_EQ(totals.sort_key, 7);
}

TEST_F(ranking_sort_test, invalid_keys_are_fatal) {
  add("a");
  add("b");
  totals.find_p2p(*totals.players.next, "x");
  totals.find_p2p(*totals.players.next, "y");
  const auto quiet = [] {
    std::freopen("/dev/null", "r", stdin);
    std::fflush(stdout);
    dup2(2, 1);
  };
  EXPECT_EXIT((quiet(), totals.sort_players(10)), testing::ExitedWithCode(1),
              "ERROR: resultdata_total::sort_players - invalid case");
  EXPECT_EXIT((quiet(), totals.sort_p2ps(*totals.players.next, 0)),
              testing::ExitedWithCode(1),
              "ERROR: resultdata_total::sort_p2ps - invalid case");
}

}  // namespace
