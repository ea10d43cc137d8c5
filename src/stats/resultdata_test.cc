// Tests of the game record core: idle players, growth, reset, the copy.
#include "stats/resultdata.h"

#include <algorithm>

#include "stats/game_test_util.h"

using resultdata_test = game_record_test;

// A team killer with no other count is idle, a world death is not; each
// kept counter still names its killer and victim by their items.
TEST_F(resultdata_test, remove_idle_keeps_players_who_took_part) {
  for (int i = 0; i < 6; ++i) {
    p(game->add_player()).items = i;
    for (int v = 0; v < 6; ++v) game->set_kills(i, v, 3, 10 * i + v + 1);
  }
  p(1).teamkills[0] = p(2).killed[0] = p(3).deaths = p(4).suicides[0] = 1;
  p(5).kills[0] = 2;
  game->remove_idle();
  ASSERT_EQ(game->get_num_players(), 4);
  EXPECT_EQ(p(0).items * 100 + p(1).items * 10 + p(2).items, 234);
  EXPECT_EQ(p(3).items, 5);
  for (int k = 0; k < 4; ++k) {
    for (int v = 0; v < 4; ++v) {
      EXPECT_EQ(game->get_kills(k, v, 3), 10 * p(k).items + p(v).items + 1);
    }
  }
}

// The matrix grows more than once on the way to 100 players and keeps its
// counts; reset clears all that such a game left after a compaction.
TEST_F(resultdata_test, growth_keeps_counts_and_reset_clears_them) {
  for (int i = 0; i < 15; ++i) game->add_player();
  game->set_kills(14, 3, 7, 9);
  game->set_kills(0, 14, 0, 65535);
  for (int i = 15; i < 100; ++i) game->add_player();
  EXPECT_EQ(game->get_kills(14, 3, 7), 9);
  EXPECT_EQ(game->get_kills(0, 14, 0), 65535);
  EXPECT_EQ(game->get_kills(3, 14, 7), 0);
  game->set_kills(99, 98, MAX_WEAPONS - 1, 1);
  p(99).kills[0] = 5;
  game->num_players = 3;  // as after a compaction that dropped 97 players
  game->reset();
  EXPECT_EQ(std::count(game->kill_matrix.begin(), game->kill_matrix.end(), 0),
            std::ptrdiff_t(game->kill_matrix.size()));
  EXPECT_EQ(p(99).kills[0], 0u);
}

// The copy for the pages reads every count of the game, weapon by weapon,
// though it keeps matrix planes only for the weapons used.
TEST_F(resultdata_test, copy_reads_every_count_with_planes_for_used_weapons) {
  for (int i = 0; i < 20; ++i) game->add_player();  // grown past 16
  game->set_kills(19, 2, 7, 4);
  game->set_kills(3, 3, 0, 65535);
  game->set_kills(0, 19, MAX_WEAPONS - 1, 1);
  const auto copy = resultdata::copy_of_finished(*game);
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    for (int k = 0; k < 20; ++k) {
      for (int v = 0; v < 20; ++v) {
        ASSERT_EQ(copy->get_kills(k, v, w), game->get_kills(k, v, w))
            << k << " " << v << " " << w;
      }
    }
  }
  EXPECT_EQ(copy->kill_matrix.size(), 4u * 20 * 20 + 1);  // 3 used, 1 zero
}
