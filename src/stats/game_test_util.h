// Test fixtures around a running game record and around the totals.
#ifndef MORV_STATS_GAME_TEST_UTIL_H_
#define MORV_STATS_GAME_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

// The bot skill of a human's settings.
inline constexpr int HUMAN = -1;

// A fresh record with a game started at time 0.
class game_record_test : public testing::Test {
 protected:
  void SetUp() override {
    game->reset();
    game->start_game(0);
  }
  player_t& p(int index) { return game->get_player(index); }

  configdata config;
  std::unique_ptr<resultdata> game = std::make_unique<resultdata>(config);
};

// Empty totals, fed finished games.
class totals_test : public testing::Test {
 protected:
  // Adds a game of one player per name and the given weapon-7 kills
  // (killer, victim), counted as the log reader counts them.
  void add_game(const std::vector<std::string>& names,
                const std::vector<std::pair<int, int>>& kills = {}) {
    game.reset();
    for (const std::string& name : names) {
      game.get_player(game.add_player()).set_name(name);
    }
    for (auto [killer, victim] : kills) {
      for (int w : {0, 7}) {
        game.count_kill(killer, victim, w);
        game.get_player(killer).kills[w]++;
        game.get_player(victim).killed[w]++;
      }
    }
    totals.add_game(game);
  }
  configdata config;
  resultdata game{config};
  resultdata_total totals{config};
};

#endif  // MORV_STATS_GAME_TEST_UTIL_H_
