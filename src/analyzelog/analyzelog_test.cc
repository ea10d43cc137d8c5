// Tests of the log reader: tokens, time stamps, keywords, game ends and the
// run's ignore flag (how lines are cut: reader_blocks_test.cc).
#include "analyzelog/analyzelog.h"

#include <gtest/gtest.h>

#include <string>

#include "analyzelog/log_test_util.h"

namespace {

// A running game with clients 1 and 2 as players "A" and "B".
const char* const TWO_PLAYERS =
    "  0:00 InitGame: \\g_gametype\\0\n"
    "  0:00 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
    "  0:00 ClientUserinfoChanged: 2 n\\B\\t\\0\n";

}  // namespace

using analyzelog_test = log_test;

TEST_F(analyzelog_test, read_time_forms) {
  open_log("");
  const struct {
    const char* text;
    int seconds;
  } rows[] = {{"12:34", 754}, {"1234:56", 74096}, {":30", 30},
              {"12x:34", 754}, {"7", 420},         {"", 0},
              {"-1:30", -30},  {"99999999:00", 2147483647},
              {"-99999999:00", -2147483647 - 1}};
  for (const auto& row : rows) {
    EXPECT_EQ(reader->read_time(row.text), row.seconds) << row.text;
    EXPECT_EQ(reader->last_time, row.seconds) << row.text;
  }
}

TEST_F(analyzelog_test, tokens) {
  open_log("");
  const struct {
    std::string line;
    char separator;
    std::string tokens;  // the first four tokens, joined by '|'
  } rows[] = {
      {"  a   b c", ' ', "a|b|c|"},
      {"n\\Name\\\\t\\1", '\\', "n|Name|t|1"},
      {"k\\ in ner \\v", '\\', "k|in ner |v|"},
      {"a b\r\nc", ' ', "a|b||"},
      {"x: rest of  line\r\n", '\n', "x: rest of  line|||"},
      {std::string(300, 'x') + " after", ' ',
       std::string(255, 'x') + "|after||"},
  };
  for (const auto& row : rows) {
    std::string token;
    reader->first_token(row.line.c_str(), token, row.separator);
    std::string joined = token;
    for (int i = 0; i < 3; ++i) {
      reader->next_token(token, row.separator);
      joined += "|" + token;
    }
    EXPECT_EQ(joined, row.tokens) << row.line;
  }
}

// Time stamp forms, keywords and game ends: {log, finished games, the
// last time stamp read}.
TEST_F(analyzelog_test, time_stamps_keywords_and_game_ends) {
  const struct {
    const char* log;
    int games;
    int time;
  } rows[] = {
      {"", 0, 0},
      {"  0:00 InitGame: \\g_gametype\\0\n  1:00 Kill: 1 2 7:\n", 0, 60},
      {"  0:00 InitGame:\n  1:00 ShutdownGame:\n  1:00 InitGame:\n"
       "  2:00 ShutdownGame:\n  2:05 InitGame:\n",
       2, 125},
      {"125:07 ShutdownGame:", 1, 7507},     // no final line feed
      {"1001:01ShutdownGame:\n", 1, 60061},  // run together
      {"  0:01 ShutdownGame:x\n  0:02 shutdowngame:\n", 0, 0},
      {"123456789 ShutdownGame:\n  0:03 ----ShutdownGame:\n", 0, 0},
  };
  for (const auto& row : rows) {
    open_log(row.log);
    EXPECT_EQ(count_games(), row.games) << row.log;
    EXPECT_EQ(reader->last_time, row.time) << row.log;
    EXPECT_FALSE(game->running) << row.log;
  }
}

TEST_F(analyzelog_test, ignore_events_carries_across_games_and_readers) {
  open_log(std::string(TWO_PLAYERS) + "  1:00 Game_End:\n  1:01 ShutdownGame:\n"
           "  1:02 Kill: 1 2 7:\n");
  EXPECT_EQ(next_game(), 1);
  EXPECT_TRUE(ignore_events);
  EXPECT_EQ(next_game(), 0);
  open_log("  0:00 ClientUserinfoChanged: 1 n\\A\\t\\0\n");
  EXPECT_EQ(next_game(), 0);
  EXPECT_EQ(game->get_num_players(), 0);  // still ignoring in a new reader
  EXPECT_TRUE(ignore_events);
  open_log("  0:00 Game_Start:\n  0:00 ClientUserinfoChanged: 1 n\\A\\t\\0\n");
  EXPECT_EQ(next_game(), 0);
  EXPECT_EQ(game->get_num_players(), 1);
}

TEST_F(analyzelog_test, exit_in_one_on_one_skips_the_next_game) {
  open_log(
      "  0:00 InitGame: \\g_gametype\\1\n"
      "  5:00 Exit: Fraglimit hit.\n"
      "  5:01 ShutdownGame:\n"
      "  5:02 InitGame: \\g_gametype\\1\n"
      "  5:03 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
      "  5:04 Game_Start:\n"
      "  5:05 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
      "  6:00 Exit: Fraglimit hit.\n"
      "  6:01 ShutdownGame:\n"
      "  6:02 InitGame: \\g_gametype\\0\n"
      "  6:03 ClientUserinfoChanged: 3 n\\C\\t\\0\n"
      "  6:04 ShutdownGame:\n"
      "  7:00 InitGame: \\g_gametype\\0\n"
      "  7:01 ClientUserinfoChanged: 4 n\\D\\t\\0\n"
      "  7:02 ShutdownGame:\n");
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(game->get_num_players(), 1);
  EXPECT_EQ(game->get_player(0).get_name(), "B");
  // The check looks at the previous game's type, which was 1.
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(game->get_num_players(), 0);
  EXPECT_FALSE(reader->exit_seen);
  EXPECT_EQ(next_game(), 1);  // no Exit before: recording again
  EXPECT_EQ(game->get_num_players(), 1);
}
