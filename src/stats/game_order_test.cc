// Tests of the compaction of a game: dropped players take their kill-matrix
// rows and columns with them, the rest keep their order and counts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/configdata.h"
#include "stats/resultdata.h"

namespace {

// Each player's items hold its first index; every ordered pair gets its own
// counts in two weapons, so moved rows and columns are recognised.
void fill(resultdata& game, const char* const* names, int n) {
  game.reset();
  for (int i = 0; i < n; ++i) {
    player_t& player = game.get_player(game.add_player());
    player.set_name(names[i]);
    player.items = i;
  }
  for (int k = 0; k < n; ++k) {
    for (int v = 0; v < n; ++v) {
      game.set_kills(k, v, 3, 100 * k + v + 1);
      game.set_kills(k, v, 0, 100 * k + v + 2);
    }
  }
}

std::string checked_order(resultdata& game) {
  std::string names;
  for (int k = 0; k < game.get_num_players(); ++k) {
    names += (k ? "," : "") + game.get_player(k).get_name();
    for (int v = 0; v < game.get_num_players(); ++v) {
      int ok = game.get_player(k).items, ov = game.get_player(v).items;
      EXPECT_EQ(game.get_kills(k, v, 3), 100 * ok + ov + 1) << k << "," << v;
      EXPECT_EQ(game.get_kills(k, v, 0), 100 * ok + ov + 2) << k << "," << v;
    }
  }
  return names;
}

TEST(game_order_test, remove_idle_keeps_fighters_and_their_matrix) {
  configdata config;
  auto game = std::make_unique<resultdata>(config);
  const char* const names[] = {"spectator", "fragger",  "teamkiller",
                               "victim",    "drowned",  "suicidal"};
  fill(*game, names, 6);
  game->get_player(1).kills[0] = 2;
  game->get_player(2).teamkills[0] = 4;
  game->get_player(3).killed[0] = 1;
  game->get_player(4).deaths = 1;
  game->get_player(5).suicides[0] = 1;
  game->remove_idle();
  EXPECT_EQ(checked_order(*game), "fragger,victim,drowned,suicidal");
}

TEST(game_order_test, remove_bots_only_with_skip_bots) {
  configdata config;
  auto game = std::make_unique<resultdata>(config);
  const char* const names[] = {"bot", "human", "bot2", "human2"};
  fill(*game, names, 4);
  game->get_player(0).bot_skill = 0;
  game->get_player(2).bot_skill = 4;
  game->remove_bots();
  EXPECT_EQ(checked_order(*game), "bot,human,bot2,human2");
  config.skip_bots = true;
  game->remove_bots();
  EXPECT_EQ(checked_order(*game), "human,human2");
}

}  // namespace
