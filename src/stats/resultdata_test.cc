// Tests of the game record core: game types, reset, players, growth.
#include "stats/resultdata.h"

#include <string>

#include "stats/game_test_util.h"

using resultdata_test = game_record_test;

TEST_F(resultdata_test, set_gametype_names) {
  const struct {
    int number;
    const char* name;
  } rows[] = {{0, "FFA"}, {1, "1on1"}, {2, "unknown"}, {3, "team DM"},
              {4, "CTF"}, {7, "unknown"}, {-1, "unknown"}};
  for (const auto& row : rows) {
    game->set_gametype(row.number);
    EXPECT_EQ(game->gametype_name, row.name) << row.number;
  }
}

TEST_F(resultdata_test, reset_keeps_game_type_and_name_only) {
  game->set_gametype(1);
  game->gamename = "osp";
  game->mapname = "q3dm17";
  game->fraglimit = 20;
  game->reset();
  EXPECT_EQ(game->gametype_name, "1on1");
  EXPECT_EQ(game->gamename, "osp");
  EXPECT_EQ(game->mapname, "");
  EXPECT_EQ(game->fraglimit, 0);
}

TEST_F(resultdata_test, find_player_returns_first_exact_match) {
  for (const char* name : {"Ann", "Bob", "Bob", "bob"}) {
    p(game->add_player()).set_name(name);
  }
  EXPECT_EQ(game->find_player("Bob"), 1);
  EXPECT_EQ(game->find_player("bob"), 3);
  EXPECT_EQ(game->find_player("BOB"), -1);
}

TEST_F(resultdata_test, growth_at_sixteenth_player_keeps_counts) {
  for (int i = 0; i < 15; ++i) game->add_player();
  game->set_kills(14, 3, 7, 9);
  game->set_kills(0, 14, 0, 65535);
  game->add_player();
  EXPECT_EQ(game->capacity, 32);
  EXPECT_EQ(game->get_kills(14, 3, 7), 9);
  EXPECT_EQ(game->get_kills(0, 14, 0), 65535);
  EXPECT_EQ(game->get_kills(3, 14, 7), 0);
}

TEST_F(resultdata_test, reset_clears_what_a_bigger_game_left_after_compaction) {
  for (int i = 0; i < 40; ++i) game->add_player();
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < 40; ++k) {
      for (int v = 0; v < 40; ++v) game->set_kills(k, v, w, 1);
    }
  }
  p(39).kills[0] = 5;
  game->num_players = 3;  // as after a compaction that dropped 37 players
  game->reset();
  size_t nonzero = 0;
  for (uint16_t counter : game->kill_matrix) nonzero += counter != 0;
  EXPECT_EQ(nonzero, 0u);
  EXPECT_EQ(p(39).kills[0], 0u);
}
