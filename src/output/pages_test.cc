// Page pieces that the recorded runs leave out: the limits paragraph of a
// limited ranking, the UNLISTED and TOTAL rows of a player page, the
// table cells written without a format string, and kill chart cells of any
// count.
#include <string>
#include <vector>

#include "config/sortkey.h"
#include "diverse/outputfile.h"
#include "output/game_writer.h"
#include "output/page_frame.h"
#include "output/player_page_writer.h"
#include "output/ranking_page.h"
#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

class pages_test : public temp_folder_test {
 protected:
  // The bytes that write puts into a fresh file.
  template <typename write_fn>
  std::string written_by(write_fn write) {
    {
      outputfile file;
      file.open("piece.htm");
      write(file);
    }
    return read_file("piece.htm");
  }
  configdata config;
  resultdata_total totals{config};
};

TEST_F(pages_test, limits_paragraph) {
  struct row {
    bool filters_on;
    int min_kills, min_games, min_playtime, max_players;
    bool skip_bots;
    int key;
    const char* expected;  // "" when there is no paragraph
  };
  const char* const head = "<p><b><font size=3>Limits used:</font></b>";
  const row rows[] = {
      {false, 0, 0, 0, 0, true, SORT_RATIO, ""},
      {true, 2, 0, 0, 0, false, SORT_RATIO, "<br>min_kills: 2</p>"},
      {true, 1, 2, 3725, 5, true, SORT_RATIO,
       "<br>min_kills: 1<br>min_games: 2<br>min_playtime: 01:02:05 h"
       "<br>max_players: 5<br>no_bots: true</p>"},
      {true, 0, 0, 0, 5, false, SORT_NAME, "</p>"},
  };
  std::vector<const player_t*> no_rows;
  for (const row& r : rows) {
    config.filters_on = r.filters_on;
    config.min_kills = r.min_kills;
    config.min_games = r.min_games;
    config.min_playtime = r.min_playtime;
    config.max_players = r.max_players;
    config.skip_bots = r.skip_bots;
    const std::string page = written_by([&](outputfile& file) {
      write_ranking_page(file, config, {no_rows, r.key, 0, 0});
    });
    const std::string title = std::string("(sorted by ") +
                              sortkey_name(r.key) + ")</p>";
    const size_t from = page.find(title) + title.size();
    const std::string limits =
        page.substr(from, page.find("<p class=title>Number of games") - from);
    EXPECT_EQ(limits, *r.expected ? head + std::string(r.expected) : "")
        << r.expected;
  }
}

TEST_F(pages_test, opponents_below_the_limits_are_summed_as_unlisted) {
  config.filters_on = true;
  config.min_kills = 2;
  // Ann 0, Bob 1, Cid 2, Dan 3: Cid stays below two kills, Dan never
  // fights Ann.
  resultdata game{config};
  add_game(totals, game, {"Ann", "Bob", "Cid", "Dan"},
           {{0, 1}, {0, 1}, {0, 1}, {1, 0}, {1, 0}, {0, 2}, {2, 0}, {3, 2},
            {3, 2}});
  player_t& ann = *totals.players[0];
  ann.listed = true;
  totals.finish_opponents();
  const std::string table = written_by([&](outputfile& file) {
    player_page_writer(totals, config, file).write_p2p(ann);
  });
  EXPECT_EQ(table.substr(table.find("</tr>\r\n") + 7),
            "<tr>\r\n<th align=left><a href=\"player_2.htm\">Bob</a></th>"
            "\r\n<td align=right>3</td>\r\n<td align=right>2</td>\r\n"
            "<td align=right>40.00</td>\r\n</tr>\r\n"
            "<tr>\r\n<th align=left>UNLISTED</th>\r\n"
            "<td align=right>1</td>\r\n<td align=right>1</td>\r\n"
            "<th align=right>-</th>\r\n</tr>\r\n"
            "<tr>\r\n<th align=left>TOTAL</th>\r\n<th align=right>4</th>"
            "\r\n<th align=right>3</th>\r\n<th align=right>-</th>\r\n"
            "</tr>\r\n</table>\r\n");
}

}  // namespace

TEST_F(pages_test, cells_without_format_match_formatted_cells) {
  const std::string name("a\0b", 3);
  set_attr(std::string("align=left\0x", 12));
  const std::string direct = written_by([&](outputfile& file) {
    td_int(file, -2147483648LL);
    th_int(file, 4294967295LL);
    td_text(file, name.c_str());
    th_text(file, "");
    td_fixed(file, 2.675, 2);
    td_fixed(file, -0.04, 1);
  });
  const std::string formatted = written_by([&](outputfile& file) {
    td(file, "%i", -2147483647 - 1);
    th(file, "%u", 4294967295u);
    td(file, "%s", name.c_str());
    th(file, "%s", "");
    td(file, "%.2f", 2.675);
    td(file, "%.1f", -0.04);
  });
  EXPECT_EQ(direct, formatted);
  EXPECT_EQ(direct.substr(0, 40), "<td align=left>-2147483648</td>\r\n<th ali");
  set_attr("");
}

TEST_F(pages_test, kill_chart_cells_of_any_count) {
  resultdata game(config);
  game.reset();
  game.start_game(0);
  for (int client : {0, 1, 2}) {
    game.client_userinfo(client, "P" + std::to_string(client), -1, 0, 0);
  }
  game.set_kills(0, 0, 7, 3);
  game.set_kills(0, 1, 7, 99);
  game.set_kills(0, 2, 7, 100);
  game.set_kills(1, 2, 7, 65535);
  game.get_player(0).kills[7] = 199;
  game.get_player(1).kills[7] = 65535;
  const std::string chart = written_by([&](outputfile& file) {
    game_writer(game, config, file).write_killchart(7);
  });
  const std::string cell = "<td width=20><p align=right>";
  EXPECT_NE(chart.find(cell + "<font color=#0000FF>3</font></p></td>\r\n" +
                       cell + "99</p></td>\r\n" + cell + "100</p></td>\r\n"),
            std::string::npos);
  EXPECT_NE(chart.find(cell + "0</p></td>\r\n" + cell +
                       "<font color=#0000FF>0</font></p></td>\r\n" + cell +
                       "65535</p></td>\r\n"),
            std::string::npos);
}
