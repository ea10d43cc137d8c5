// The game list pages in the games folder and the game index games.htm.
#include "main/morv_main.h"

#include <string>

#include "output/page_frame.h"
#include "output/site_nav.h"

void morv_main::start_gamelist_page() {
  int page_number = (games_written - 1) / games_per_list_page(cfg) + 1;
  enter_subfolder(cfg, GAMES_FOLDER);
  std::string name = "games" + std::to_string(page_number) + ".htm";
  gamelist_page.open(name.c_str());
  write_header(gamelist_page, cfg);
  write_top_links(gamelist_page, cfg, "../");
  gamelist_page.write("<p class=\"title\"><a href=\"../games.htm\">"
                      "<font color=red>Game Index</font></a></p>");
  gamelist_page.write(
      "<p><b>Games with less than two players are not listed\r\n</b></p>"
      "<p><b>Players without kills or deaths are ignored</b></p>");
  gamelist_page.print("<p><b>Players are sorted by %s and %s</b><br>"
                      "(in team games by team and score)</p>",
                      sortkey_name(cfg.sort_primary),
                      sortkey_name(cfg.sort_secondary));
  leave_subfolder(cfg);
}

void morv_main::finish_gamelist_page() {
  write_footer(gamelist_page, true);
  gamelist_page.close();
}

void morv_main::write_game_index() {
  outputfile index;
  index.open("games.htm");
  write_header(index, cfg);
  write_top_links(index, cfg, "");
  int per_page = games_per_list_page(cfg);
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
  index.close();
}
