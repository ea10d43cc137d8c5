// Tests of the player record and the player-versus-player record.
#include "stats/player_t.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "main/fatal_error.h"
#include "stats/p2p_t.h"

namespace {

struct fatal_exit {
  std::string message;
};

void throw_fatal(const std::string& message) { throw fatal_exit{message}; }

// Turns fatal errors into exceptions for the lifetime of the guard.
class fatal_guard {
 public:
  fatal_guard() { set_fatal_hook(throw_fatal); }
  ~fatal_guard() { set_fatal_hook(nullptr); }
};

std::string fatal_message_of(void (*action)()) {
  fatal_guard guard;
  try {
    action();
  } catch (const fatal_exit& fatal) {
    return fatal.message;
  }
  return "";
}

player_t example_player() {
  player_t player;
  player.kills[0] = 10;
  player.killed[0] = 4;
  player.suicides[0] = 1;
  player.deaths = 1;
  player.playtime = 300;
  return player;
}

}  // namespace

TEST(player_t_test, set_name_lengths_and_overflow_is_fatal) {
  player_t player;
  player.set_name(std::string(128, 'a'));
  EXPECT_EQ(player.get_name().size(), 128u);
  EXPECT_EQ(fatal_message_of([] { player_t().set_name(std::string(129, 'a')); }),
            "player_t::set_name - overflow");
  EXPECT_EQ(fatal_message_of([] { p2p_t().set_name(std::string(129, 'a')); }),
            "p2p_t::set_name - overflow");
  p2p_t opponent;
  opponent.set_name(std::string(128, 'b'));
  EXPECT_EQ(opponent.get_name().size(), 128u);
}

TEST(player_t_test, set_name_forms_and_special_names) {
  player_t player;
  player.set_name("^1Bob<");
  EXPECT_EQ(player.plain_name, "Bob&lt;");
  EXPECT_NE(player.html_name.find("Bob&lt;"), std::string::npos);
  // Equal text: the forms derived the first time stay.
  player.html_name = "kept";
  player.set_name("^1Bob<");
  EXPECT_EQ(player.html_name, "kept");
  player.set_name("");
  EXPECT_EQ(player.get_name(), "MORV_ERROR_EMPTY_NAME");
  EXPECT_EQ(player.plain_name, "MORV_ERROR_EMPTY_NAME");
  player.reset();
  player.set_name("ERROR_NO_INIT");
  EXPECT_EQ(player.html_name, "");
  EXPECT_EQ(player.plain_name, "");
}

TEST(player_t_test, derived_statistics_example) {
  player_t player = example_player();
  EXPECT_EQ(player.frags(), 8);
  EXPECT_EQ(player.total_deaths(), 6);
  char skill[16];
  std::snprintf(skill, sizeof skill, "%.2f", player.skill());
  EXPECT_STREQ(skill, "1.43");
  EXPECT_DOUBLE_EQ(player.eff(), 62.5);
  EXPECT_NEAR(player.ratio(), 0.40, 1e-12);
}

TEST(player_t_test, derived_statistics_guards) {
  player_t idle;
  EXPECT_EQ(idle.eff(), 0.0);
  EXPECT_EQ(idle.skill(), 0.0);
  EXPECT_EQ(idle.ratio(), -9999.0);
  player_t loser;
  loser.kills[0] = 1;
  loser.suicides[0] = 3;
  loser.deaths = 2;
  loser.teamkills[0] = 2;
  loser.playtime = 60;
  EXPECT_EQ(loser.frags(), -4);
  EXPECT_EQ(loser.score(), -6);
  EXPECT_LT(loser.ratio(), 0.0);
}

TEST(player_t_test, cache_keeps_nonzero_and_recomputes_zero) {
  player_t player;
  EXPECT_EQ(player.eff(), 0.0);
  player.kills[0] = 1;
  EXPECT_DOUBLE_EQ(player.eff(), 100.0);  // the cached 0.0 was recomputed
  player.killed[0] = 1;
  EXPECT_DOUBLE_EQ(player.eff(), 100.0);  // a non-zero value is kept
  player.reset();
  EXPECT_EQ(player.eff(), 0.0);
}

TEST(player_t_test, counts_beyond_sixteen_bits_do_not_wrap) {
  player_t player;
  player.kills[0] = 70000;
  player.suicides[0] = 1;
  EXPECT_EQ(player.frags(), 69999);
  player.kills[0] = 0xFFFFFFFFu;
  player.killed[0] = 0xFFFFFFFFu;
  player.suicides[0] = 0xFFFFFFFFu;
  player.deaths = 0xFFFFFFFFu;
  EXPECT_EQ(player.frags(), INT32_MIN);  // saturated, no overflow
  EXPECT_EQ(player.total_deaths(), INT32_MAX);
  EXPECT_DOUBLE_EQ(player.eff(), 25.0);
}

TEST(player_t_test, assignment_carries_all_but_listed_and_lists) {
  player_t source = example_player();
  source.set_name("^2Ann");
  source.listed = true;
  source.team_history = "\x01\x02";
  source.pickups[weapon_prox_launcher] = 7;
  source.pickups[item_health_small] = 3;
  source.mkiol = 5;
  player_t target;
  target = source;
  EXPECT_FALSE(target.listed);
  EXPECT_EQ(target.get_name(), "^2Ann");
  EXPECT_EQ(target.plain_name, "Ann");
  EXPECT_EQ(target.pickups, source.pickups);
  EXPECT_EQ(target.team_history, "\x01\x02");
  EXPECT_EQ(target.mkiol, 5);
  player_t copy(source);
  EXPECT_TRUE(copy.listed);
  EXPECT_EQ(copy.kills, source.kills);
}

TEST(player_t_test, reset_clears_fields_but_keeps_opponents) {
  player_t player = example_player();
  player.p2ps.append()->set_name("opponent");
  player.number = 4;
  player.team = 2;
  player.bot_skill = 3;
  player.reset();
  EXPECT_EQ(player.get_name(), "ERROR_NO_INIT");
  EXPECT_EQ(player.number, 0);
  EXPECT_EQ(player.team, -1);
  EXPECT_EQ(player.bot_skill, -1);
  EXPECT_EQ(player.kills[0], 0u);
  ASSERT_NE(player.p2ps.next, nullptr);
  EXPECT_EQ(player.p2ps.next->get_name(), "opponent");
}

TEST(player_t_test, long_lists_are_destroyed_without_recursion) {
  auto head = std::make_unique<player_t>();
  player_t* last = head.get();
  p2p_t* last_opponent = &head->p2ps;
  for (int i = 0; i < 200000; ++i) {
    last = last->append();
    last_opponent = last_opponent->append();
  }
  head.reset();  // would overflow the stack if released recursively
  SUCCEED();
}

TEST(player_t_test, add_ping_sums_and_wraps) {
  player_t player;
  player.add_ping(50);
  player.add_ping(70);
  EXPECT_EQ(player.ping_count, 2);
  EXPECT_EQ(player.ping_sum, 120);
  player.ping_sum = INT32_MAX;
  player.add_ping(1);
  EXPECT_EQ(player.ping_sum, INT32_MIN);
}
