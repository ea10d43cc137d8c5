// Tests of the totals: merging players by name and alias, summing games,
// opponent records.
#include "stats/resultdata_total.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/configdata.h"
#include "stats/resultdata.h"

namespace {

struct kill {
  int killer;
  int victim;
  int weapon;
};

// Fills game with one player per name and the given kills, counted in the
// kill matrix and in both players' records as the log reader would.
void fill_game(resultdata& game, const std::vector<std::string>& names,
               const std::vector<kill>& kills = {}) {
  game.reset();
  for (const std::string& name : names) {
    game.get_player(game.add_player()).set_name(name);
  }
  for (const kill& k : kills) {
    for (int w : {0, k.weapon}) {
      game.count_kill(k.killer, k.victim, w);
      game.get_player(k.killer).kills[w]++;
      game.get_player(k.victim).killed[w]++;
    }
  }
}

std::vector<std::string> list_names(const resultdata_total& totals) {
  std::vector<std::string> names;
  for (const auto& p : totals.players) names.push_back(p->name);
  return names;
}

std::vector<std::string> opponent_names(const player_t& player) {
  std::vector<std::string> names;
  for (const p2p_t& p : player.opponents) names.push_back(p.name);
  return names;
}

class resultdata_total_test : public testing::Test {
 protected:
  configdata config;
  resultdata game{config};
  resultdata_total totals{config};
};

TEST_F(resultdata_total_test, colour_and_case_variants_are_one_player) {
  fill_game(game, {"^1Bob", "Ann"});
  totals.add_game(game);
  fill_game(game, {"bob", "^3ANN", "Cid"});
  totals.add_game(game);

  EXPECT_EQ(list_names(totals),
            (std::vector<std::string>{"^1Bob", "Ann", "Cid"}));
  const player_t* bob = totals.players[0].get();
  EXPECT_EQ(bob->number, 1);
  EXPECT_EQ(bob->games, 2);
  EXPECT_EQ(totals.players[1]->number, 2);
  EXPECT_EQ(totals.players[2]->number, 3);
}

TEST_F(resultdata_total_test, alias_group_finds_the_first_name_used) {
  config.aliases.push_back("\"Bob\" \"Robert\"\r\n");
  config.alias_count = 1;
  fill_game(game, {"Robert", "Ann"});
  totals.add_game(game);
  fill_game(game, {"^2Bob", "Ann"});
  totals.add_game(game);

  EXPECT_EQ(list_names(totals), (std::vector<std::string>{"Robert", "Ann"}));
  EXPECT_EQ(totals.players[0]->games, 2);
  // Opponent records ignore aliases: Ann met two names.
  EXPECT_EQ(opponent_names(*totals.players[1]),
            (std::vector<std::string>{"Robert", "^2Bob"}));
}

TEST_F(resultdata_total_test, sums_three_games) {
  const int playtimes[] = {100, 250, 30};
  for (int g = 0; g < 3; ++g) {
    fill_game(game, {"Ann", "Bob"}, {{0, 1, 7}, {1, 0, 3}});
    player_t& ann = game.get_player(0);
    ann.playtime = playtimes[g];
    ann.add_ping(40 + g);
    ann.add_ping(60);
    ann.deaths = 2;
    ann.suicides[0] = ann.suicides[5] = 1;
    ann.bot_skill = g;
    ann.teamkills[0] = 4;  // not carried into the totals
    totals.add_game(game);
  }
  const player_t& ann = *totals.players[0];
  EXPECT_EQ(ann.games, 3);
  EXPECT_EQ(ann.playtime, 380);
  EXPECT_EQ(ann.ping_count, 6);
  EXPECT_EQ(ann.ping_sum, 40 + 41 + 42 + 3 * 60);
  EXPECT_EQ(ann.deaths, 6);
  EXPECT_EQ(ann.kills[0], 3);
  EXPECT_EQ(ann.kills[7], 3);
  EXPECT_EQ(ann.killed[3], 3);
  EXPECT_EQ(ann.suicides[5], 3);
  EXPECT_EQ(ann.teamkills[0], 0);
  EXPECT_EQ(ann.bot_skill, 2);
}

TEST_F(resultdata_total_test, counters_pass_16_bits) {
  fill_game(game, {"Ann", "Bob"});
  game.get_player(0).kills[0] = 65000;
  game.get_player(0).deaths = 65000;
  totals.add_game(game);
  totals.add_game(game);
  EXPECT_EQ(totals.players[0]->kills[0], 2u * 65000);
  EXPECT_EQ(totals.players[0]->deaths, 2u * 65000);
}

TEST_F(resultdata_total_test, every_other_player_gets_an_opponent_record) {
  fill_game(game, {"Ann", "Bob", "Cid"}, {{0, 1, 7}, {0, 1, 3}, {1, 0, 7}});
  totals.add_game(game);

  const player_t& ann = *totals.players[0];
  ASSERT_EQ(opponent_names(ann), (std::vector<std::string>{"Bob", "Cid"}));
  // Opponent records keep the counts over all weapons only.
  const p2p_t& bob = ann.opponents[0];
  EXPECT_EQ(bob.kills[0], 2u);
  EXPECT_EQ(bob.deaths[0], 1u);
  const p2p_t& cid = ann.opponents[1];
  EXPECT_EQ(cid.kills[0] + cid.deaths[0], 0u);
  EXPECT_EQ(totals.players[2]->opponents.size(), 2u);  // Cid met both
}

TEST_F(resultdata_total_test, two_slots_of_one_player_in_a_game) {
  fill_game(game, {"Bob", "^1bob", "Ann"}, {{0, 1, 7}});
  totals.add_game(game);

  EXPECT_EQ(list_names(totals), (std::vector<std::string>{"Bob", "Ann"}));
  const player_t& bob = *totals.players[0];
  EXPECT_EQ(bob.games, 2);
  // Each slot meets the other under one shared plain name.
  EXPECT_EQ(opponent_names(bob), (std::vector<std::string>{"^1bob", "Ann"}));
  EXPECT_EQ(bob.opponents[0].kills[0], 1u);
  EXPECT_EQ(bob.opponents[0].deaths[0], 1u);
}

TEST_F(resultdata_total_test, names_without_visible_text_are_one_player) {
  fill_game(game, {"^7", "Ann"});
  totals.add_game(game);
  fill_game(game, {"^3^4", "Ann"});
  totals.add_game(game);

  EXPECT_EQ(totals.players.size(), 2u);
  player_t* empty = totals.players[0].get();
  EXPECT_EQ(empty->games, 2);
  EXPECT_EQ(totals.find_player("^1"), empty);
  // An empty raw name is stored under a substitute and found under it.
  player_t* substitute = totals.find_player("");
  EXPECT_EQ(substitute->name, "MORV_ERROR_EMPTY_NAME");
  EXPECT_EQ(totals.find_player(""), substitute);
  EXPECT_EQ(totals.players.size(), 3u);
}

TEST_F(resultdata_total_test, lookups_survive_sorting) {
  for (const char* name : {"Cid", "ann", "Bob"}) totals.find_player(name);
  testing::internal::CaptureStdout();
  totals.sort_players(SORT_NAME);
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(list_names(totals),
            (std::vector<std::string>{"ann", "Bob", "Cid"}));

  player_t* cid = totals.find_player("^2CID");
  EXPECT_EQ(cid->number, 1);
  player_t* dan = totals.find_player("Dan");
  EXPECT_EQ(dan->number, 4);
  EXPECT_EQ(list_names(totals),
            (std::vector<std::string>{"ann", "Bob", "Cid", "Dan"}));
}

TEST_F(resultdata_total_test, opponents_match_by_plain_lower_case_name) {
  fill_game(game, {"Ann", "^1Bob"}, {{0, 1, 7}});
  totals.add_game(game);
  fill_game(game, {"Ann", "BOB", "Cid"}, {{0, 1, 7}});
  totals.add_game(game);
  const player_t& ann = *totals.players[0];
  EXPECT_EQ(opponent_names(ann), (std::vector<std::string>{"^1Bob", "Cid"}));
  EXPECT_EQ(ann.opponents[0].kills[0], 2u);
}

}  // namespace
