// Tests of the player exchange, compaction and data file block of a game.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "stats/resultdata.h"
#include "test_util.h"

namespace {

class game_order_test : public testing::Test {
 protected:
  void SetUp() override {
    game = std::make_unique<resultdata>(config);
    game->reset();
  }
  player_t& add(const std::string& name) {
    player_t& player = game->get_player(game->add_player());
    player.set_name(name);
    return player;
  }
  std::string order() const {
    std::string names;
    for (int i = 0; i < game->get_num_players(); ++i) {
      names += (i ? "," : "") + game->get_player(i).get_name();
    }
    return names;
  }
  // Gives every ordered pair of players its own matrix counts, so that
  // moved rows and columns can be recognised by the players' names.
  void tag_matrix() {
    int n = game->get_num_players();
    for (int k = 0; k < n; ++k) {
      for (int v = 0; v < n; ++v) {
        game->set_kills(k, v, 3, 100 * k + v + 1);
        game->set_kills(k, v, 0, 100 * k + v + 2);
      }
    }
    original = {};
    for (int i = 0; i < n; ++i) original.push_back(game->get_player(i).get_name());
  }
  int original_index(int i) const {
    for (size_t o = 0; o < original.size(); ++o) {
      if (original[o] == game->get_player(i).get_name()) return static_cast<int>(o);
    }
    return -1;
  }
  void expect_matrix_follows_players() {
    int n = game->get_num_players();
    for (int k = 0; k < n; ++k) {
      for (int v = 0; v < n; ++v) {
        int ok = original_index(k), ov = original_index(v);
        ASSERT_EQ(game->get_kills(k, v, 3), 100 * ok + ov + 1) << k << "," << v;
        ASSERT_EQ(game->get_kills(k, v, 0), 100 * ok + ov + 2) << k << "," << v;
      }
    }
  }

  configdata config;
  std::unique_ptr<resultdata> game;
  std::vector<std::string> original;
};

}  // namespace

TEST_F(game_order_test, remove_idle_keeps_fighters_and_their_matrix) {
  add("spectator");
  add("fragger").kills[0] = 2;
  add("teamkiller").teamkills[0] = 4;
  add("victim").killed[0] = 1;
  add("drowned").deaths = 1;
  add("suicidal").suicides[0] = 1;
  tag_matrix();
  game->remove_idle();
  EXPECT_EQ(order(), "fragger,victim,drowned,suicidal");
  expect_matrix_follows_players();
}

TEST_F(game_order_test, remove_bots_only_with_skip_bots) {
  add("bot").bot_skill = 0;
  add("human");
  add("bot2").bot_skill = 4;
  tag_matrix();
  game->remove_bots();
  EXPECT_EQ(order(), "bot,human,bot2");
  config.skip_bots = true;
  game->remove_bots();
  EXPECT_EQ(order(), "human");
  expect_matrix_follows_players();
}

class datafile_test : public temp_folder_test {};

TEST_F(datafile_test, block_format) {
  configdata config;
  auto game = std::make_unique<resultdata>(config);
  game->reset();
  const char* names[] = {"^1A\"x", "B", "C"};
  for (const char* name : names) game->get_player(game->add_player()).set_name(name);
  game->get_player(1).kills[0] = 2;
  game->get_player(1).kills[7] = 2;
  game->set_kills(1, 2, 7, 2);
  game->set_kills(1, 2, 0, 2);
  game->get_player(0).deaths = 3;
  write_file("morvdata.txt", "before\r\n");
  game->append_datafile("morvdata.txt");
  EXPECT_EQ(read_file("morvdata.txt"),
            "before\r\n"
            "<game>\r\n"
            "player 0: \"^1A\"x\"\r\n"
            "player 1: \"B\"\r\n"
            "player 2: \"C\"\r\n"
            "deaths (0): 3\r\n"
            "kills (1,0): 0 0 2 \r\n"
            "kills (1,7): 0 0 2 \r\n"
            "</game>\r\n\r\n");
}
