// Test fixture that feeds log text through a reader into a game record.
#ifndef MORV_ANALYZELOG_LOG_TEST_UTIL_H_
#define MORV_ANALYZELOG_LOG_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "analyzelog/analyzelog.h"
#include "analyzelog/chat_log.h"
#include "config/configdata.h"
#include "stats/resultdata.h"
#include "test_util.h"

// Runs in a fresh temporary folder (chat.htm lands there). The readers
// share the run's ignore_events flag, as the driver's readers do.
class log_test : public temp_folder_test {
 protected:
  void TearDown() override {
    reader.reset();
    if (file != nullptr) std::fclose(file);
    temp_folder_test::TearDown();
  }

  // Makes text the log of a new reader; the game record is kept from an
  // earlier log.
  void open_log(const std::string& text) {
    reader.reset();
    if (file != nullptr) std::fclose(file);
    file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    if (!game) game = std::make_unique<resultdata>(config);
    reader = std::make_unique<analyzelog>(file, *game, config, chat,
                                          ignore_events);
  }
  // Resets the record and reads the next game, as the driver does.
  int next_game() {
    game->reset();
    return reader->parse();
  }
  // Reads the log to its end; returns the raw names of each finished
  // game's players, each game closed by a ';'.
  std::string read_games() {
    std::string seen;
    while (next_game() == 1) {
      for (int i = 0; i < game->get_num_players(); ++i) {
        seen += game->get_player(i).name;
      }
      seen += ';';
    }
    return seen;
  }
  // The record of the player with this raw name (fails the test if none).
  const player_t& player(const std::string& name) {
    int index = game->find_player(name);
    EXPECT_GE(index, 0) << name;
    return game->get_player(index < 0 ? 0 : index);
  }

  configdata config;
  chat_log chat;
  bool ignore_events = false;
  std::unique_ptr<resultdata> game;
  std::FILE* file = nullptr;
  std::unique_ptr<analyzelog> reader;
};

#endif  // MORV_ANALYZELOG_LOG_TEST_UTIL_H_
