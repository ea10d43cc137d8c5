// Tests of pickups and pings and of the start and end of a game in the
// record.
#include <string>

#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

class item_events_test : public game_record_test {
 protected:
  void SetUp() override {
    game_record_test::SetUp();
    game->client_userinfo(3, "Ann", HUMAN, 1, 0);
  }
  player_t& ann() { return p(0); }
  std::string item_output(int client, const char* item, int time) {
    begin_capture();
    game->add_item(client, item, time);
    return end_capture();
  }
};

}  // namespace

TEST_F(item_events_test, warnings_with_logtime) {
  const char* const overflow =
      "\nWARNING: player_id overflow in resultdata::add_item"
      "\nLOGTIME: 2:05 min\n";
  const char* const never =
      "\nWARNING: client 6 never connected (glitch in logfile?)"
      "\nLOGTIME: 2:05 min\n";
  game->client_disconnect(6, 10);  // state 2, but no settings were sent
  const struct {
    int client;
    const char* output;
  } rows[] = {{40, overflow}, {16, overflow}, {-1, overflow}, {6, never}};
  for (const auto& row : rows) {
    EXPECT_EQ(item_output(row.client, "item_quad", 125), row.output)
        << row.client;
  }
  EXPECT_EQ(ann().items, 0);
}

TEST_F(item_events_test, disconnected_slot_counts_for_its_last_player) {
  game->client_disconnect(3, 10);
  EXPECT_EQ(item_output(3, "item_quad", 20), "");
  game->add_ping(3, 30);
  EXPECT_EQ(ann().pickups[item_quad], 1u);
  EXPECT_EQ(ann().ping_count, 1);
}

TEST_F(item_events_test, nothing_counts_while_not_running) {
  game->end_game(5);
  EXPECT_EQ(item_output(40, "item_quad", 6), "");
  game->add_ping(3, 50);
  game->start_game(7);
  game->client_userinfo(3, "Ann", HUMAN, 1, 7);
  game->add_item(3, "item_quad", 8);
  EXPECT_EQ(game->get_num_players(), 2);  // a new game slot, a new record
  EXPECT_EQ(p(1).items, 1);
  EXPECT_EQ(ann().items, 0);
  EXPECT_EQ(ann().ping_count, 0);
}

// Team kills decide, except in arena games; once set, only start_game
// clears the decision.
TEST_F(item_events_test, team_game_decision) {
  const struct {
    int red_kills, blue_kills;
    const char* gamename;
    bool teamgame;
  } rows[] = {{1, 0, "baseq3", true}, {0, 0, "baseq3", false},
              {0, 2, "", true}, {3, 4, "arena", false}};
  for (const auto& row : rows) {
    game->start_game(0);
    game->get_team(1).kills[0] = row.red_kills;
    game->get_team(2).kills[0] = row.blue_kills;
    game->gamename = row.gamename;
    game->end_game(10);
    EXPECT_EQ(game->teamgame, row.teamgame) << row.gamename;
  }
  game->get_team(1).kills[0] = 1;
  game->gamename = "x";
  game->end_game(10);
  game->get_team(1).kills[0] = 0;
  game->end_game(11);
  EXPECT_TRUE(game->teamgame);
}

TEST_F(item_events_test, end_game_closes_periods_and_empties_slots) {
  game->client_connect(3, 10);
  game->end_game(70);
  EXPECT_EQ(ann().playtime, 60);
  EXPECT_FALSE(game->running);
  EXPECT_EQ(game->clients[3].player, -1);
  game->end_game(200);  // a second close adds nothing
  EXPECT_EQ(ann().playtime, 60);
  // Only the slots in use are emptied: a high slot, a disconnected one,
  // and one from before a start must all come out empty.
  game->client_userinfo(300, "Far", HUMAN, 1, 210);
  game->client_disconnect(450, 220);
  game->end_game(230);
  EXPECT_EQ(game->clients[300].player, -1);
  EXPECT_EQ(game->clients[450].state, 0);
  game->client_userinfo(200, "Mid", HUMAN, 1, 240);
  game->start_game(250);
  EXPECT_EQ(game->clients[200].state, 0);
}
