// Tests of the totals: summing games, names without visible text.
#include "stats/resultdata_total.h"

#include "stats/game_test_util.h"

namespace {

using resultdata_total_test = totals_test;

// Sums over games in 32 bits; team kills stay out, the last bot skill wins.
TEST_F(resultdata_total_test, sums_games_past_16_bits) {
  for (int g = 0; g < 3; ++g) {
    game.reset();
    player_t& ann = game.get_player(game.add_player());
    ann.set_name("Ann");
    ann.kills[7] = ann.deaths = 40000;
    ann.playtime = 100;
    ann.bot_skill = g;
    ann.teamkills[0] = 4;
    totals.add_game(game);
  }
  const player_t& ann = *totals.players[0];
  EXPECT_EQ(ann.kills[7] + ann.deaths, 240000u);
  EXPECT_EQ(ann.playtime, 300);
  EXPECT_EQ(ann.teamkills[0], 0u);
  EXPECT_EQ(ann.bot_skill, 2);
  // A wrapped (negative) game playtime is a long time; the sum saturates.
  game.get_player(0).playtime = -1;
  totals.add_game(game);
  EXPECT_EQ(ann.playtime, INT32_MAX);
}

// Names without visible text are one player; an empty raw name is stored
// and found under a substitute (lookups after sorting: the sample run).
TEST_F(resultdata_total_test, names_without_visible_text) {
  add_game({"^7", "Ann"});
  add_game({"^3^4", "Ann"});
  EXPECT_EQ(totals.players[0]->games, 2);
  EXPECT_EQ(totals.find_player("^1"), totals.players[0].get());
  player_t* substitute = totals.find_player("");
  EXPECT_EQ(substitute->name, "MORV_ERROR_EMPTY_NAME");
  EXPECT_EQ(totals.find_player(""), substitute);
  EXPECT_EQ(totals.find_player("Dan")->number, 4);
}

}  // namespace
