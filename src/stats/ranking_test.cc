// What the ranking and player pages show: the rows of a ranking page, the
// limits filter and the finished opponent lists.
#include <string>

#include "config/sortkey.h"
#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

class ranking_test : public totals_test {
 protected:
  // The names of the rows, in order, after sorting by key.
  std::string rows(int key) {
    begin_capture();
    totals.sort_players(key);
    end_capture();
    std::string names;
    for (const player_t* p : totals.ranking_rows(0)) names += p->name + " ";
    return names;
  }
};

// Player i has i kills in i games, 600 s of play.
TEST_F(ranking_test, rows_by_max_players_and_limits) {
  for (int i = 0; i < 7; ++i) {
    player_t& player = *totals.find_player("p" + std::to_string(i));
    player.kills[0] = static_cast<uint32_t>(i);
    player.games = i;
    player.playtime = 600;
  }
  config.max_players = 3;
  EXPECT_EQ(rows(SORT_KILLS), "p6 p5 p4 ");
  EXPECT_EQ(rows(SORT_NAME), "p0 p1 p2 p3 p4 p5 p6 ");  // not bounded
  // A player below the limits takes no rank: the next one moves up.
  config.filters_on = true;
  config.min_games = 6;
  config.max_players = 0;
  EXPECT_EQ(rows(SORT_KILLS), "p6 ");
  config.min_games = 0;
  config.min_kills = 5;
  EXPECT_EQ(rows(SORT_NAME), "p5 p6 ");
  // Limits compare unsigned: -1 is the largest; filters off, none.
  const player_t& p5 = *totals.find_player("p5");
  config.min_kills = -1;
  EXPECT_TRUE(totals.is_below_limits(p5));
  config.min_kills = 0;
  config.min_playtime = 601;
  EXPECT_TRUE(totals.is_below_limits(p5));
  config.filters_on = false;
  EXPECT_FALSE(totals.is_below_limits(p5));
}

TEST_F(ranking_test, opponents_sorted_and_known_as_the_rankings_know_them) {
  config.aliases.push_back("\"Bob\" \"Robert\"\r\n");
  config.alias_count = 1;
  add_game({"^1Cid", "Eve"});
  add_game({"Robert", "Eve"});
  add_game({"cid", "Bob", "Ann"}, {{2, 0}, {2, 1}, {2, 1}, {0, 2}});
  ASSERT_EQ(totals.players.size(), 4u);
  player_t& ann = *totals.players[3];
  totals.finish_opponents();
  // Ann's records are named "cid" and "Bob"; they show the run-wide
  // records of ^1Cid and Robert, most kills first. Nothing new is made.
  ASSERT_EQ(ann.opponents.size(), 2u);
  EXPECT_EQ(ann.opponents[0].name, "Bob");
  EXPECT_EQ(ann.opponents[0].opponent, totals.players[2].get());
  EXPECT_EQ(ann.opponents[1].opponent, totals.players[0].get());
  EXPECT_EQ(totals.players.size(), 4u);
}

}  // namespace
