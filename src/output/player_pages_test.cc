// Tests of the per-player pages: which pages, progress, and Player vs player
// stats with aliases and the UNLISTED and TOTAL rows of limited runs.
#include <string>
#include <vector>

#include "config/configdata.h"
#include "main/morv_main.h"
#include "output/output.h"
#include "output/page_test_util.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

namespace {

struct kill {
  int killer;
  int victim;
};

const char* const kP2pHead =
    "<p><b>Player vs player stats</b></p>\r\n<table border=1 cellspacing=0 "
    "bgcolor=#606060 bordercolor=#000000 align=center>\r\n"
    "<tr bgcolor=000080>\r\n<th bgcolor=#000080>Enemy</th>\r\n"
    "<th bgcolor=#000080>Kills</th>\r\n<th bgcolor=#000080>Deaths</th>\r\n"
    "<th bgcolor=#000080>Enemy Eff</th>\r\n</tr>\r\n";

class player_pages_test : public temp_folder_test {
 protected:
  // Adds a game of the named players with weapon-1 kills by index.
  void add_game(const std::vector<std::string>& names,
                const std::vector<kill>& kills) {
    game.reset();
    for (const std::string& name : names) {
      game.get_player(game.add_player()).set_name(name);
    }
    for (const kill& k : kills) {
      for (int w : {0, 1}) {
        game.count_kill(k.killer, k.victim, w);
        game.get_player(k.killer).kills[w]++;
        game.get_player(k.victim).killed[w]++;
      }
    }
    totals.add_game(game);
  }
  player_t& player(int number) {
    player_t* p = totals.players.next.get();
    while (p->number != number) p = p->next.get();
    return *p;
  }
  std::string p2p_of(player_t& owner) {
    output writer(&totals, nullptr, &cfg, 0);
    return written_by([&](outputfile& file) {
      writer.file = &file;
      writer.write_p2p(owner);
    });
  }

  morv_main driver;
  configdata& cfg = driver.cfg;
  resultdata game{driver.cfg};
  resultdata_total totals{driver.cfg};
};

TEST_F(player_pages_test, pages_of_listed_players_with_progress) {
  for (const char* name : {"a", "b", "c", "d"}) totals.find_player(name);
  for (int number : {1, 3, 4}) player(number).listed = true;
  begin_capture();
  driver.write_player_pages(totals);
  EXPECT_EQ(end_capture(),
            "\b\b\b\b\b\b\b( 25 %)\b\b\b\b\b\b\b( 75 %)"
            "\b\b\b\b\b\b\b(100 %)\b\b\b\b\b\b\b(100 %)");
  for (int number : {1, 2, 3, 4}) {
    const std::string name = "player_" + std::to_string(number) + ".htm";
    EXPECT_EQ(file_exists(name), number != 2) << name;
  }
}

TEST_F(player_pages_test, unlisted_opponents_are_summed) {
  cfg.filters_on = true;
  cfg.min_kills = 2;
  // Ann 0, Bob 1, Cid 2, Dan 3: Cid stays below two kills, Dan never
  // fights Ann.
  add_game({"Ann", "Bob", "Cid", "Dan"},
           {{0, 1}, {0, 1}, {0, 1}, {1, 0}, {1, 0}, {0, 2}, {2, 0}, {3, 2},
            {3, 2}});
  EXPECT_EQ(p2p_of(player(1)),
            std::string(kP2pHead) +
                "<tr>\r\n<th align=left><a href=\"player_2.htm\">Bob</a></th>"
                "\r\n<td align=right>3</td>\r\n<td align=right>2</td>\r\n"
                "<td align=right>40.00</td>\r\n</tr>\r\n"
                "<tr>\r\n<th align=left>UNLISTED</th>\r\n"
                "<td align=right>1</td>\r\n<td align=right>1</td>\r\n"
                "<th align=right>-</th>\r\n</tr>\r\n"
                "<tr>\r\n<th align=left>TOTAL</th>\r\n<th align=right>4</th>"
                "\r\n<th align=right>3</th>\r\n<th align=right>-</th>\r\n"
                "</tr>\r\n</table>\r\n");
  // Opponents sorted by Ann's kills, highest first.
  EXPECT_EQ(player(1).p2ps.next->name, "Bob");
}

TEST_F(player_pages_test, opponent_shown_as_the_rankings_know_him) {
  cfg.aliases.push_back("\"Bob\" \"Robert\"\r\n");
  cfg.alias_count = 1;
  add_game({"^1Cid", "Eve"}, {});
  add_game({"Robert", "Eve"}, {});
  add_game({"cid", "Bob", "Ann"}, {{2, 0}, {2, 1}});
  ASSERT_EQ(totals.count_players(), 4);
  // Ann's opponent records are named "cid" and "Bob"; the rows show the
  // run-wide records of ^1Cid (number 1) and Robert (number 3).
  const std::string table = p2p_of(player(4));
  EXPECT_NE(table.find("<a href=\"player_1.htm\"><font color=\"red\">Cid"
                       "</font></a>"),
            std::string::npos);
  EXPECT_NE(table.find("<a href=\"player_3.htm\">Robert</a>"),
            std::string::npos);
  EXPECT_EQ(totals.count_players(), 4);
  cfg.no_funnames = true;
  EXPECT_NE(p2p_of(player(4)).find("<a href=\"player_1.htm\">Cid</a>"),
            std::string::npos);
}

TEST_F(player_pages_test, player_below_min_games_has_no_page) {
  cfg.filters_on = true;
  cfg.min_games = 3;
  for (int g = 0; g < 3; ++g) add_game({"Ann", "Bob"}, {{0, 1}});
  for (int g = 0; g < 2; ++g) add_game({"Ann", "Cid"}, {{1, 0}});
  begin_capture();
  driver.write_rankings(totals, 0);
  driver.write_player_pages(totals);
  end_capture();
  EXPECT_TRUE(file_exists("player_1.htm"));
  EXPECT_TRUE(file_exists("player_2.htm"));
  EXPECT_FALSE(file_exists("player_3.htm"));
  EXPECT_NE(read_file("player_1.htm")
                .find("<th align=left>UNLISTED</th>\r\n"
                      "<td align=right>0</td>\r\n<td align=right>2</td>"),
            std::string::npos);
}

}  // namespace
