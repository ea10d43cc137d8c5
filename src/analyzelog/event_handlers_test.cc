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

// {settings of a first ClientUserinfoChanged line, "name|team|skill"}.
TEST_F(event_handlers_test, userinfo_settings) {
  const std::string long_name(70, 'N');
  const struct {
    std::string settings;
    std::string player;
  } rows[] = {
      {"n\\Name\\t\\1\\model\\free text\\skill\\3", "Name|1|3"},
      {"n\\Name", "Name|-1|-1"},
      {"n\\Name\\t\\\\skill\\2", "Name|0|-1"},  // pairs shift
      {"t\\2\\n\\A\\t\\1\\n\\B", "B|1|-1"},     // the last wins
      {"n\\X\\skill\\ 2.00\\t\\", "X|-1|2"},
      {"n\\" + long_name + "\\t\\3", long_name.substr(0, 63) + "|3|-1"},
      {"t\\0", "MORV_ERROR_EMPTY_NAME|0|-1"},
      {"n\\A\\t\\" + std::string(63, '0') + "12", "A|0|-1"},  // cut to 63
  };
  for (const auto& row : rows) {
    game.reset();
    open_log(std::string(INIT) + "  0:01 ClientUserinfoChanged: 3 " +
             row.settings + "\r\n");
    next_game();
    ASSERT_EQ(game->get_num_players(), 1) << row.settings;
    const player_t& p = game->get_player(0);
    EXPECT_EQ(p.get_name() + "|" + std::to_string(p.team) + "|" +
                  std::to_string(p.bot_skill),
              row.player)
        << row.settings;
  }
}

// {settings of an InitGame line, "map|game|type number|type name|frags"}.
TEST_F(event_handlers_test, initgame_settings) {
  const struct {
    std::string line;
    std::string game;
  } rows[] = {
      {"\\other_key\\free text\\g_gametype\\4\\mapname\\Q3DM17\\fraglimit\\20"
       "\\timelimit\\15\\gamename\\baseq3",
       "q3dm17|baseq3|4|CTF|20"},
      {"\\mapname\\\\g_gametype\\3", "g_gametype||0||0"},  // pairs shift
      {"\\mapname\\" + std::string(70, 'M'), std::string(63, 'm') + "||0||0"},
      {"\\g_gametype\\1", "||1|1on1|0"},
      {"\\g_gametype\\2\\fraglimit\\-5", "||2|unknown|-5"},
      {"\\g_gametype\\3", "||3|team DM|0"},
      {"\\g_gametype\\7", "||7|unknown|0"},
  };
  for (const auto& row : rows) {
    game.reset();
    open_log("  0:00 InitGame: " + row.line + "\n");
    reader->parse();
    EXPECT_EQ(game->mapname + "|" + game->gamename + "|" +
                  std::to_string(game->gametype) + "|" + game->gametype_name +
                  "|" + std::to_string(game->fraglimit),
              row.game)
        << row.line;
  }
}

// {a game's lines before "  2:05 ShutdownGame:", "started|duration|hostname"}:
// the wall-clock start from g_timestamp or the first ServerTime: line after
// InitGame, the span from InitGame, the server's name; each InitGame starts
// them afresh.
TEST_F(event_handlers_test, start_span_and_hostname) {
  const struct {
    std::string lines;
    std::string game;
  } rows[] = {
      {"  0:05 InitGame: \\sv_hostname\\^1My ^7Q3\\g_gametype\\0\n"
       "  0:05 ServerTime:\t20200319205438\t20:54:38 (19 Mar 2020)\n",
       "2020-03-19T20:54:38|120|^1My ^7Q3"},
      {"  0:05 ClientConnect: 1\n", "|-1|"},  // no InitGame
      {"  0:05 InitGame: \\g_timestamp\\2012-06-17 06:45:24\n"
       "  0:05 ServerTime: 20151220211609 21:16:09 (20 Dec 2015)\n",
       "2012-06-17T06:45:24|120|"},
      {"  0:05 InitGame: \\x\\1\n  0:05 ServerTime: 20151220211609 21:16:09\n"
       "  0:09 ServerTime: 20151220211613\n",
       "2015-12-20T21:16:09|120|"},
      {"  0:05 InitGame: \\g_timestamp\\2012-13-17 06:45:24\n"
       "  0:05 ServerTime: 2015122021160\n  0:06 ServerTime: 201512202116090\n",
       "|120|"},
      {"  0:00 ServerTime: 20151220211609\n  0:00 InitGame: \\sv_hostname\\A\n"
       "  0:10 InitGame: \\x\\1\n",
       "|115|"},
      {"  3:00 InitGame: \\x\\1\n", "|-1|"},  // time runs backwards
  };
  for (const auto& row : rows) {
    open_log(row.lines + "  2:05 ShutdownGame:\n");
    ASSERT_EQ(next_game(), 1) << row.lines;
    EXPECT_EQ(game->started + "|" + std::to_string(game->duration) + "|" +
                  game->hostname,
              row.game)
        << row.lines;
  }
}

// Pickups count whatever the spacing and line end; a slot beyond the
// table and one that sent no settings warn.
TEST_F(event_handlers_test, item_lines) {
  open_log(std::string(INIT) + userinfo(3, "A", 0) +
           "  1:10 Item: 3 item_armor_shard\n"
           "  1:11 Item: 3 item_armor_shard\r\n"
           "  1:12 Item: 3 item_armor_shard \n"
           "  1:13 Item: 3   weapon_railgun\n"
           "  1:14 Item: 3 holdable_kamikaze\n"
           "  1:15 Item: 3 " + std::string(70, 'i') + "\n"
           "  1:16 Item: 40 item_quad\n"
           "  1:17 ClientDisconnect: 6\n  1:17 Item: 6 item_quad\n");
  begin_capture();
  next_game();
  EXPECT_EQ(end_capture(),
            "\nWARNING: player_id overflow in resultdata::add_item"
            "\nLOGTIME: 1:16 min\n"
            "\nWARNING: client 6 never connected (glitch in logfile?)"
            "\nLOGTIME: 1:17 min\n");
  EXPECT_EQ(player("A").items, 6);
  EXPECT_EQ(player("A").pickups[item_armor_shard], 2u);
  EXPECT_EQ(player("A").pickups[weapon_railgun], 1u);
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
