// Tests of the ranking pages: the page bytes, the sets of files, limits,
// max_players, top N and the listed flags.
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

TEST_F(rankings_test, page_bytes) {
  cfg.css_present = true;
  cfg.homepage_address = "http://h/";
  cfg.homepage_string = "Home";
  driver.games_written = 3;
  player_t& ann = add("Ann", 10, 2, 300);
  ann.killed[0] = 4;
  ann.suicides[0] = 1;
  ann.deaths = 1;
  ann.add_ping(50);
  ann.add_ping(51);
  player_t& bob = add("^1Bob", 0, 1, 0);
  bob.bot_skill = 3;
  write(0);

  const std::string row_ann =
      "<tr align=right>\r\n<td align=left>1</td>\r\n"
      "<td align=left><b><a href=\"morv_players/player_1.htm\">Ann</a></b>"
      "</td>\r\n<td align=center>-</td>\r\n"
      "<td >0.40</td>\r\n<td >62.5</td>\r\n<td >1.43</td>\r\n"
      "<td >8</td>\r\n<td >10</td>\r\n<td >4</td>\r\n<td >1</td>\r\n"
      "<td >1</td>\r\n<td >6</td>\r\n<td >1.60</td>\r\n<td >1.20</td>\r\n"
      "<td >00:05 h</td>\r\n<td >2</td>\r\n<td >50</td>\r\n</tr>\r\n";
  const std::string row_bob =
      "<tr align=right bgcolor=#808080>\r\n<td align=left>2</td>\r\n"
      "<td align=left><b><a href=\"morv_players/player_2.htm\">"
      "<font color=\"red\">Bob</font></a></b></td>\r\n"
      "<td align=center>(3)</td>\r\n"
      "<td >ERR</td>\r\n<td >0.0</td>\r\n<td >0.00</td>\r\n"
      "<td >0</td>\r\n<td >0</td>\r\n<td >0</td>\r\n<td >0</td>\r\n"
      "<td >0</td>\r\n<td >0</td>\r\n<td >0.00</td>\r\n<td >0.00</td>\r\n"
      "<td >00:00 h</td>\r\n<td >1</td>\r\n<td >-</td>\r\n</tr>\r\n";
  const std::string expected =
      "<html>\r\n<head>\r\n<title>Morv results</title>\r\n"
      "<LINK REL=StyleSheet HREF=\"morv.css\" TYPE=\"text/css\">"
      "</head>\r\n<body text=#FFFFFF bgcolor=#000000 class=text "
      "link=#FFFFFF vlink=#FFFFFF alink=#FFFFFF>\r\n"
      "<p class=text>[DATE]</p>\r\n"
      "<p class=title><a href=\"http://h/\"><font color=red>Home</font></a>"
      "<p class=title><a href=\"games.htm\"><font color=red>Game index"
      "</font></a></p>"
      "<p class=title>Player ranking<br>(sorted by ratio)</p>"
      "<p class=title>Number of games: 3</p>"
      "\r\n<table border=1 cellspacing=0 bordercolor=#000000 "
      "bgcolor=#606060 align=center>\r\n"
      "<tr align=right bgcolor=#000080>\r\n"
      "<th align=left width=20>#</th>\r\n"
      "<th align=left><a href=\"players_name.htm\">Name</a></th>\r\n"
      "<th align=left>Bot</th>\r\n"
      "<th ><a href=\"players_ratio.htm\">Ratio</a></th>\r\n"
      "<th ><a href=\"players_eff.htm\">Eff</a></th>\r\n"
      "<th ><a href=\"players_skill.htm\">Skill</a></th>\r\n"
      "<th ><a href=\"players_frags.htm\">Frags</a></th>\r\n"
      "<th ><a href=\"players_kills.htm\">Kills</a></th>\r\n"
      "<th >Killed</th>\r\n<th >Suicides</th>\r\n<th >Deaths</th>\r\n"
      "<th >T.deaths</th>\r\n<th >FPM</th>\r\n<th >DPM</th>\r\n"
      "<th ><a href=\"players_playtime.htm\">Playtime</a></th>\r\n"
      "<th >Games</th>\r\n<th >Ping</th>\r\n</tr>\r\n" +
      row_ann + row_bob + "</table>\r\n";
  const std::string page = mask_volatile(read_file("players.htm"));
  EXPECT_EQ(page.substr(0, expected.size()), expected);
  EXPECT_NE(page.find("</table>\r\n<p><b>Ratio</b> is calculated as"),
            std::string::npos);
  EXPECT_TRUE(ann.listed && bob.listed);
}

TEST_F(rankings_test, console_names_each_page_before_its_sort) {
  add("a", 1);
  const std::string console = write(0);
  const std::string sorted =
      "\n- Sorting all players        \b\b\b\b\b\b\b(100 %)\n";
  // The main page sorts twice: by the secondary, then the primary key.
  std::string expected =
      "\nWriting player stats to \"players.htm\"" + sorted + sorted;
  for (size_t i = 1; i < std::size(kPageNames); ++i) {
    expected += std::string("\nWriting player stats to \"") + kPageNames[i] +
                "\"" + sorted;
  }
  EXPECT_EQ(console, expected);
}

TEST_F(rankings_test, top_count_writes_a_second_linked_set) {
  for (int top : {0, 10}) {
    cfg.top_players = top;
    write(0);
    if (top > 0) write(top);
    for (const char* name : kPageNames) {
      EXPECT_TRUE(file_exists(name)) << name;
      EXPECT_EQ(file_exists(std::string("top_") + name), top > 0) << name;
    }
    const std::string main_page = read_file("players.htm");
    EXPECT_EQ(count_of(main_page, "<a href=\"top_players.htm\"><font color=red>"
                                  "Top 10 players</font></a></p>"),
              top > 0 ? 1 : 0);
  }
  const std::string top_page = read_file("top_players_eff.htm");
  EXPECT_EQ(count_of(top_page, "<p class=title><a href=\"players.htm\">"
                               "<font color=red>All players</font></a></p>"),
            1);
  EXPECT_EQ(count_of(top_page,
                     "<p class=title>Top 10 players<br>(sorted by eff)</p>"),
            1);
  EXPECT_EQ(count_of(top_page, "\"top_players_kills.htm\">Kills</a>"), 1);
  EXPECT_EQ(count_of(top_page, "\"players_name.htm\">Name</a>"), 1);
}

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
    EXPECT_EQ(count_of(page, "<th align=left>Bot</th>"), r.skip_bots ? 0 : 1);
    EXPECT_EQ(count_of(page, "<td align=center>-</td>"), r.skip_bots ? 0 : 1);
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
