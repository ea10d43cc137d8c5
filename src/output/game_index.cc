// The game list pages in the games folder and the game index games.htm.
#include "output/game_index.h"

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/outputfile.h"
#include "output/page_frame.h"
#include "output/site_nav.h"

void write_game_list_head(outputfile& list_page, const configdata& config) {
  write_header(list_page, config, IN_SUBFOLDER);
  write_top_links(list_page, config, "../");
  list_page.write("<p class=\"title\"><a href=\"../games.htm\">"
                  "<font color=red>Game Index</font></a></p>");
  list_page.write(
      "<p><b>Games with less than two players are not listed\r\n</b></p>"
      "<p><b>Players without kills or deaths are ignored</b></p>");
  list_page.print("<p><b>Players are sorted by %s and %s</b><br>"
                  "(in team games by team and score)</p>",
                  sortkey_name(config.sort_primary),
                  sortkey_name(config.sort_secondary));
}

void write_game_list_foot(outputfile& list_page) {
  write_footer(list_page, true);
}

void write_game_index(outputfile& index, const configdata& config,
                      int games_written) {
  write_header(index, config, IN_OUTPUT_FOLDER);
  write_top_links(index, config, "");
  int per_page = games_per_list_page(config);
  // Without any listed game there is no list page to link.
  int pages = games_written > 0 ? (games_written - 1) / per_page + 1 : 0;
  for (int k = 0; k < pages; ++k) {
    int last = k == games_written / per_page ? games_written
                                             : k * per_page + per_page;
    index.print("<p  class=\"title\"><a href=\"morv_games/games%i.htm\">"
                "<font color=\"#FFFFFF\"><b>Games %i - %i</b></font></a></p>",
                k + 1, k * per_page + 1, last);
  }
  write_footer(index, false);
}
