// Tests of the player record and the player-versus-player record.
#include "stats/player_t.h"

#include <gtest/gtest.h>

#include <string>

#include "test_util.h"
#include "stats/p2p_t.h"

namespace {

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
  const std::string at_limit(128, 'a'), over(129, 'a');
  player_t player;
  p2p_t opponent;
  EXPECT_EQ(fatal_message_of([&] {
              player.set_name(at_limit);
              opponent.set_name(at_limit);
            }),
            "");
  EXPECT_EQ(player.get_name().size() + opponent.get_name().size(), 256u);
  EXPECT_EQ(fatal_message_of([&] { player_t().set_name(over); }),
            "player_t::set_name - overflow");
  EXPECT_EQ(fatal_message_of([&] { p2p_t().set_name(over); }),
            "p2p_t::set_name - overflow");
}

TEST(player_t_test, set_name_forms_and_special_names) {
  player_t player;
  player.set_name("^1Bob<");
  EXPECT_EQ(player.plain_name, "Bob&lt;");
  // Equal text: the forms derived the first time stay.
  player.html_name = "kept";
  player.set_name("^1Bob<");
  EXPECT_EQ(player.html_name, "kept");
  player.set_name("");
  EXPECT_EQ(player.plain_name, "MORV_ERROR_EMPTY_NAME");
  player.reset();
  player.set_name("ERROR_NO_INIT");
  EXPECT_EQ(player.html_name, "");
}

TEST(player_t_test, derived_statistics_and_guards) {
  player_t player = example_player();
  EXPECT_EQ(player.frags(), 8);
  EXPECT_EQ(player.total_deaths(), 6);
  EXPECT_DOUBLE_EQ(player.skill(), 10.0 / 7.0);
  EXPECT_DOUBLE_EQ(player.eff(), 62.5);
  EXPECT_NEAR(player.ratio(), 0.40, 1e-12);
  player_t idle;
  EXPECT_EQ(idle.eff(), 0.0);
  EXPECT_EQ(idle.ratio(), -9999.0);
  player_t loser;
  loser.kills[0] = 1;
  loser.suicides[0] = 3;
  loser.deaths = 2;
  loser.teamkills[0] = 2;
  EXPECT_EQ(loser.frags(), -4);
  EXPECT_EQ(loser.score(), -6);
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

TEST(player_t_test, copies_and_reset_leave_the_lists) {
  player_t source = example_player();
  source.set_name("^2Ann");
  source.listed = true;
  source.team_history = "\x01\x02";
  source.pickups[item_health_small] = 3;
  player_t target;
  target = source;
  EXPECT_FALSE(target.listed);
  EXPECT_EQ(target.plain_name, "Ann");
  EXPECT_EQ(target.pickups, source.pickups);
  EXPECT_EQ(target.team_history, "\x01\x02");
  EXPECT_TRUE(player_t(source).listed);
  source.opponents.emplace_back().set_name("opponent");
  EXPECT_TRUE(player_t(source).opponents.empty());
  source.reset();
  EXPECT_EQ(source.get_name(), "ERROR_NO_INIT");
  EXPECT_EQ(source.team, -1);
  EXPECT_EQ(source.bot_skill, -1);
  EXPECT_EQ(source.kills[0], 0u);
  ASSERT_EQ(source.opponents.size(), 1u);
  EXPECT_EQ(source.opponents[0].get_name(), "opponent");
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
