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
  std::string item_output(int client, int time) {
    begin_capture();
    game->add_item(client, "item_quad", time);
    return end_capture();
  }
};

}  // namespace

// A disconnected slot counts for its last player; a closed game counts
// nothing, and the next game gives the slot a new record.
TEST_F(item_events_test, slots_after_disconnect_and_end) {
  game->client_disconnect(3, 10);
  EXPECT_EQ(item_output(3, 20), "");
  game->add_ping(3, 30);
  EXPECT_EQ(p(0).pickups[item_quad], 1u);
  game->end_game(40);
  EXPECT_EQ(item_output(40, 41), "");
  game->add_ping(3, 50);
  EXPECT_EQ(p(0).ping_count, 1);
  game->start_game(60);
  game->client_userinfo(3, "Ann", HUMAN, 1, 60);
  game->add_item(3, "item_quad", 61);
  EXPECT_EQ(p(1).items, 1);
  EXPECT_EQ(p(0).items, 1);
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
    game->get_team(1).kills[0] = game->get_team(2).kills[0] = 0;
    game->end_game(11);
    EXPECT_EQ(game->teamgame, row.teamgame) << row.gamename;
  }
}

// A second close adds nothing; only slots in use are emptied, so a high
// slot, a disconnected one and one from before a start must come out empty.
TEST_F(item_events_test, end_game_closes_periods_and_empties_slots) {
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
