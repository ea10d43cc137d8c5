// Page pieces that the recorded runs leave out: the UNLISTED and TOTAL rows
// of a player page; and what lets pages be written on two threads: no page
// depends on the cell attribute that the thread's last page left.
#include <string>
#include <vector>

#include "config/sortkey.h"
#include "diverse/outputfile.h"
#include "output/game_page.h"
#include "output/page_frame.h"
#include "output/player_page_writer.h"
#include "output/ranking_page.h"
#include "stats/game_test_util.h"
#include "test_util.h"

namespace {

class pages_test : public temp_folder_test {
 protected:
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

TEST_F(pages_test, every_page_sets_its_cell_attribute_before_its_first_cell) {
  resultdata game{config};
  add_game(totals, game, {"Ann", "Bob"}, {{0, 1}, {1, 0}, {0, 1}});
  for (const auto& player : totals.players) player->listed = true;
  totals.finish_opponents();
  const std::vector<const player_t*> rows = totals.ranking_rows(0);
  // Each page is written after a stale attribute.
  const auto after_stale = [this](auto write) {
    return written_by([&](outputfile& file) {
      set_attr("stale");
      write(file);
    });
  };
  const std::pair<const char*, std::string> pages[] = {
      {"list entry", after_stale([&](outputfile& file) {
         write_game_list_entry(file, game, config, 1);
       })},
      {"game page", after_stale([&](outputfile& file) {
         write_game_page(file, game, config, 1);
       })},
      {"ranking page", after_stale([&](outputfile& file) {
         write_ranking_page(file, config, {rows, SORT_RATIO, 0, 1});
       })},
      {"player page", after_stale([&](outputfile& file) {
         write_player_page(file, totals, config, *totals.players[0]);
       })}};
  for (const auto& [kind, page] : pages) {
    EXPECT_NE(page.find("<td "), std::string::npos) << kind;
    EXPECT_EQ(page.find("stale"), std::string::npos) << kind;
  }
}

}  // namespace
