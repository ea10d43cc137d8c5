// Tests of add_kill: kills outside the teams, deaths without a killer,
// bots and dropped kills.
#include "stats/game_test_util.h"

constexpr int WORLD = 1022;

using kill_events_test = game_record_test;

// Outside teams 0 to 2 a kill counts in the matrix and the streak only;
// deaths without a player killer count as deaths of victim and team.
TEST_F(kill_events_test, kills_outside_teams_and_deaths_without_killer) {
  game->client_userinfo(0, "A", HUMAN, -1, 0);
  game->client_userinfo(1, "B", HUMAN, -1, 0);
  game->client_userinfo(2, "C", HUMAN, 2, 0);
  game->add_kill(0, 1, 4, 5);
  EXPECT_EQ(p(0).kills[0] + p(1).killed[0] + p(0).teamkills[0], 0u);
  EXPECT_EQ(game->get_kills(0, 1, 4), 1);
  EXPECT_EQ(game->streak[0], 1);
  for (int killer : {WORLD, 16, 512, -1}) game->add_kill(killer, 2, 19, 5);
  EXPECT_EQ(p(2).deaths, 4u);
  EXPECT_EQ(game->get_team(2).deaths, 4u);
  EXPECT_EQ(p(2).killed[0], 0u);
}

// Bot kills count nowhere with skip_bots; unknown clients and a closed
// game drop a kill (status 2).
TEST_F(kill_events_test, skipped_and_dropped_kills) {
  game->client_userinfo(3, "Bot", 3, 0, 0);  // player 0
  game->client_userinfo(1, "B", HUMAN, 0, 0);
  config.skip_bots = true;
  EXPECT_EQ(game->add_kill(3, 1, 7, 5), 1);
  config.skip_bots = false;
  EXPECT_EQ(game->add_kill(3, 1, 7, 5), 0);
  EXPECT_EQ(p(1).killed[0], 1u);
  EXPECT_EQ(game->get_kills(0, 1, 7), 1);
  game->client_connect(5, 0);  // slot 5 never sent its settings
  EXPECT_EQ(game->add_kill(5, 1, 7, 5), 2);
  EXPECT_EQ(game->add_kill(1, 5, 7, 5), 2);
  EXPECT_EQ(game->add_kill(WORLD, 5, 7, 5), 2);
  game->end_game(10);
  EXPECT_EQ(game->add_kill(3, 1, 7, 15), 2);
  EXPECT_EQ(p(1).killed[0] + p(1).kills[0] + p(1).deaths, 1u);
}
