// Tests of pickups and pings and of the start and end of a game in the
// record.
#include "stats/game_test_util.h"
#include "test_util.h"

using item_events_test = game_record_test;

// A disconnected slot counts for its last player; a closed game counts
// nothing (and warns of nothing), and the next game gives the slot a new
// record.
TEST_F(item_events_test, slots_after_disconnect_and_end) {
  game->client_userinfo(3, "Ann", HUMAN, 1, 0);
  game->client_disconnect(3, 10);
  begin_capture();
  game->add_item(3, "item_quad", 20);
  game->add_ping(3, 30);
  game->end_game(40);
  game->add_item(40, "item_quad", 41);
  game->add_ping(3, 50);
  EXPECT_EQ(end_capture(), "");
  EXPECT_EQ(p(0).pickups[item_quad], 1u);
  EXPECT_EQ(p(0).ping_count, 1);
  game->start_game(60);
  game->client_userinfo(3, "Ann", HUMAN, 1, 60);
  game->add_item(3, "item_quad", 61);
  EXPECT_EQ(p(1).items, 1);
  EXPECT_EQ(p(0).items, 1);
}

// A second close adds nothing; only slots in use are emptied, so a high
// slot, a disconnected one and one from before a start must come out empty.
TEST_F(item_events_test, end_game_closes_periods_and_empties_slots) {
  game->client_userinfo(3, "Ann", HUMAN, 1, 0);
  game->client_connect(3, 10);
  game->end_game(70);
  game->end_game(200);
  EXPECT_EQ(p(0).playtime, 60);
  EXPECT_EQ(game->clients[3].player, -1);
  game->client_userinfo(300, "Far", HUMAN, 1, 210);
  game->client_disconnect(450, 220);
  game->end_game(230);
  EXPECT_EQ(game->clients[300].player, -1);
  EXPECT_EQ(game->clients[450].state, 0);
  game->client_userinfo(200, "Mid", HUMAN, 1, 240);
  game->start_game(250);
  EXPECT_EQ(game->clients[200].state, 0);
}
