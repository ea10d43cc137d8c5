// Tests of add_kill: bots, teams, and kills dropped for unknown clients or
// a closed game.
#include "stats/game_test_util.h"

constexpr int WORLD = 1022;

using kill_events_test = game_record_test;

// Bot kills count nowhere with skip_bots; between players outside teams 0
// to 2 a kill counts in the matrix only; unknown clients and a closed game
// drop a kill (status 2).
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
  game->client_userinfo(6, "C", HUMAN, -1, 0);  // player 2
  game->client_userinfo(7, "D", HUMAN, -1, 0);
  EXPECT_EQ(game->add_kill(6, 7, 4, 5), 0);
  EXPECT_EQ(p(2).kills[0] + p(3).killed[0] + p(2).teamkills[0], 0u);
  EXPECT_EQ(game->get_kills(2, 3, 4), 1);
  game->end_game(10);
  EXPECT_EQ(game->add_kill(3, 1, 7, 15), 2);
  EXPECT_EQ(p(1).killed[0] + p(1).kills[0] + p(1).deaths, 1u);
}

// With --site every kill notes the running scores: a long game's timeline
// stays bounded and evenly thinned, its latest change exact; being killed
// changes no score.
TEST(frag_timeline_test, kills_fill_a_bounded_even_timeline) {
  configdata config;
  config.site_directory = "site";
  auto game = std::make_unique<resultdata>(config);
  game->reset();
  game->start_game(0);
  game->client_userinfo(0, "A", HUMAN, 0, 0);
  game->client_userinfo(1, "B", HUMAN, 0, 0);
  for (int t = 1; t <= 1000; ++t) game->add_kill(0, 1, 7, t);
  game->add_kill(WORLD, 0, 16, 2000);
  const frag_timeline& a = game->get_player(0).timeline;
  const std::vector<score_point>& kept = a.points();
  ASSERT_GE(kept.size(), frag_timeline::MAX_POINTS / 2);
  EXPECT_LE(kept.size(), frag_timeline::MAX_POINTS);
  for (size_t i = 1; i < kept.size(); ++i) {
    EXPECT_EQ(kept[i].time - kept[i - 1].time, kept[0].time) << i;
    EXPECT_EQ(kept[i].score, kept[i].time) << i;
  }
  EXPECT_EQ(2000, a.last().time);
  EXPECT_EQ(999, a.last().score);
  EXPECT_EQ(0u, game->get_player(1).timeline.changes());
}
