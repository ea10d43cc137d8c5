// Tests of the totals: merging players by name and alias, summing games,
// opponent records.
#include "stats/resultdata_total.h"

#include <string>
#include <vector>

#include "config/sortkey.h"
#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

using names = std::vector<std::string>;

class resultdata_total_test : public totals_test {
 protected:
  names list() const {
    names list;
    for (const auto& p : totals.players) list.push_back(p->name);
    return list;
  }
  static names opponents(const player_t& player) {
    names list;
    for (const p2p_t& p : player.opponents) list.push_back(p.name);
    return list;
  }
};

// Records and opponent records both match by the lower-cased plain name.
TEST_F(resultdata_total_test, colour_and_case_variants_are_one_player) {
  add_game({"^1Bob", "Ann"}, {{1, 0}});
  add_game({"bob", "^3ANN", "Cid"}, {{1, 0}});
  EXPECT_EQ(list(), (names{"^1Bob", "Ann", "Cid"}));
  EXPECT_EQ(totals.players[0]->games, 2);
  EXPECT_EQ(totals.players[2]->number, 3);
  const player_t& ann = *totals.players[1];
  EXPECT_EQ(opponents(ann), (names{"^1Bob", "Cid"}));
  EXPECT_EQ(ann.opponents[0].kills[0], 2u);
}

TEST_F(resultdata_total_test, alias_group_finds_the_first_name_used) {
  config.aliases.push_back("\"Bob\" \"Robert\"\r\n");
  config.alias_count = 1;
  add_game({"Robert", "Ann"});
  add_game({"^2Bob", "Ann"});
  EXPECT_EQ(list(), (names{"Robert", "Ann"}));
  EXPECT_EQ(totals.players[0]->games, 2);
  // Opponent records ignore aliases: Ann met two names.
  EXPECT_EQ(opponents(*totals.players[1]), (names{"Robert", "^2Bob"}));
}

// Sums over games in 32 bits; team kills stay out, the last bot skill wins.
TEST_F(resultdata_total_test, sums_games_past_16_bits) {
  for (int g = 0; g < 3; ++g) {
    game.reset();
    player_t& ann = game.get_player(game.add_player());
    ann.set_name("Ann");
    ann.kills[7] = ann.deaths = 40000;
    ann.playtime = 100;
    ann.add_ping(40 + g);
    ann.bot_skill = g;
    ann.teamkills[0] = 4;
    totals.add_game(game);
  }
  const player_t& ann = *totals.players[0];
  EXPECT_EQ(ann.kills[7], 120000u);
  EXPECT_EQ(ann.deaths, 120000u);
  EXPECT_EQ(ann.playtime, 300);
  EXPECT_EQ(ann.ping_sum, 40 + 41 + 42);
  EXPECT_EQ(ann.teamkills[0], 0u);
  EXPECT_EQ(ann.bot_skill, 2);
  // A wrapped (negative) game playtime is a long time; the sum saturates.
  game.get_player(0).playtime = -1;
  totals.add_game(game);
  EXPECT_EQ(ann.playtime, INT32_MAX);
}

TEST_F(resultdata_total_test, two_slots_of_one_player_in_a_game) {
  add_game({"Bob", "^1bob", "Ann"}, {{0, 1}});
  EXPECT_EQ(list(), (names{"Bob", "Ann"}));
  const player_t& bob = *totals.players[0];
  EXPECT_EQ(bob.games, 2);
  // Each slot meets the other under one shared plain name.
  EXPECT_EQ(opponents(bob), (names{"^1bob", "Ann"}));
  EXPECT_EQ(bob.opponents[0].kills[0], 1u);
  EXPECT_EQ(bob.opponents[0].deaths[0], 1u);
}

TEST_F(resultdata_total_test, names_without_visible_text) {
  add_game({"^7", "Ann"});
  add_game({"^3^4", "Ann"});
  EXPECT_EQ(totals.players[0]->games, 2);
  EXPECT_EQ(totals.find_player("^1"), totals.players[0].get());
  // An empty raw name is stored under a substitute and found under it.
  player_t* substitute = totals.find_player("");
  EXPECT_EQ(substitute->name, "MORV_ERROR_EMPTY_NAME");
  EXPECT_EQ(totals.find_player(""), substitute);
  EXPECT_EQ(totals.players.size(), 3u);
}

TEST_F(resultdata_total_test, lookups_survive_sorting) {
  for (const char* name : {"Cid", "ann", "Bob"}) totals.find_player(name);
  begin_capture();
  totals.sort_players(SORT_NAME);
  end_capture();
  ASSERT_EQ(list(), (names{"ann", "Bob", "Cid"}));
  EXPECT_EQ(totals.find_player("^2CID")->number, 1);
  EXPECT_EQ(totals.find_player("Dan")->number, 4);
  EXPECT_EQ(list(), (names{"ann", "Bob", "Cid", "Dan"}));
}

}  // namespace
