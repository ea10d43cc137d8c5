// Tests of the game page sections beyond what the recorded runs show:
// team order, huge counters, team marks and which kill charts appear.
#include "output/output.h"

#include <string>

#include "config/configdata.h"
#include "output/page_test_util.h"
#include "stats/resultdata.h"

namespace {

void set_team(resultdata& game, int t, int kills, int killed, int teamkills) {
  player_t& team = game.get_team(t);
  team.kills[0] = static_cast<uint32_t>(kills);
  team.killed[0] = static_cast<uint32_t>(killed);
  team.teamkills[0] = static_cast<uint32_t>(teamkills);
}

class game_sections_test : public temp_folder_test {
 protected:
  // Bytes that a section writes for the game.
  std::string section(const std::function<void(output&)>& write) {
    return written_by([&](outputfile& f) {
      output out(&game, &f, &config);
      write(out);
    });
  }
  player_t& add(const char* name, int kills, int killed, int team = 0) {
    player_t& p = game.get_player(game.add_player());
    p.set_name(name);
    p.kills[0] = static_cast<uint32_t>(kills);
    p.killed[0] = static_cast<uint32_t>(killed);
    p.playtime = 60;
    p.team = team;
    return p;
  }
  configdata config;
  resultdata game{config};
};

// On equal scores Blue leads the team table and red players the player
// table (the recorded team runs show it); a leading blue team comes first
// in both.
TEST_F(game_sections_test, leading_blue_team_comes_first) {
  game.teamgame = true;
  add("Red", 2, 1, 1);
  add("Blu", 4, 2, 2).teamkills[0] = 1;
  set_team(game, 1, 2, 1, 0);
  set_team(game, 2, 4, 2, 1);  // blue 3, red 2
  std::string tables = section([](output& o) {
    o.write_team_table();
    o.write_player_table(true);
  });
  EXPECT_EQ(game.get_player(0).get_name(), "Blu");
  EXPECT_LT(tables.find("<font color=blue>Blue</font>"),
            tables.find("<font color=red>Red</font>"));
}

TEST_F(game_sections_test, huge_counters_are_never_negative) {
  player_t& alice = add("Alice", 0, 0);
  add("Bob", 1, 3);
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
  add("Alice", 3, 1);
  add("Bob", 1, 3).suicides[6] = 1;  // a suicide alone gives no chart
  game.set_kills(1, 1, 6, 1);
  EXPECT_EQ(section([](output& o) { o.write_killchart(6); }), "");
  EXPECT_EQ(section([](output& o) { o.write_killchart(39); }), "");
  game.get_player(1).kills[6] = 1;
  game.set_kills(1, 0, 6, 1);
  EXPECT_NE(section([](output& o) { o.write_killchart(6); }), "");
}

}  // namespace
