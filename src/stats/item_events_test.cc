// Tests of pickups and pings around a disconnect, and of the end of a game.
#include "stats/game_test_util.h"
#include "test_util.h"

using item_events_test = game_record_test;

// A disconnected slot counts for its last player; a closed game counts
// nothing, silently; the next game gives the slot a new record.
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

// A second close (a ShutdownGame after Warmup) adds nothing; closing
// empties the slots.
TEST_F(item_events_test, end_game_closes_periods_and_empties_slots) {
  game->client_userinfo(3, "Ann", HUMAN, 1, 0);
  game->client_connect(3, 10);
  game->end_game(70);
  game->end_game(200);
  EXPECT_EQ(p(0).playtime, 60);
  EXPECT_EQ(game->clients[3].player, -1);
}
