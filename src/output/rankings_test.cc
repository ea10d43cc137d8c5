// Tests of the ranking pages in limited runs: top N, max_players, the
// limits and the listed flags (the recorded runs hold whole unlimited sets).
#include <string>
#include <vector>

#include "config/configdata.h"
#include "main/morv_main.h"
#include "output/output.h"
#include "output/page_test_util.h"
#include "stats/resultdata_total.h"

namespace {

const char* const kPageNames[] = {
    "players.htm",      "players_ratio.htm", "players_name.htm",
    "players_eff.htm",  "players_skill.htm", "players_frags.htm",
    "players_kills.htm", "players_playtime.htm"};

int count_of(const std::string& text, const std::string& piece) {
  int count = 0;
  for (size_t at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

int rows_of(const std::string& page) {
  return count_of(page, "<tr align=right>\r\n") +
         count_of(page, "<tr align=right bgcolor=#808080>\r\n");
}

class rankings_test : public temp_folder_test {
 protected:
  player_t& add(const std::string& name, int kills, int games = 1,
                int playtime = 60) {
    player_t& player = *totals.find_player(name);
    player.kills[0] = static_cast<uint32_t>(kills);
    player.games = games;
    player.playtime = playtime;
    return player;
  }
  std::string write(int n) {
    begin_capture();
    driver.write_rankings(totals, n);
    return end_capture();
  }

  morv_main driver;
  configdata& cfg = driver.cfg;
  resultdata_total totals{driver.cfg};
};

TEST_F(rankings_test, top_pages_show_the_first_n) {
  cfg.top_players = 2;
  for (const char* name : {"dan", "Cid", "bob", "ann"}) add(name, 1);
  write(2);
  const std::string page = read_file("top_players_name.htm");
  EXPECT_EQ(rows_of(page), 2);
  EXPECT_NE(page.find(">ann</a>"), std::string::npos);
  EXPECT_NE(page.find(">bob</a>"), std::string::npos);
  EXPECT_EQ(page.find(">Cid</a>"), std::string::npos);
}

TEST_F(rankings_test, max_players_spares_the_name_page) {
  cfg.max_players = 5;
  cfg.filters_on = true;
  for (int i = 0; i < 7; ++i) add("p" + std::to_string(i), i);
  write(0);
  for (const char* name : kPageNames) {
    const std::string page = read_file(name);
    const bool by_name = std::string(name) == "players_name.htm";
    EXPECT_EQ(rows_of(page), by_name ? 7 : 5) << name;
    const std::string limits =
        by_name ? "<p><b><font size=3>Limits used:</font></b></p>"
                : "<p><b><font size=3>Limits used:</font></b>"
                  "<br>max_players: 5</p>";
    EXPECT_EQ(count_of(page, limits), 1) << name;
  }
}

TEST_F(rankings_test, players_below_limits_use_no_rank) {
  cfg.min_games = 3;
  cfg.filters_on = true;
  add("ann", 9, 3);
  player_t& bob = add("bob", 8, 2);
  add("cid", 7, 4);
  add("dan", 6, 5);
  write(0);
  const std::string page = read_file("players_kills.htm");
  EXPECT_EQ(page.find(">bob</a>"), std::string::npos);
  EXPECT_FALSE(bob.listed);
  // Ranks stay contiguous and rows alternate by rank.
  EXPECT_NE(page.find("<tr align=right>\r\n<td align=left>1</td>\r\n"
                      "<td align=left><b><a href=\"morv_players/player_1.htm\">"),
            std::string::npos);
  EXPECT_NE(page.find("<tr align=right bgcolor=#808080>\r\n"
                      "<td align=left>2</td>\r\n<td align=left><b><a href="
                      "\"morv_players/player_3.htm\">"),
            std::string::npos);
  EXPECT_NE(page.find("<tr align=right>\r\n<td align=left>3</td>\r\n"
                      "<td align=left><b><a href=\"morv_players/player_4.htm\">"),
            std::string::npos);
  EXPECT_NE(page.find("<br>min_games: 3</p>"), std::string::npos);
}

TEST_F(rankings_test, limits_paragraph) {
  struct row {
    bool filters_on;
    int min_kills, min_games, min_playtime;
    bool skip_bots;
    const char* expected;  // "" when there is no paragraph
  };
  const row rows[] = {
      {false, 0, 0, 0, true, ""},
      {true, 2, 0, 0, false,
       "<p><b><font size=3>Limits used:</font></b><br>min_kills: 2</p>"},
      {true, 1, 2, 3725, true,
       "<p><b><font size=3>Limits used:</font></b><br>min_kills: 1"
       "<br>min_games: 2<br>min_playtime: 01:02:05 h<br>no_bots: true</p>"},
  };
  add("ann", 5, 5, 5000);
  for (const row& r : rows) {
    cfg.filters_on = r.filters_on;
    cfg.min_kills = r.min_kills;
    cfg.min_games = r.min_games;
    cfg.min_playtime = r.min_playtime;
    cfg.skip_bots = r.skip_bots;
    write(0);
    const std::string page = read_file("players_ratio.htm");
    const std::string before_games = page.substr(
        0, page.find("<p class=title>Number of games"));
    const std::string after_title = before_games.substr(
        before_games.find("(sorted by ratio)</p>") + 21);
    EXPECT_EQ(after_title, r.expected) << r.expected;
  }
}

TEST_F(rankings_test, limits_compare_unsigned) {
  struct row {
    bool filters_on;
    int min_kills, min_games, min_playtime;
    bool expected;
  };
  const row rows[] = {
      {false, 100, 0, 0, false}, {true, 0, 0, 0, false},
      {true, 6, 0, 0, true},     {true, 5, 0, 0, false},
      {true, 0, 3, 0, true},     {true, 0, 0, 601, true},
      {true, -1, 0, 0, true},    // -1 is the largest unsigned limit
  };
  player_t& ann = add("ann", 5, 2, 600);
  outputfile file;
  output writer(&totals, &file, &cfg, 0);
  for (const row& r : rows) {
    cfg.filters_on = r.filters_on;
    cfg.min_kills = r.min_kills;
    cfg.min_games = r.min_games;
    cfg.min_playtime = r.min_playtime;
    EXPECT_EQ(writer.is_below_limits(ann), r.expected)
        << r.min_kills << " " << r.min_games << " " << r.min_playtime;
  }
}

}  // namespace
