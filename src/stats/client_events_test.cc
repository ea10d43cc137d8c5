// Tests of the client events of the game record: slots, renames,
// reconnections, spectators, playing time and team history.
#include <string>

#include "stats/game_test_util.h"

using client_events_test = game_record_test;

TEST_F(client_events_test, reconnection_rules) {
  // A rename keeps the record; a human returning on the same number with
  // the same name continues it.
  game->client_userinfo(1, "Ann", HUMAN, 0, 0);
  game->client_userinfo(1, "Anne", HUMAN, 0, 5);
  game->client_disconnect(1, 10);
  game->client_userinfo(1, "Anne", HUMAN, 0, 20);
  EXPECT_EQ(game->get_num_players(), 1);
  // A bot doing the same gets a second record.
  game->client_userinfo(2, "Bot", 2, 0, 0);
  game->client_disconnect(2, 10);
  game->client_userinfo(2, "Bot", 2, 0, 20);
  EXPECT_EQ(game->get_num_players(), 3);
  // Another client number always gets a new record, even for a known name.
  game->client_userinfo(4, "Anne", HUMAN, 0, 30);
  EXPECT_EQ(game->clients[4].player, 3);
}

TEST_F(client_events_test, returning_human_takes_the_named_record) {
  game->client_userinfo(1, "Ann", HUMAN, 1, 0);
  game->client_userinfo(2, "Bob", HUMAN, 1, 0);
  game->client_disconnect(1, 10);
  game->client_userinfo(1, "Bob", HUMAN, 2, 20);
  EXPECT_EQ(game->clients[1].player, 1);
  EXPECT_EQ(p(1).team_history, "\x01\x02");
  EXPECT_EQ(p(0).get_name(), "Ann");
}

TEST_F(client_events_test, only_time_in_play_counts) {
  // Joins at 30, watches from 120 to the end at 600.
  game->client_connect(5, 30);
  game->client_userinfo(5, "Spec", HUMAN, 1, 30);
  game->client_userinfo(5, "Spec", HUMAN, 3, 120);
  // Watches, plays from 100, leaves at 160.
  game->client_connect(0, 0);
  game->client_userinfo(0, "Ann", HUMAN, 3, 0);
  game->client_userinfo(0, "Ann", HUMAN, 2, 100);
  game->client_disconnect(0, 160);
  // Watches only, then leaves.
  game->client_userinfo(1, "Cid", HUMAN, 3, 0);
  game->client_disconnect(1, 500);
  game->end_game(600);
  EXPECT_EQ(p(0).playtime, 90);
  EXPECT_EQ(p(1).playtime, 60);
  EXPECT_EQ(p(1).team_history, "\x03\x02");
  EXPECT_EQ(p(2).playtime, 0);
}

// Team 0 adds no code (the history is a C string), repeats add none.
TEST_F(client_events_test, team_history_skips_team_0_repeats_and_stops_at_15) {
  game->client_userinfo(0, "Ann", HUMAN, 0, 0);
  game->client_userinfo(0, "Ann", HUMAN, 1, 1);
  game->client_userinfo(0, "Ann", HUMAN, 1, 2);
  EXPECT_EQ(p(0).team_history, "\x01");
  for (int i = 0; i < 40; ++i) {
    game->client_userinfo(0, "Ann", HUMAN, 1 + i % 2, i);
  }
  EXPECT_EQ(p(0).team_history.size(), 15u);
}

// Only an active player of a 1on1 game who leaves or watches ends it (the
// reader's tests cover the active player).
TEST_F(client_events_test, one_on_one_ends_only_for_an_active_player) {
  game->set_gametype(1);
  game->client_userinfo(0, "Ann", HUMAN, 3, 0);
  EXPECT_EQ(game->client_userinfo(0, "Ann", HUMAN, 3, 11), 0);
  EXPECT_EQ(game->client_disconnect(0, 20), 0);
  EXPECT_EQ(game->client_disconnect(7, 20), 0);  // no player
  game->set_gametype(0);
  game->client_userinfo(2, "Cy", HUMAN, 0, 0);
  EXPECT_EQ(game->client_userinfo(2, "Cy", HUMAN, 3, 1), 0);
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
