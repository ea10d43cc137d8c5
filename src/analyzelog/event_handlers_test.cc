// Tests of the event grammars: log text through the reader into a record.
#include <gtest/gtest.h>

#include <string>

#include "analyzelog/log_test_util.h"

namespace {

const char* const INIT = "  0:00 InitGame: \\g_gametype\\0\n";

std::string userinfo(int client, const std::string& name, int team) {
  return "  0:00 ClientUserinfoChanged: " + std::to_string(client) + " n\\" +
         name + "\\t\\" + std::to_string(team) + "\n";
}

}  // namespace

using event_handlers_test = log_test;

TEST_F(event_handlers_test, userinfo_settings) {
  const std::string long_name(70, 'N');
  const struct {
    std::string settings;
    std::string name;
    int team;
    int skill;
  } rows[] = {
      {"n\\Name\\t\\1\\model\\free text\\skill\\3", "Name", 1, 3},
      {"n\\Name", "Name", -1, -1},
      {"n\\Name\\t\\\\skill\\2", "Name", 0, -1},  // pairs shift
      {"t\\2\\n\\A\\t\\1\\n\\B", "B", 1, -1},     // the last wins
      {"n\\X\\skill\\ 2.00\\t\\", "X", -1, 2},
      {"n\\" + long_name + "\\t\\3", long_name.substr(0, 63), 3, -1},
      {"t\\0", "MORV_ERROR_EMPTY_NAME", 0, -1},
      {"n\\A\\t\\" + std::string(63, '0') + "12", "A", 0, -1},  // cut to 63
  };
  for (const auto& row : rows) {
    game.reset();
    open_log(std::string(INIT) + "  0:01 ClientUserinfoChanged: 3 " +
             row.settings + "\r\n");
    next_game();
    ASSERT_EQ(game->get_num_players(), 1) << row.settings;
    const player_t& player = game->get_player(0);
    EXPECT_EQ(player.get_name(), row.name) << row.settings;
    EXPECT_EQ(player.team, row.team) << row.settings;
    EXPECT_EQ(player.bot_skill, row.skill) << row.settings;
  }
}

TEST_F(event_handlers_test, initgame_settings) {
  const struct {
    std::string line;
    std::string mapname;
    const char* gamename;
    int gametype;
    const char* gametype_name;
    int fraglimit;
  } rows[] = {
      {"\\other_key\\free text\\g_gametype\\4\\mapname\\Q3DM17\\fraglimit\\20"
       "\\timelimit\\15\\gamename\\baseq3",
       "q3dm17", "baseq3", 4, "CTF", 20},
      {"\\gamename\\osp\\gamename\\", "", "", 0, "", 0},
      {"\\fraglimit\\5\\g_gametype\\", "", "", 0, "FFA", 5},
      {"\\mapname\\\\g_gametype\\3", "g_gametype", "", 0, "", 0},
      {"\\mapname\\" + std::string(70, 'M'), std::string(63, 'm'), "", 0,
       "", 0},
      {"", "", "", 0, "", 0},
  };
  for (const auto& row : rows) {
    game.reset();
    open_log("  0:00 InitGame: " + row.line + "\n");
    reader->parse();
    EXPECT_EQ(game->mapname, row.mapname) << row.line;
    EXPECT_EQ(game->gamename, row.gamename) << row.line;
    EXPECT_EQ(game->gametype, row.gametype) << row.line;
    EXPECT_EQ(game->gametype_name, row.gametype_name) << row.line;
    EXPECT_EQ(game->fraglimit, row.fraglimit) << row.line;
  }
  EXPECT_EQ(game->timelimit, 0);
}

TEST_F(event_handlers_test, item_names) {
  open_log(std::string(INIT) + userinfo(3, "A", 0) +
           "  1:10 Item: 3 item_armor_shard\n"
           "  1:11 Item: 3 item_armor_shard\r\n"
           "  1:12 Item: 3 item_armor_shard \n"
           "  1:13 Item: 3   weapon_railgun\n"
           "  1:14 Item: 3 weapon_prox_launcher\n"
           "  1:15 Item: 3 holdable_kamikaze\n"
           "  1:16 Item: 3 " + std::string(70, 'i') + "\n");
  next_game();
  EXPECT_EQ(player("A").items, 7);
  EXPECT_EQ(player("A").pickups[weapon_prox_launcher], 1u);
  EXPECT_EQ(player("A").pickups[item_armor_shard], 2u);
  EXPECT_EQ(player("A").pickups[weapon_railgun], 1u);
}

TEST_F(event_handlers_test, item_warning_prints_the_line_time) {
  open_log(std::string(INIT) + "  1:10 Item: 40 item_quad\n");
  begin_capture();
  next_game();
  EXPECT_EQ(end_capture(),
            "\nWARNING: player_id overflow in resultdata::add_item"
            "\nLOGTIME: 1:10 min\n");
}

TEST_F(event_handlers_test, score_lines_give_pings) {
  open_log(std::string(INIT) + userinfo(3, "A", 0) +
           "  5:00 score: 20 label 50 label 3 free text\n"
           "  5:00 Game_End:\n"
           "  5:00 score: 20 ping: 70 client: 3 A\n"
           "  5:00 score: 20 ping: 70 client: 600 A\n"
           "  5:00 score: 20 ping: 70 client: -1 A\n"
           "  5:00 Score: 20 ping: 70 client: 3 A\n"
           "  5:01 ShutdownGame:\n"
           "  5:02 score: 20 ping: 99 client: 3 A\n");
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(player("A").ping_count, 2);
  EXPECT_EQ(player("A").ping_sum, 120);
}

TEST_F(event_handlers_test, one_on_one_stops_at_a_move_to_the_spectators) {
  const char* endings[] = {"  1:00 ClientUserinfoChanged: 1 n\\A\\t\\3\n",
                           "  1:00 ClientDisconnect: 1\n"};
  for (const char* ending : endings) {
    ignore_events = false;
    open_log("  0:00 InitGame: \\g_gametype\\1\n" + userinfo(1, "A", 0) +
             userinfo(2, "B", 0) + "  0:30 Kill: 1 2 7:\n" + ending +
             "  1:10 Kill: 2 1 7:\n  1:20 Item: 2 item_quad\n"
             "  1:30 ShutdownGame:\n");
    EXPECT_EQ(next_game(), 1) << ending;
    EXPECT_TRUE(ignore_events) << ending;
    EXPECT_EQ(player("A").kills[0], 1u) << ending;
    EXPECT_EQ(player("B").kills[0], 0u) << ending;
    EXPECT_EQ(player("B").items, 0) << ending;
  }
}
