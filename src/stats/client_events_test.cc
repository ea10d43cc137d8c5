// Tests of the client events of the game record: slots, renames,
// reconnections, spectators, playing time and team history.
#include "stats/game_test_util.h"

using client_events_test = game_record_test;

// A rename keeps the record; a human returning on the same number with the
// same name continues it, a bot gets a new one; a returning human takes the
// record of the name he now uses; another number always gets a new record.
TEST_F(client_events_test, reconnection_rules) {
  game->client_userinfo(1, "Ann", HUMAN, 0, 0);
  game->client_userinfo(1, "Anne", HUMAN, 1, 5);
  game->client_disconnect(1, 10);
  game->client_userinfo(1, "Anne", HUMAN, 0, 20);
  game->client_userinfo(2, "Bot", 2, 0, 0);
  game->client_disconnect(2, 10);
  game->client_userinfo(2, "Bot", 2, 0, 20);
  EXPECT_EQ(game->get_num_players(), 3);
  game->client_disconnect(2, 30);
  game->client_userinfo(2, "Anne", HUMAN, 2, 40);
  EXPECT_EQ(game->clients[2].player, 0);
  EXPECT_EQ(p(0).team_history, "\x01\x02");
  game->client_userinfo(4, "Anne", HUMAN, 0, 50);
  EXPECT_EQ(game->clients[4].player, 3);
}

// Team 0 adds no code (the history is a C string), repeats add none.
TEST_F(client_events_test, team_history_skips_team_0_repeats_and_stops_at_15) {
  for (int team : {0, 1, 1}) game->client_userinfo(0, "Ann", HUMAN, team, 0);
  EXPECT_EQ(p(0).team_history, "\x01");
  for (int i = 0; i < 40; ++i) {
    game->client_userinfo(0, "Ann", HUMAN, 1 + i % 2, i);
  }
  EXPECT_EQ(p(0).team_history.size(), 15u);
}

TEST_F(client_events_test, hostile_numbers_and_times) {
  for (int number : {-1, -2147483647 - 1, 512, 1022, 2147483647}) {
    game->client_connect(number, 5);
    EXPECT_EQ(game->client_userinfo(number, "X", HUMAN, 1, 5), 0) << number;
    EXPECT_EQ(game->client_disconnect(number, 9), 0) << number;
    game->leave_play(number, 9);
    game->rejoin_play(number, 9);
    game->add_ping(number, 99);
  }
  EXPECT_EQ(game->get_num_players(), 0);
  game->client_connect(511, -2147483647 - 1);
  game->client_userinfo(511, "Last", HUMAN, 0, 0);
  game->client_disconnect(511, 2147483647);
  EXPECT_EQ(p(0).playtime, -1);  // 2^32 - 1 wrapped
}
