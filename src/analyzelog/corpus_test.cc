// Reads every real server log of the shared corpus through the reader and
// the game record, game by game as the driver does.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "analyzelog/log_test_util.h"

namespace {

const char* const CORPUS = "/work/shared/corpus/real";

// "ShutdownGame:" lines counted independently of the reader: the second
// blank-separated token, or the keyword run together with the time stamp.
int count_shutdown_lines(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string first, second;
    words >> first >> second;
    if (first.size() <= 8 ? second == "ShutdownGame:"
                          : first.substr(7) == "ShutdownGame:") {
      ++count;
    }
  }
  return count;
}

// Reads the log game by game as the driver does, to its last byte; returns
// the number of games and adds the players that fought to players.
int read_log(const std::filesystem::path& path, configdata& config,
             int& players) {
  int games = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return games;
  chat_log chat;
  auto game = std::make_unique<resultdata>(config);
  bool ignore_events = false;
  auto reader =
      std::make_unique<analyzelog>(file, *game, config, chat, ignore_events);
  for (;;) {
    game->reset();
    if (reader->parse() == 0) break;
    ++games;
    game->sort(config.sort_secondary, false);
    game->sort(config.sort_primary, false);
    game->remove_bots();
    game->remove_idle();
    players += game->get_num_players();
  }
  EXPECT_EQ(reader->position(),
            static_cast<int64_t>(std::filesystem::file_size(path)));
  reader.reset();
  std::fclose(file);
  return games;
}

}  // namespace

using corpus_test = log_test;

TEST_F(corpus_test, every_real_log_reads_through) {
  std::error_code error;
  if (!std::filesystem::is_directory(CORPUS, error)) {
    GTEST_SKIP() << "no corpus at " << CORPUS;
  }
  config.skip_bots = true;
  int logs = 0, games = 0, players = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CORPUS, error)) {
    if (entry.path().extension() != ".log") continue;
    begin_capture();  // the logs' glitches print warnings
    int read = 0;
    std::string fatal = fatal_message_of(
        [&] { read = read_log(entry.path(), config, players); });
    end_capture();
    EXPECT_EQ(fatal, "") << entry.path();
    EXPECT_EQ(read, count_shutdown_lines(read_file(entry.path())))
        << entry.path();
    ++logs;
    games += read;
  }
  EXPECT_GT(logs, 0);
  EXPECT_GT(games, logs);
  // Many logs are warm-ups, bot games or one idle client; the rest fight.
  EXPECT_GT(players, logs);
}
