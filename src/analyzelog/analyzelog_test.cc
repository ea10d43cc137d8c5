// Tests of the log reader: time stamps, game ends, skipped events, and the
// block reader against the pieces of a 2047-byte fgets.
#include "analyzelog/analyzelog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "analyzelog/log_test_util.h"
#include "tools/loggen_game.h"

using analyzelog_test = log_test;

// Time stamp forms, keywords and game ends: {log, the players of each
// finished game, the last time stamp read}. After Game_End events count
// again from Game_Start; an Exit in a 1v1 game skips the next game.
TEST_F(analyzelog_test, time_stamps_keywords_and_game_ends) {
  const struct {
    const char* log;
    const char* games;
    int time;
  } rows[] = {
      {"", "", 0},
      {"  0:00 InitGame: \\g_gametype\\0\n  1:00 Kill: 1 2 7:\n", "", 60},
      {"  0:00 InitGame:\n  1:00 ShutdownGame:\n  1:00 InitGame:\n"
       "  2:00 ShutdownGame:\n  2:05 InitGame:\n",
       ";;", 125},
      {"125:07 ShutdownGame:", ";", 7507},     // no final line feed
      {"1001:01ShutdownGame:\n", ";", 60061},  // run together
      {"  0:01 ShutdownGame:x\n  0:02 shutdowngame:\n", "", 0},
      {"123456789 ShutdownGame:\n  0:03 ----ShutdownGame:\n", "", 0},
      {"  0:00 InitGame: \\g_gametype\\1\n  5:00 Exit: Fraglimit hit.\n"
       "  5:01 ShutdownGame:\n  5:02 InitGame: \\g_gametype\\1\n"
       "  5:03 ClientUserinfoChanged: 1 n\\A\\t\\0\n  5:04 Game_Start:\n"
       "  5:05 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
       "  6:00 Exit: Fraglimit hit.\n  6:01 ShutdownGame:\n"
       "  6:02 InitGame: \\g_gametype\\0\n"
       "  6:03 ClientUserinfoChanged: 3 n\\C\\t\\0\n  6:04 ShutdownGame:\n"
       "  7:00 InitGame: \\g_gametype\\0\n"
       "  7:01 ClientUserinfoChanged: 4 n\\D\\t\\0\n  7:02 ShutdownGame:\n",
       ";B;;D;", 422},
      {"  0:00 InitGame:\n  0:00 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
       "  1:00 Game_End:\n  1:01 ShutdownGame:\n"
       "  1:02 ClientUserinfoChanged: 2 n\\B\\t\\0\n  1:03 ShutdownGame:\n"
       "  1:04 Game_Start:\n  1:04 ClientUserinfoChanged: 3 n\\C\\t\\0\n"
       "  1:05 ShutdownGame:\n",
       "A;;C;", 65},
  };
  for (const auto& row : rows) {
    open_log(row.log);
    EXPECT_EQ(read_games(), row.games) << row.log;
    EXPECT_EQ(reader->last_time, row.time) << row.log;
    EXPECT_FALSE(game->running) << row.log;
  }
}

namespace {

// Ignored lines (a first token of more than 8 characters) up to offset.
void pad_to(std::string& log, size_t offset) {
  while (log.size() + 100 < offset) {
    log += "  0:30 Item: 2 item_armor_shard\n";
  }
  log.append(offset - log.size() - 1, 'z');
  log += '\n';
}

// Lines a reader can get wrong, for player A: one longer than a piece,
// whose second piece is a pickup of its own; a pickup with an empty item
// name, then a line that looks like an item name; a NUL inside a name.
void add_awkward_lines(std::string& log) {
  std::string long_line = "  1:00 Item: 1 ";
  long_line.append(analyzelog::MAX_PIECE - long_line.size(), 'x');
  log += long_line + "  1:02 Item: 1 item_quad\n";
  log += "  1:02 Item: 1 \nitem_quad\n";
  log += "  1:03 Item: 1 item_";
  log += '\0';
  log += "quad\n";
}

// The awkward lines inside the first block and across the first two block
// boundaries, then generated games.
std::string test_log() {
  std::string log =
      "  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm17\n"
      "  0:00 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
      "  0:00 ClientUserinfoChanged: 2 n\\B\\t\\0\n";
  pad_to(log, 10000);
  add_awkward_lines(log);
  pad_to(log, analyzelog::BLOCK_SIZE - 1000);
  add_awkward_lines(log);
  pad_to(log, 2 * analyzelog::BLOCK_SIZE - 8);
  log += "  1:03 Item: 1 item_";
  log += '\0';
  log += "quad\n  1:04 Kill: 1 2 7: A killed B\n  1:05 ShutdownGame:\n";
  loggen::settings settings;
  settings.size = 2 * analyzelog::BLOCK_SIZE + 4321;
  settings.players = 24;
  return log + loggen::log_text(settings);
}

// What the driver sees of each game, the console and where the reader
// stopped, reading with the block reader or a 2047-byte fgets.
std::string read_log(const std::string& log, bool with_fgets) {
  configdata config;
  chat_log chat;
  resultdata game(config);
  FILE* stream = fmemopen(const_cast<char*>(log.data()), log.size(), "rb");
  bool ignore_events = false;
  std::string seen;
  begin_capture();
  {
    analyzelog reader(stream, game, config, chat, ignore_events);
    game.reset();
    char piece[2047];
    auto next_game = [&] {
      if (!with_fgets) return reader.parse() == 1;
      while (std::fgets(piece, sizeof piece, stream) != nullptr) {
        if (reader.parse_line(piece) == 1) return true;
      }
      game.end_game(reader.last_time);
      return false;
    };
    while (next_game()) {
      seen += std::to_string(game.get_num_players()) + " players, " +
              game.mapname + ", time " + std::to_string(reader.last_time);
      for (int i = 0; i < game.get_num_players(); ++i) {
        const player_t& p = game.get_player(i);
        seen += "; " + p.name + " " + std::to_string(p.kills[0]) + "/" +
                std::to_string(p.killed[0]) + "/" + std::to_string(p.items) +
                "/" + std::to_string(p.pickups[item_quad]);
      }
      seen += "\n";
      game.reset();
    }
    seen += "read to " +
            std::to_string(with_fgets ? std::ftell(stream) : reader.position());
  }
  std::fclose(stream);
  return seen + "\n" + end_capture();
}

}  // namespace

// The first game: A picked up 9 items (2 per long line, 1 per other pickup
// line), 2 of them quads (the second pieces of the long lines).
TEST(reader_blocks_test, block_reader_matches_fgets_pieces) {
  const std::string log = test_log();
  const std::string blocks = read_log(log, false);
  EXPECT_EQ(blocks, read_log(log, true));
  EXPECT_TRUE(
      blocks.starts_with("2 players, q3dm17, time 65; A 1/0/9/2; B 0/1/"))
      << blocks.substr(0, 100);
  const size_t end =
      blocks.find("\nread to " + std::to_string(log.size()) + "\n");
  ASSERT_NE(end, std::string::npos);
  EXPECT_GT(std::count(blocks.begin(), blocks.begin() + end, '\n'), 10);
}

// Warm-ups that were played and rounds: {log, each game the reader
// hands over, with its players as name kills/deaths/play time}. The base-game log with a warm-up
// and a restart counts from the restart; a stretch after "Warmup:" that
// reaches a limit with a kill between players is the match; Urban Terror
// counts from "InitRound:", with the players named during its warm-up.
TEST_F(analyzelog_test, warm_ups_rounds_and_second_stamps) {
  const std::string base_start =
      "  0:00 InitGame: \\g_gametype\\0\\gamename\\baseq3\n"
      "  0:00 Warmup:\n"
      "  0:01 ClientConnect: 1\n  0:01 ClientConnect: 2\n"
      "  0:01 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
      "  0:05 Kill: 1 2 7: A killed B\n";
  const std::string urt_start =
      "  0:00 InitGame: \\g_gametype\\4\\gamename\\q3urt42\n"
      "  0:00 Warmup:\n"
      "  0:02 ClientConnect: 1\n  0:03 ClientConnect: 2\n"
      "  0:02 ClientUserinfoChanged: 1 n\\A\\t\\1\n"
      "  0:03 ClientUserinfoChanged: 2 n\\B\\t\\2\n"
      "  0:04 Kill: 2 1 19: B killed A\n"
      "  0:10 InitRound: \\g_gametype\\4\n"
      "  0:20 Kill: 1 2 19: A killed B\n"
      "  0:30 Warmup:\n"
      "  0:35 Kill: 1 2 19: A killed B\n"
      "  0:40 InitRound: \\g_gametype\\4\n"
      "  1:00 Kill: 2 1 19: B killed A\n";
  const struct {
    std::string log;
    const char* games;
  } rows[] = {
      {base_start + "  1:00 Exit: Fraglimit hit.\n  1:01 ShutdownGame:\n",
       "A 1/0/60 B 0/1/60;"},
      {base_start + "  0:06 Warmup:\n  0:07 Kill: 2 1 7: B killed A\n"
                    "  1:00 Exit: Timelimit hit.\n  1:01 ShutdownGame:\n",
       "A 1/1/60 B 1/1/60;"},
      {base_start + "  1:00 Exit: Server empty, forcing rotation.\n"
                    "  1:01 ShutdownGame:\n",
       ";"},
      {base_start + "  1:01 ShutdownGame:\n", ";"},
      {base_start + "  1:00 Kill: 1022 2 22: <world> killed B\n"
                    "  1:00 Exit: Fraglimit hit.\n",
       ""},
      {base_start + "  0:20 InitGame: \\g_gametype\\0\\gamename\\baseq3\n"
                    "  0:21 ClientConnect: 1\n  0:21 ClientConnect: 2\n"
                    "  0:21 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
                    "  0:21 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
                    "  0:30 Kill: 2 1 7: B killed A\n  1:00 ShutdownGame:\n",
       "A 0/1/39 B 1/0/39;"},
      {urt_start + "  1:10 Exit: Timelimit hit.\n  1:10 InitRound:\n"
                   "  1:20 ShutdownGame:\n",
       "A 1/1/60 B 1/1/60;"},
      {"  0.0 InitGame: \\g_gametype\\0\\gamename\\osp\n"
       "  1.5 ClientConnect: 1\n  1.5 ClientConnect: 2\n"
       "  1.5 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
       "  1.5 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
       "100.0 Kill: 1 2 7: A killed B\n"
       "  2:00 Kill: 1 2 7: A killed B\n"
       "  2:30.7 ShutdownGame:\n",
       "A 2/0/149 B 0/2/149;"},
  };
  for (const auto& row : rows) {
    open_log(row.log);
    std::string seen;
    while (next_game() == 1) {
      for (int i = 0; i < game->get_num_players(); ++i) {
        const player_t& p = game->get_player(i);
        seen += (i > 0 ? " " : "") + p.name + " " + std::to_string(p.kills[0]) +
                "/" + std::to_string(p.killed[0]) + "/" +
                std::to_string(p.playtime);
      }
      seen += ';';
    }
    EXPECT_EQ(seen, row.games) << row.log;
  }
}

// With "auto" weapon sets a game is named by its gamename's set, which
// gives numbers above 39 a slot; other numbers count under slot 0 with one
// warning each; a team change by kill line is no suicide; the log's own
// words name what the set does not.
TEST_F(analyzelog_test, weapons_by_the_games_mod) {
  begin_capture();
  for (const char* line :
       {"set_weaponset \"auto\"", "define_weaponset \"q3urt42\"",
        "weaponname 10 \"Team change\"", "weaponname 41 \"MAC-11\""}) {
    config.parse_cfg_line(line);
  }
  end_capture();
  open_log(
      "  0:00 InitGame: \\g_gametype\\0\\gamename\\q3urt42\n"
      "  0:01 ClientUserinfoChanged: 1 n\\A\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 2 n\\B\\t\\0\n"
      "  0:02 Kill: 1 2 41: A killed B by UT_MOD_MAC11\n"
      "  0:03 Kill: 2 2 10: B killed B by MOD_CHANGE_TEAM\n"
      "  0:04 Kill: 1 2 50: A killed B by UT_MOD_NEW\n"
      "  0:05 Kill: 2 1 50: B killed A by UT_MOD_NEW\n"
      "  0:06 Kill: 1 2 19: A killed B by UT_MOD_LR300\n"
      "  0:07 ShutdownGame:\n");
  begin_capture();
  ASSERT_EQ(next_game(), 1);
  const std::string console = end_capture();
  EXPECT_EQ(console,
            "\nWARNING: weapon id > MAX_WEAPONS, weapon id reset to zero\n");
  EXPECT_EQ(player("A").kills[41], 1u);
  EXPECT_EQ(player("A").kills[0], 3u);
  EXPECT_EQ(player("B").suicides[0], 0u);
  EXPECT_EQ(game->weapon_name(41), "MAC-11");
  EXPECT_EQ(game->weapon_name(19), "UT_MOD_LR300");
}
