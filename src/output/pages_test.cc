// Page pieces that the recorded runs leave out: the UNLISTED and TOTAL rows
// of a player page.
#include <cstdio>
#include <string>

#include "diverse/outputfile.h"
#include "output/player_page_writer.h"
#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

using pages_test = totals_test;

TEST_F(pages_test, opponents_below_the_limits_are_summed_as_unlisted) {
  config.filters_on = true;
  config.min_kills = 2;
  // Ann 0, Bob 1, Cid 2, Dan 3: Cid stays below two kills, Dan never
  // fights Ann.
  add_game({"Ann", "Bob", "Cid", "Dan"}, {{0, 1}, {0, 1}, {0, 1}, {1, 0},
                                          {1, 0}, {0, 2}, {2, 0}, {3, 2},
                                          {3, 2}});
  player_t& ann = *totals.players[0];
  ann.listed = true;
  totals.finish_opponents();
  const std::string path = testing::TempDir() + "pages_test_p2p.htm";
  {
    outputfile file;
    file.open(path.c_str());
    player_page_writer(totals, config, file).write_p2p(ann);
  }
  const std::string table = read_file(path);
  std::remove(path.c_str());
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
