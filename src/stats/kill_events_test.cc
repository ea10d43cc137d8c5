// Tests of add_kill: kills outside the teams, deaths without a killer,
// bots, dropped kills, weapon numbers and streaks.
#include <string>

#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

constexpr int WORLD = 1022;

class kill_events_test : public game_record_test {
 protected:
  // Clients 0, 1, 2 become players 0, 1, 2 in the given teams.
  void join(int team0, int team1, int team2 = 0) {
    game->client_userinfo(0, "A", HUMAN, team0, 0);
    game->client_userinfo(1, "B", HUMAN, team1, 0);
    game->client_userinfo(2, "C", HUMAN, team2, 0);
  }
};

}  // namespace

// Outside teams 0 to 2 (unknown, spectators) a kill counts in the matrix
// and the streak only.
TEST_F(kill_events_test, kills_outside_the_playing_teams) {
  join(-1, -1);
  game->add_kill(0, 1, 4, 5);
  EXPECT_EQ(p(0).kills[0] + p(1).killed[0] + p(0).teamkills[0], 0u);
  EXPECT_EQ(game->get_kills(0, 1, 4), 1);
  EXPECT_EQ(game->streak[0], 1);
}

TEST_F(kill_events_test, deaths_not_caused_by_a_player) {
  join(2, 0);
  for (int killer : {WORLD, 16, 512, -1}) game->add_kill(killer, 0, 19, 5);
  EXPECT_EQ(p(0).deaths, 4u);
  EXPECT_EQ(game->get_team(2).deaths, 4u);
  EXPECT_EQ(p(0).killed[0], 0u);
  EXPECT_EQ(game->get_kills(0, 0, 19), 0);
}

TEST_F(kill_events_test, victim_beyond_capacity_still_starts_a_new_life) {
  game->client_userinfo(40, "Far", HUMAN, 0, 0);  // player 0, slot 40
  game->client_userinfo(1, "B", HUMAN, 0, 0);
  game->streak[40] = 4;
  EXPECT_EQ(game->add_kill(1, 40, 7, 33), 0);
  EXPECT_EQ(p(0).mkiol, 4);
  EXPECT_EQ(p(0).killed[0], 0u);  // 40 is not a client
  EXPECT_EQ(p(1).kills[0], 0u);
  EXPECT_EQ(game->streak_start[40], 33);
}

// With skip_bots a kill by or of a bot counts nowhere (the recorded runs
// have no bot that kills a human).
TEST_F(kill_events_test, kills_by_bots_skipped_only_with_skip_bots) {
  game->client_userinfo(0, "Bot", 3, 0, 0);
  game->client_userinfo(1, "Human", HUMAN, 0, 0);
  config.skip_bots = true;
  EXPECT_EQ(game->add_kill(0, 1, 7, 5), 1);
  EXPECT_EQ(p(1).killed[0], 0u);
  EXPECT_EQ(game->get_kills(0, 1, 7), 0);
  config.skip_bots = false;
  EXPECT_EQ(game->add_kill(0, 1, 7, 5), 0);
  EXPECT_EQ(p(1).killed[0], 1u);
}

TEST_F(kill_events_test, dropped_kills) {
  join(0, 0);
  game->client_connect(5, 0);  // slot 5 never sent its settings
  EXPECT_EQ(game->add_kill(5, 0, 7, 5), 2);
  EXPECT_EQ(game->add_kill(0, 5, 7, 5), 2);
  EXPECT_EQ(game->add_kill(WORLD, 5, 7, 5), 2);
  game->end_game(10);
  EXPECT_EQ(game->add_kill(0, 1, 7, 15), 2);
  EXPECT_EQ(p(0).kills[0] + p(0).killed[0] + p(0).deaths, 0u);
  EXPECT_EQ(game->get_kills(0, 1, 7), 0);
}

TEST_F(kill_events_test, weapon_numbers_outside_the_table) {
  join(0, 0);
  for (int weapon : {45, 40, -3}) {
    begin_capture();
    game->add_kill(0, 1, weapon, 5);
    EXPECT_EQ(end_capture(),
              "\nWARNING: weapon id > MAX_WEAPONS, weapon id reset to zero\n")
        << weapon;
  }
  EXPECT_EQ(p(0).kills[0], 3u);
  EXPECT_EQ(game->get_kills(0, 1, 0), 3);
}

TEST_F(kill_events_test, suicide_ends_the_life) {
  join(0, 0);
  game->add_kill(0, 1, 7, 5);
  game->add_kill(0, 0, 6, 9);  // A: 1 kill in 9 s
  game->end_game(100);
  EXPECT_EQ(p(0).suicides[6], 1u);
  EXPECT_EQ(p(0).mkiol, 1);
  EXPECT_EQ(p(0).mkiol_time, 9);
}

TEST_F(kill_events_test, streaks) {
  join(0, 0, 0);
  for (int t = 10; t < 14; ++t) game->add_kill(0, 1 + t % 2, 7, t);
  game->add_kill(1, 2, 7, 20);
  game->add_kill(2, 0, 7, 40);  // A: 4 kills in 40 s
  game->add_kill(0, 1, 7, 41);  // B: 1 kill in 29 s
  game->add_kill(1, 0, 7, 80);
  game->add_kill(0, 1, 7, 90);  // B: 1 kill in 49 s, not a better record
  game->add_kill(2, 0, 7, 95);  // C: 2 kills, alive from 20 to the end
  game->end_game(100);
  EXPECT_EQ(p(0).mkiol, 4);
  EXPECT_EQ(p(0).mkiol_time, 40);
  EXPECT_EQ(p(1).mkiol, 1);
  EXPECT_EQ(p(1).mkiol_time, 29);
  EXPECT_EQ(p(2).mkiol, 2);
  EXPECT_EQ(p(2).mkiol_time, 80);
}
