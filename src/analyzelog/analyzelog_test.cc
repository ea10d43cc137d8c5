// Tests of the log reader: pieces, tokens, time stamps, keyword dispatch,
// game boundaries and the run-wide ignore flag.
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
  } rows[] = {{"12:34", 754},   {"125:07", 7507},      {"1234:56", 74096},
              {":30", 30},      {"12x:34", 754},       {"7", 420},
              {"", 0},          {"0:00.4", 0},         {"19.6", 1140},
              {"-1:30", -30},   {"99999999:00", 2147483647},
              {"-99999999:00", -2147483647 - 1}};
  for (const auto& row : rows) {
    EXPECT_EQ(reader->read_time(row.text), row.seconds) << row.text;
    EXPECT_EQ(reader->last_time, row.seconds) << row.text;
  }
}

TEST_F(analyzelog_test, tokens) {
  open_log("");
  const std::string long_token(300, 'x');
  const struct {
    std::string line;
    char separator;
    const char* tokens;  // the first four tokens, joined by '|'
  } rows[] = {
      {"  a   b c", ' ', "a|b|c|"},
      {"n\\Name\\\\t\\1", '\\', "n|Name|t|1"},
      {"k\\ in ner \\v", '\\', "k|in ner |v|"},
      {"a b\r\nc", ' ', "a|b||"},
      {"x: rest of  line\r\n", '\n', "x: rest of  line|||"},
      {long_token + " after", ' ', nullptr},
  };
  for (const auto& row : rows) {
    std::string token, joined;
    reader->first_token(row.line.c_str(), token, row.separator);
    joined = token;
    for (int i = 0; i < 3; ++i) {
      reader->next_token(token, row.separator);
      joined += "|" + token;
    }
    if (row.tokens != nullptr) {
      EXPECT_EQ(joined, row.tokens) << row.line;
    } else {
      EXPECT_EQ(joined, std::string(255, 'x') + "|after||") << "long token";
    }
  }
}

TEST_F(analyzelog_test, sample_lines_and_time_stamps) {
  const struct {
    const char* line;
    bool counted;
    int time;
  } rows[] = {
      {"  0:00 ------------------------------------------------------------",
       false, 0},
      {"", false, 0},
      {"Kill: 1 2 7: free text", false, 0},
      {" 12:34 Kill: 1 2 7: free text", true, 754},
      {"125:07 Kill: 1 2 7: free text", true, 7507},
      {"1234:56Kill: 1 2 7: free text", true, 74096},
      {"  1:00 kill: 1 2 7: free text", false, 0},
      {"123456789 Kill: 1 2 7:", false, 0},
  };
  for (const auto& row : rows) {
    reader.reset();
    game.reset();  // a fresh record for every line
    open_log(std::string(TWO_PLAYERS) + row.line + "\n");
    EXPECT_EQ(next_game(), 0);
    EXPECT_EQ(player("A").kills[7], row.counted ? 1u : 0u) << row.line;
    EXPECT_EQ(reader->last_time, row.time) << row.line;
  }
}

TEST_F(analyzelog_test, pieces_are_cut_as_by_fgets) {
  // The second line starts exactly at character 2046 of the first piece;
  // a boundary one off would read its time stamp as 0.
  std::string prefix = "  0:01 say: A: ";
  std::string line = prefix + std::string(2046 - prefix.size(), 'x') +
                     "9:00 Kill: 1 2 7: free text\n";
  open_log(std::string(TWO_PLAYERS) + line + "  9:30 say: A: end\n");
  EXPECT_EQ(next_game(), 0);
  EXPECT_EQ(player("A").kills[7], 1u);
  EXPECT_EQ(reader->last_time, 540);
  EXPECT_EQ(reader->position(),
            static_cast<int64_t>(std::string(TWO_PLAYERS).size() +
                                 line.size() + 19));
}

TEST_F(analyzelog_test, nul_byte_ends_the_line) {
  std::string log = std::string(TWO_PLAYERS) + "  0:05 Kill: 1 2 7";
  log += '\0';
  log += " 0:06 Kill: 1 2 7\n  0:08 Kill: 2 1 6\n";
  open_log(log);
  EXPECT_EQ(next_game(), 0);
  EXPECT_EQ(player("A").kills[0], 1u);
  EXPECT_EQ(player("B").kills[0], 1u);
  EXPECT_EQ(reader->last_time, 8);
}

TEST_F(analyzelog_test, lines_across_block_boundaries) {
  std::string log = TWO_PLAYERS;
  int kills = 0;
  // Lines of varying length, well over two blocks of the reader.
  while (log.size() < 3 * analyzelog::BLOCK_SIZE) {
    log += "  1:00 Kill: 1 2 7: " + std::string(kills % 97, 'p') + "\n";
    ++kills;
  }
  log += "  2:00 ShutdownGame:\n";
  open_log(log);
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(player("A").kills[7], static_cast<uint32_t>(kills));
  EXPECT_EQ(reader->position(), static_cast<int64_t>(log.size()));
  EXPECT_EQ(next_game(), 0);
}

TEST_F(analyzelog_test, game_boundaries) {
  const struct {
    const char* log;
    int games;
  } rows[] = {
      {"", 0},
      {"  0:00 InitGame: \\g_gametype\\0\n  1:00 Kill: 1 2 7:\n", 0},
      {"  0:00 ShutdownGame:\n", 1},
      {"  0:00 InitGame:\n  1:00 ShutdownGame:\n  1:00 InitGame:\n"
       "  2:00 ShutdownGame:\n  2:00 InitGame:\n",
       2},
      {"  1:00 ShutdownGame:", 1},  // no final line feed
      {"1001:01ShutdownGame:\n", 1},
      {"  0:01 ShutdownGame:x\n  0:02 Exit: Timelimit hit.\n", 0},
  };
  for (const auto& row : rows) {
    open_log(row.log);
    EXPECT_EQ(count_games(), row.games) << row.log;
    EXPECT_FALSE(game->running) << row.log;
  }
}

TEST_F(analyzelog_test, end_of_log_closes_the_game_at_the_last_time) {
  open_log(std::string(TWO_PLAYERS) + "  0:30 ClientConnect: 1\n" +
           "  1:40 Item: 1 item_quad\n");
  EXPECT_EQ(next_game(), 0);
  EXPECT_EQ(player("A").playtime, 70);
  EXPECT_FALSE(game->running);
}

TEST_F(analyzelog_test, warmup_is_not_recorded) {
  open_log(std::string(TWO_PLAYERS) +
           "  0:05 Kill: 1 2 7:\n"
           "  0:10 Warmup:\n"
           "  0:11 Kill: 1 2 7:\n"
           "  0:12 Item: 1 item_quad\n"
           "  0:20 InitGame: \\g_gametype\\0\n"
           "  0:21 Kill: 1 2 7:\n"
           "  0:25 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
           "  0:26 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
           "  0:27 Game_Start:\n"
           "  0:28 Kill: 2 1 7:\n"
           "  0:29 ShutdownGame:\n");
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(game->get_num_players(), 4);  // the slots were emptied
  EXPECT_EQ(game->get_player(0).kills[0], 1u);
  EXPECT_EQ(game->get_player(0).items, 0);
  EXPECT_EQ(game->get_player(3).kills[0], 1u);
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
