// Test fixture around one running game record.
#ifndef MORV_STATS_GAME_TEST_UTIL_H_
#define MORV_STATS_GAME_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <memory>

#include "config/configdata.h"
#include "stats/resultdata.h"

// The bot skill of a human's settings.
inline constexpr int HUMAN = -1;

// A fresh record with a game started at time 0.
class game_record_test : public testing::Test {
 protected:
  void SetUp() override {
    game = std::make_unique<resultdata>(config);
    game->reset();
    game->start_game(0);
  }
  player_t& p(int index) { return game->get_player(index); }
  player_t& player_of(int client) {
    return game->get_player(game->clients[client].player);
  }

  configdata config;
  std::unique_ptr<resultdata> game;
};

#endif  // MORV_STATS_GAME_TEST_UTIL_H_
