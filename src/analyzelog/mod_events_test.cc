// Tests of the mods' lines and of the reading report: log text through the
// reader into a record.
#include <gtest/gtest.h>

#include <string>

#include "analyzelog/log_test_util.h"
#include "output/json_writer.h"

namespace {

// A's client is 0 (red), B's 1 (blue).
const char* const TWO_PLAYERS =
    "  0:00 InitGame: \\g_gametype\\4\n"
    "  0:00 ClientUserinfoChanged: 0 n\\A\\t\\1\n"
    "  0:00 ClientUserinfoChanged: 1 n\\B\\t\\2\n";

std::string player_figures(const player_t& player,
                           const game_mod_figures& game) {
  std::string text = " " + player.name + ":";
  for (int figure = 0; figure < MOD_COUNTS; ++figure) {
    const uint32_t count = player.mod.counts[static_cast<size_t>(figure)];
    if (count != 0)
      text += " " + std::string(mod_figure_name(figure)) + "=" +
              std::to_string(count);
  }
  if (player.mod.fastest_capture_ms >= 0) {
    text += " fastest=" + std::to_string(player.mod.fastest_capture_ms);
  }
  if (game.has(server_score))
    text += " score=" + std::to_string(player.mod.server_score);
  for (const named_count& award : player.mod.awards) {
    text += " " + award.name + "=" + std::to_string(award.count);
  }
  for (const weapon_accuracy& weapon : player.mod.accuracy) {
    text += " " + weapon.weapon + "=" + std::to_string(weapon.shots) + "/" +
            std::to_string(weapon.hits);
  }
  return text;
}

// The figures provided, then the team scores and round wins when given,
// then each player's figures that are not zero.
std::string figures(const resultdata& game) {
  std::string text;
  for (int figure = 0; figure < MOD_FIGURES; ++figure) {
    if (game.mod.has(figure))
      text += std::string(mod_figure_name(figure)) + " ";
  }
  const auto& scores = game.mod.team_scores;
  const auto& rounds = game.mod.team_round_wins;
  if (game.mod.has(team_scores)) {
    text += "red " + std::to_string(scores[1]) + " blue " +
            std::to_string(scores[2]);
  }
  if (game.mod.has(team_round_wins)) {
    text += "rounds " + std::to_string(rounds[1]) + "-" +
            std::to_string(rounds[2]) + "-" + std::to_string(rounds[0]);
  }
  text += "|";
  for (int i = 0; i < game.get_num_players(); ++i) {
    text += player_figures(game.get_player(i), game.mod);
  }
  return text;
}

}  // namespace

using mod_events_test = log_test;

// {lines after TWO_PLAYERS, before ShutdownGame; the figures}. Clients
// without a player, events out of range and lines of a warm-up count
// nothing; end-of-match reports after Exit: count.
TEST_F(mod_events_test, figures_of_each_mod) {
  const struct {
    std::string lines;
    std::string figures;
  } rows[] = {
      {"  0:17 CTF: 0 2 0: A got the BLUE flag!\n"
       "  0:20 CTF: 0 2 1: A captured the BLUE flag!\n"
       "  0:21 CTF: 1 1 2: B returned the RED flag!\n"
       "  0:22 CTF: 1 1 3: B fragged RED's flag carrier!\n"
       "  0:23 1FCTF: 0 -1 1: A captured the flag!\n"
       "  0:24 CTF: 9 1 1: x\n  0:24 CTF: 0 1 4: x\n  0:24 CTF: -1 1 1: x\n",
       "flag_takes flag_captures flag_returns flag_carrier_kills |"
       " A: flag_takes=1 flag_captures=2 B: flag_returns=1 "
       "flag_carrier_kills=1"},
      {"  3:03 Flag: 1 0: team_CTF_redflag\n"
       "  3:04 Flag: 1 1: team_CTF_redflag\n"
       "  3:05 Flag: 0 2: team_CTF_blueflag\n"
       "  3:05 FlagCaptureTime: 0: 29850\n"
       "  4:05 FlagCaptureTime: 0: 31000\n  4:06 Flag: 0 3: x\n"
       "  5:05 Assist: 1 0 1: B assisted A to kill x\n"
       "  5:06 Hit: 0 1 6 8: B hit A in the Vest\n  5:07 Hit: 0 1 1 8: x\n"
       "  5:08 Hit: 1 0 1 99: x\n  5:09 Hit: 1 700 1 1: x\n"
       "  6:00 SurvivorWinner: Red\n  6:01 SurvivorWinner: Draw\n"
       "  6:02 SurvivorWinner: 1\n  6:03 SurvivorWinner: Green\n",
       "flag_captures flag_returns flag_drops assists round_wins "
       "fastest_capture_ms hits team_round_wins rounds 1-0-1|"
       " A: flag_captures=1 fastest=29850 #99=0/1"
       " B: flag_returns=1 flag_drops=1 assists=1 round_wins=1 lr300=0/2"},
      {"  0:11 Award: 0 2: A gained the IMPRESSIVE award!\n"
       "  0:12 Award: 1 3: x gained the FAKE award! gained the DEFENCE award!\n"
       "  0:13 Award: 0 2: A gained the IMPRESSIVE award!\n"
       "  0:14 Award: 0 7: A\n"
       "  0:29 PlayerScore: 0 4: A now has 4 points\n"
       "  0:30 PlayerScore: 0 3: A now has 3 points\n",
       "server_score awards |"
       " A: score=3 impressive=2 #7=1 B: score=0 defence=1"},
      {"  1:30 ClientDisconnect: 0\n"
       "  1:30 Weapon_Stats: 0 MachineGun:152:23:0:0 Gauntlet:0:8:0:0 "
       "Given:342 :3:4 Recvd:259\n"
       "  1:31 ClientUserinfoChanged: 0 n\\A\\t\\1\n  2:00 Exit: Fraglimit "
       "hit.\n"
       "  2:00 Weapon_Stats: 0 MachineGun:10:1:0:0 X:99999999999:-5:0:0\n"
       "  2:00 Weapon_Stats: 512 MachineGun:10:1:0:0\n",
       "shots hits | A: MachineGun=162/24 Gauntlet=0/8 X=2147483647/0 B:"},
      {"  0:41 Flag_Pickup: 0\n  0:42 Flag_Capture: 0 21.65\n"
       "  0:42 TeamScore: 1 1 Stroggs\n  0:43 Flag_Return: 1 4.300\n"
       "  0:44 Kill_Carrier: 1\n  0:45 Score: 1 5\n  0:46 Flag_Capture: 0 "
       "-1.5\n"
       "  1:00 Exit: Capturelimit hit.\n  1:00 red:4  blue:2\n",
       "flag_takes flag_captures flag_returns flag_carrier_kills "
       "fastest_capture_ms server_score team_scores red 4 blue 2|"
       " A: flag_takes=1 flag_captures=2 fastest=21650 score=0"
       " B: flag_returns=1 flag_carrier_kills=1 score=5"},
      {"  0:30 Warmup:\n  0:31 CTF: 0 2 1: x\n  0:31 red:1  blue:1\n"
       "  0:31 Award: 0 2: A gained the X award!\n",
       "| A: B:"},
  };
  for (const auto& row : rows) {
    game.reset();
    ignore_events = false;
    open_log(TWO_PLAYERS + row.lines + "  9:00 ShutdownGame:\n");
    ASSERT_EQ(next_game(), 1) << row.lines;
    EXPECT_EQ(figures(*game), row.figures) << row.lines;
  }
}

// The report counts lines of a type no handler reads, not lines the rules
// skip; types are cut to 32 bytes and capped at 64, the rest under one
// key; in JSON, types that become one text count as one.
TEST_F(mod_events_test, reading_report_is_capped) {
  std::string log =
      "  0:00 Warmup:\n  0:01 Kill: 1 2 3: x\n  0:02\n"
      "toolongforastamp x\n  0:03 \xE9:\n  0:04 \xC3\xA9:\n"
      "  0:05 " +
      std::string(40, 'T') + "\n";
  for (int type = 0; type < 70; ++type) {
    log += "  0:06 Type" + std::to_string(type) + ": x\n";
  }
  open_log(log + "  0:07 Type3: x\n");
  next_game();
  const auto entries = reader->reading_report().entries();
  ASSERT_EQ(entries.size(), line_report::MAX_TYPES + 1);
  EXPECT_EQ(entries[0],
            std::make_pair(std::string("(other types)"), int64_t{11}));
  EXPECT_EQ(entries[1], std::make_pair(std::string("Type3:"), int64_t{2}));
  const std::string expected[] = {"(no time stamp)", "(no type)",
                                  std::string(32, 'T'), "Type0:", "Type10:"};
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(entries[i + 2].first, expected[i]);
  }
  rapidjson::StringBuffer buffer;
  json_writer writer(buffer);
  write_json_tally(writer, {entries[5], {"\xE9:", 1}, {"\xC3\xA9:", 2}});
  EXPECT_STREQ(buffer.GetString(), "{\"Type0:\":1,\"\xC3\xA9:\":3}");
}
