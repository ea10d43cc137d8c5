// Tests of the client events of the game record: reconnections, renames
// and the team history they keep.
#include "stats/game_test_util.h"

using client_events_test = game_record_test;

// A rename keeps the record; a human returning on the same number with the
// same name continues it, a bot gets a new one; a returning human takes the
// record of the name he now uses; another number always gets a new record.
// Team 0 adds no team history code.
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
