// Tests of the game record core: construction, reset, players, growth.
#include "stats/resultdata.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/configdata.h"

namespace {

class resultdata_test : public testing::Test {
 protected:
  void SetUp() override {
    game = std::make_unique<resultdata>(config);
    game->reset();
  }

  configdata config;
  std::unique_ptr<resultdata> game;
};

}  // namespace

TEST_F(resultdata_test, construction_values) {
  EXPECT_EQ(game->capacity, 16);
  EXPECT_EQ(game->get_num_players(), 0);
  EXPECT_EQ(game->gametype, 0);
  EXPECT_EQ(game->gametype_name, "");
  EXPECT_EQ(game->gamename, "");
  EXPECT_FALSE(game->teamgame);
  EXPECT_FALSE(game->running);
  EXPECT_EQ(game->kill_matrix.size(), 16u * 16u * 40u + 1u);
}

TEST_F(resultdata_test, set_gametype_names) {
  const struct {
    int number;
    const char* name;
  } rows[] = {{0, "FFA"}, {1, "1on1"}, {2, "unknown"}, {3, "team DM"},
              {4, "CTF"}, {7, "unknown"}, {-1, "unknown"}};
  for (const auto& row : rows) {
    game->set_gametype(row.number);
    EXPECT_EQ(game->gametype, row.number) << row.number;
    EXPECT_EQ(game->gametype_name, row.name) << row.number;
  }
}

TEST_F(resultdata_test, reset_keeps_game_settings_and_clears_the_rest) {
  game->set_gametype(1);
  game->gamename = "osp";
  game->mapname = "q3dm17";
  game->fraglimit = 20;
  int p = game->add_player();
  game->get_player(p).kills[0] = 3;
  game->count_kill(0, 0, 5);
  game->reset();
  EXPECT_EQ(game->gametype, 1);
  EXPECT_EQ(game->gametype_name, "1on1");
  EXPECT_EQ(game->gamename, "osp");
  EXPECT_EQ(game->mapname, "");
  EXPECT_EQ(game->fraglimit, 0);
  EXPECT_EQ(game->get_num_players(), 0);
  EXPECT_EQ(game->get_kills(0, 0, 5), 0);
  EXPECT_EQ(game->get_player(0).kills[0], 0u);
}

TEST_F(resultdata_test, find_player_returns_first_exact_match) {
  const char* names[] = {"Ann", "Bob", "Bob", "bob"};
  for (const char* name : names) game->get_player(game->add_player()).set_name(name);
  EXPECT_EQ(game->find_player("Bob"), 1);
  EXPECT_EQ(game->find_player("bob"), 3);
  EXPECT_EQ(game->find_player("BOB"), -1);
  EXPECT_EQ(game->find_player(""), -1);
}

TEST_F(resultdata_test, growth_at_sixteenth_player_keeps_counts) {
  for (int i = 0; i < 15; ++i) game->add_player();
  game->set_kills(14, 3, 7, 9);
  game->set_kills(0, 14, 0, 65535);
  EXPECT_EQ(game->capacity, 16);
  game->add_player();
  EXPECT_EQ(game->capacity, 32);
  EXPECT_EQ(game->kill_matrix.size(), 32u * 32u * 40u + 1u);
  EXPECT_EQ(game->get_kills(14, 3, 7), 9);
  EXPECT_EQ(game->get_kills(0, 14, 0), 65535);
  EXPECT_EQ(game->get_kills(3, 14, 7), 0);
}

TEST_F(resultdata_test, accessors_and_weapon_kills) {
  int a = game->add_player();
  int b = game->add_player();
  game->get_player(a).kills = {5, 2, 3};
  game->get_player(b).kills = {4, 0, 4};
  game->get_team(1).killed[2] = 6;
  EXPECT_EQ(game->player_kills(a), 5);
  EXPECT_EQ(game->player_kills(b, 2), 4);
  EXPECT_EQ(game->team_killed(1, 2), 6);
  EXPECT_EQ(game->weapon_kills(0), 9);
  EXPECT_EQ(game->weapon_kills(2), 7);
  game->count_kill(1, 0, 39);
  game->count_kill(1, 0, 39);
  EXPECT_EQ(game->get_kills(1, 0, 39), 2);
  EXPECT_EQ(game->kill_matrix[game->matrix_index(1, 0, 39)], 2);
  EXPECT_EQ(game->matrix_index(1, 0, 39), (39u * 16u + 1u) * 16u);
}

TEST_F(resultdata_test, reset_clears_what_a_bigger_game_left_after_compaction) {
  for (int i = 0; i < 40; ++i) game->add_player();
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < 40; ++k) {
      for (int v = 0; v < 40; ++v) game->set_kills(k, v, w, 1);
    }
  }
  game->get_player(39).kills[0] = 5;
  game->num_players = 3;  // as after a compaction that dropped 37 players
  game->reset();
  EXPECT_EQ(game->capacity, 64);
  size_t nonzero = 0;
  for (uint16_t counter : game->kill_matrix) nonzero += counter != 0;
  EXPECT_EQ(nonzero, 0u);
  EXPECT_EQ(game->get_player(39).kills[0], 0u);
  game->add_player();
  game->reset();  // a smaller game after the big one
  EXPECT_EQ(game->get_kills(0, 0, 0), 0);
}
