// Tests of the game page sections: Game info, Teams, Players, team marks,
// kill charts and the data file lines.
#include "output/output.h"

#include <filesystem>
#include <string>

#include "config/configdata.h"
#include "output/page_frame.h"
#include "output/page_test_util.h"
#include "stats/resultdata.h"

namespace {

struct player_values {
  const char* name;
  int kills, killed, playtime;
  int bot_skill = -1;
  int mkiol = 0, mkiol_time = 0;
  int team = 0;
  const char* history = "";
  int teamkills = 0;
};

int add(resultdata& game, const player_values& v) {
  int i = game.add_player();
  player_t& p = game.get_player(i);
  p.set_name(v.name);
  p.kills[0] = static_cast<uint32_t>(v.kills);
  p.killed[0] = static_cast<uint32_t>(v.killed);
  p.playtime = v.playtime;
  p.bot_skill = v.bot_skill;
  p.mkiol = static_cast<uint16_t>(v.mkiol);
  p.mkiol_time = static_cast<uint16_t>(v.mkiol_time);
  p.team = v.team;
  p.team_history = v.history;
  p.teamkills[0] = static_cast<uint32_t>(v.teamkills);
  return i;
}

void set_team(resultdata& game, int t, int kills, int killed, int teamkills) {
  player_t& team = game.get_team(t);
  team.kills[0] = static_cast<uint32_t>(kills);
  team.killed[0] = static_cast<uint32_t>(killed);
  team.teamkills[0] = static_cast<uint32_t>(teamkills);
}

const char* const kListTable =
    "\r\n<table border=1 cellspacing=0 bordercolor=#000000 bgcolor=#606060 "
    "align=center>\r\n";

class game_sections_test : public temp_folder_test {
 protected:
  // Bytes that a section writes for the game.
  std::string section(const std::function<void(output&)>& write) {
    return written_by([&](outputfile& f) {
      output out(&game, &f, &config);
      write(out);
    });
  }
  // A free-for-all game: Alice killed Bob 3 times, Bob (a bot without
  // playtime) killed Alice once.
  void make_ffa() {
    add(game, {"Alice", 3, 1, 120, -1, 2, 65});
    add(game, {"Bob", 1, 3, 0, 3});
  }
  // A team game with equal scores: red 2 - 0, blue 3 - 1 team kill.
  void make_team_tie() {
    game.teamgame = true;
    add(game, {"Blu", 3, 2, 60, -1, 0, 0, 2, "\2", 1});
    add(game, {"Red", 2, 1, 60, -1, 1, 30, 1, "\1\1\2\2\1"});
    set_team(game, 1, 2, 1, 0);
    set_team(game, 2, 3, 2, 1);
  }
  configdata config;
  resultdata game{config};
};

TEST_F(game_sections_test, game_info_escapes_log_texts) {
  game.mapname = "<script>q3dm1";
  game.gamename = "a&b";
  game.set_gametype(3);
  game.timelimit = 20;
  auto row = [](const char* label, const char* value) {
    return std::string("<tr>\r\n<th bgcolor=#000080>") + label +
           "</th>\r\n<td bgcolor=#606060><p align=right>" + value +
           "</p></td>\r\n</tr>\r\n";
  };
  EXPECT_EQ(section([](output& o) { o.write_game_info(); }),
            "<p><b>Game info</b></p>\r\n<table border=1 cellspacing=0 "
            "bordercolor=#000000 align=center>\r\n" +
                row("Map", "&lt;script&gt;q3dm1") + row("Game", "a&amp;b") +
                row("Gametype", "team DM") + row("Timelimit", "20") +
                row("Fraglimit", "0") + "</table>\r\n");
}

TEST_F(game_sections_test, ffa_player_table) {
  make_ffa();
  std::string expected =
      std::string("<p><b>Players (sorted by ratio and name)</b></p>") +
      kListTable +
      "<tr align=right bgcolor=#000080>\r\n<th align=left width=20>#</th>\r\n"
      "<th align=left>Name</th>\r\n<th >Bot</th>\r\n<th >Ratio</th>\r\n"
      "<th >Eff</th>\r\n<th >Skill</th>\r\n<th >Frags</th>\r\n"
      "<th >Kills</th>\r\n<th >Killed</th>\r\n<th >Suicides</th>\r\n"
      "<th >Deaths</th>\r\n<th >T.deaths</th>\r\n<th >MKIOL</th>\r\n"
      "<th >Avg. life</th>\r\n<th >FPM</th>\r\n<th >DPM</th>\r\n"
      "<th >Playtime</th>\r\n</tr>\r\n"
      "<tr align=right bgcolor=#808080>\r\n<td align=left>1</td>\r\n"
      "<td align=left><b>Alice</b></td>\r\n<td align=center>-</td>\r\n"
      "<td >1.00</td>\r\n<td >75.0</td>\r\n<td >1.50</td>\r\n<td >3</td>\r\n"
      "<td >3</td>\r\n<td >1</td>\r\n<td >0</td>\r\n<td >0</td>\r\n"
      "<td >1</td>\r\n<td >2 (1:05 min)</td>\r\n<td >1:00 min</td>\r\n"
      "<td >1.50</td>\r\n<td >0.50</td>\r\n<td >00:02 h</td>\r\n</tr>\r\n"
      "<tr align=right>\r\n<td align=left>2</td>\r\n"
      "<td align=left><b>Bob</b></td>\r\n<td align=center>(3)</td>\r\n"
      "<td >ERR</td>\r\n<td >25.0</td>\r\n<td >0.25</td>\r\n<td >1</td>\r\n"
      "<td >1</td>\r\n<td >3</td>\r\n<td >0</td>\r\n<td >0</td>\r\n"
      "<td >3</td>\r\n<td align=center>-</td>\r\n<td >0:00 min</td>\r\n"
      "<td >0.00</td>\r\n<td >0.00</td>\r\n<td >00:00 h</td>\r\n</tr>\r\n"
      "</table>\r\n";
  EXPECT_EQ(section([](output& o) {
              o.write_team_table();  // nothing without team play
              o.write_player_table(true);
            }),
            expected);
}

TEST_F(game_sections_test, ffa_list_form_has_no_heading_and_skip_bots_no_bot) {
  make_ffa();
  config.skip_bots = true;
  std::string table = section([](output& o) { o.write_player_table(false); });
  EXPECT_EQ(table.find("<p>"), std::string::npos);
  EXPECT_EQ(table.find("Bot"), std::string::npos);
  EXPECT_NE(table.find("<td align=left><b>Bob</b></td>\r\n<td >ERR</td>"),
            std::string::npos);
  EXPECT_EQ(table.find("Team"), std::string::npos);
  EXPECT_EQ(table.find("Score"), std::string::npos);
}

TEST_F(game_sections_test, team_game_with_equal_scores) {
  make_team_tie();
  auto team_header = [] {
    std::string header = "<tr align=right bgcolor=#000080>\r\n";
    for (const char* label :
         {"Team", "Eff", "Skill", "Score", "Frags", "Kills", "Killed",
          "Suicides", "Deaths", "T.deaths", "Teamkills"}) {
      header += std::string("<th align=left>") + label + "</th>\r\n";
    }
    return header + "</tr>\r\n";
  };
  std::string expected =
      std::string("<p><b>Teams</b></p>") + kListTable + team_header() +
      "<tr align=right>\r\n<td align=left><b><font color=blue>Blue</font>"
      "</b></td>\r\n<td >60.0</td>\r\n<td >1.00</td>\r\n<td >1</td>\r\n"
      "<td >2</td>\r\n<td >3</td>\r\n<td >2</td>\r\n<td >0</td>\r\n"
      "<td >0</td>\r\n<td >2</td>\r\n<td >1</td>\r\n</tr>\r\n"
      "<tr align=right>\r\n<td align=left><b><font color=red>Red</font>"
      "</b></td>\r\n<td >66.7</td>\r\n<td >1.00</td>\r\n<td >2</td>\r\n"
      "<td >2</td>\r\n<td >2</td>\r\n<td >1</td>\r\n<td >0</td>\r\n"
      "<td >0</td>\r\n<td >1</td>\r\n<td >0</td>\r\n</tr>\r\n</table>\r\n"
      "<p><b>Players (sorted by team and score)</b></p>" +
      kListTable +
      "<tr align=right bgcolor=#000080>\r\n<th align=left width=20>#</th>\r\n"
      "<th align=left>Name</th>\r\n<th align=left>Team</th>\r\n"
      "<th >Bot</th>\r\n<th >Ratio</th>\r\n<th >Eff</th>\r\n"
      "<th >Skill</th>\r\n<th >Score</th>\r\n<th >Frags</th>\r\n"
      "<th >Kills</th>\r\n<th >Killed</th>\r\n<th >Suicides</th>\r\n"
      "<th >Deaths</th>\r\n<th >T.deaths</th>\r\n<th >Teamkills</th>\r\n"
      "<th >MKIOL</th>\r\n<th >Avg. life</th>\r\n<th >FPM</th>\r\n"
      "<th >DPM</th>\r\n<th >Playtime</th>\r\n</tr>\r\n"
      "<tr align=right bgcolor=#808080>\r\n<td align=left>1</td>\r\n"
      "<td align=left><b>Red</b></td>\r\n<td align=left><center><b>"
      "<font color=red>R</font><font color=blue>B</font>"
      "<font color=red>R</font></b></center></td>\r\n"
      "<td align=center>-</td>\r\n<td >1.00</td>\r\n<td >66.7</td>\r\n"
      "<td >1.00</td>\r\n<td >2</td>\r\n<td >2</td>\r\n<td >2</td>\r\n"
      "<td >1</td>\r\n<td >0</td>\r\n<td >0</td>\r\n<td >1</td>\r\n"
      "<td >0</td>\r\n<td >1 (0:30 min)</td>\r\n<td >0:30 min</td>\r\n"
      "<td >2.00</td>\r\n<td >1.00</td>\r\n<td >00:01 h</td>\r\n</tr>\r\n"
      "<tr align=right>\r\n<td align=left>2</td>\r\n"
      "<td align=left><b>Blu</b></td>\r\n<td align=left><center><b>"
      "<font color=blue>B</font></b></center></td>\r\n"
      "<td align=center>-</td>\r\n<td >1.00</td>\r\n<td >60.0</td>\r\n"
      "<td >1.00</td>\r\n<td >2</td>\r\n<td >3</td>\r\n<td >3</td>\r\n"
      "<td >2</td>\r\n<td >0</td>\r\n<td >0</td>\r\n<td >2</td>\r\n"
      "<td >1</td>\r\n<td align=center>-</td>\r\n<td >0:20 min</td>\r\n"
      "<td >3.00</td>\r\n<td >2.00</td>\r\n<td >00:01 h</td>\r\n</tr>\r\n"
      "</table>\r\n";
  EXPECT_EQ(section([](output& o) {
              o.write_team_table();
              o.write_player_table(false);
            }),
            expected);
  EXPECT_EQ(game.get_player(0).team_history, "\1\2\1");  // stored collapsed
}

TEST_F(game_sections_test, leading_blue_team_comes_first_in_players) {
  make_team_tie();
  std::swap(game.get_player(0), game.get_player(1));  // red first now
  set_team(game, 2, 4, 2, 1);                         // blue 3, red 2
  std::string tables = section([](output& o) {
    o.write_team_table();
    o.write_player_table(true);
  });
  EXPECT_EQ(game.get_player(0).get_name(), "Blu");
  EXPECT_LT(tables.find("<font color=blue>Blue</font>"),
            tables.find("<font color=red>Red</font>"));
}

TEST_F(game_sections_test, huge_counters_are_never_negative) {
  make_ffa();
  player_t& alice = game.get_player(0);
  alice.kills[0] = UINT32_MAX;
  alice.killed[0] = UINT32_MAX;
  alice.pickups[item_health_mega] = UINT32_MAX;
  std::string table = section([](output& o) {
    o.write_player_table(false);
    o.write_health_armor();
  });
  EXPECT_NE(table.find("<td >4294967295</td>\r\n<td >4294967295</td>"),
            std::string::npos);
  EXPECT_NE(table.find("<td >0:00 min</td>"), std::string::npos);
  EXPECT_NE(table.find("<td >429496729500</td>"), std::string::npos);
  EXPECT_EQ(table.find(">-4"), std::string::npos);
}

TEST_F(game_sections_test, team_marks_collapse_runs) {
  struct {
    std::string history, marks, collapsed;
  } rows[] = {
      {"", "", ""},
      {"\1", "<font color=red>R</font>", "\1"},
      {"\2\2\3\3\3", "<font color=blue>B</font>S", "\2\3"},
      {std::string("\0\1\0\5", 4), "<font color=red>R</font>",
       std::string("\0\1\0\5", 4)},
  };
  output out(&game, nullptr, &config);
  for (auto& row : rows) {
    std::string history = row.history;
    EXPECT_EQ(out.team_marks(history), row.marks) << row.marks;
    EXPECT_EQ(history, row.collapsed) << row.marks;
    EXPECT_EQ(out.team_marks(history), row.marks) << "again " << row.marks;
  }
}

TEST_F(game_sections_test, killchart_only_for_slots_with_kills) {
  make_ffa();
  player_t& alice = game.get_player(0);
  player_t& bob = game.get_player(1);
  alice.kills[10] = 4;  // 3 on Bob and one suicide counted on the diagonal
  alice.suicides[10] = 1;
  alice.killed[10] = 1;
  bob.kills[10] = 1;
  bob.killed[10] = 3;
  bob.suicides[6] = 1;  // a suicide alone gives no chart
  game.set_kills(0, 1, 10, 3);
  game.set_kills(0, 0, 10, 1);
  game.set_kills(1, 0, 10, 1);
  game.set_kills(1, 1, 6, 1);
  auto number = [](const char* width, int n) {
    return std::string("<td") + width +
           "><p align=center><font color=#FF0000><b>" + std::to_string(n) +
           "</b></font></p></td>\r\n";
  };
  std::string expected =
      "\r\n<table border=1 cellspacing=0 bgcolor=#606060 bordercolor=#000000 "
      "align=center>\r\n<tr bgcolor=000080>\r\n<td align=center colspan=5>"
      "<b>Killchart (Railgun)</b></td>\r\n</tr>\r\n"
      "<tr>\r\n<td>&nbsp;</td>\r\n<td>&nbsp;</td>\r\n" +
      number("", 1) + number("", 2) + "<td><b>KILLS</b></td>\r\n</tr>\r\n" +
      "<tr>\r\n<td><b>Alice</b></td>\r\n" + number(" width=20", 1) +
      "<td width=20><p align=right><font color=#0000FF>1</font></p></td>\r\n"
      "<td width=20><p align=right>3</p></td>\r\n"
      "<td><p align=right><b>3</b></p></td>\r\n</tr>\r\n"
      "<tr>\r\n<td><b>Bob</b></td>\r\n" + number(" width=20", 2) +
      "<td width=20><p align=right>1</p></td>\r\n"
      "<td width=20><p align=right><font color=#0000FF>0</font></p></td>\r\n"
      "<td><p align=right><b>1</b></p></td>\r\n</tr>\r\n"
      "<tr>\r\n<td><b>DEATHS</b></td>\r\n<td>&nbsp;</td>\r\n"
      "<td><p align=right><b>1</b></p></td>\r\n"
      "<td><p align=right><b>3</b></p></td>\r\n"
      "<td><p align=right><b>5</b></p></td>\r\n</tr>\r\n</table>\r\n<p></p>";
  EXPECT_EQ(section([](output& o) { o.write_killchart(10); }), expected);
  EXPECT_EQ(section([](output& o) { o.write_killchart(6); }), "");
  EXPECT_EQ(section([](output& o) { o.write_killchart(39); }), "");
}

TEST_F(game_sections_test, data_file_lines_are_appended_one_folder_up) {
  make_ffa();
  game.get_player(0).kills[10] = 3;
  game.get_player(0).killed[25] = 1;
  game.get_player(1).deaths = 2;
  game.get_player(1).suicides[0] = 1;
  write_file("morvdata.txt", "earlier\r\n");
  std::filesystem::create_directory("morv_games");
  std::filesystem::current_path("morv_games");
  output out(&game, nullptr, &config);
  out.append_player_lines(7);
  std::filesystem::current_path("..");
  EXPECT_EQ(read_file("morvdata.txt"),
            "earlier\r\n"
            "7,Alice,3,1,0,0,00:02:00 h,0,0,0,0,0,0,3,0,0,0,0,0,0,0,"
            "0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n"
            "7,Bob,1,3,1,2,00:00:00 h,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
            "0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

}  // namespace
