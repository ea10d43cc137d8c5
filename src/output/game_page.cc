// The game page and the game's entry on its game list page.
#include "output/game_page.h"

#include <string>

#include "diverse/outputfile.h"
#include "output/game_writer.h"
#include "output/page_frame.h"
#include "output/site_nav.h"
#include "stats/resultdata.h"

namespace {

void write_navigation(outputfile& page, const configdata& config,
                      int number) {
  write_top_links(page, config, "../");
  page.write("<p class=\"title\"><a href=\"../games.htm\"><font color=red>"
             "Game index</font></a></p>");
  page.print("<p class=\"title\"><a href=\"games%i.htm\"><font color=red>"
             "Game list</font></a></p>",
             game_list_page_of(config, number));
  page.print("<p class=\"title\">Game %i</p>", number);
}

void write_sections(outputfile& page, const resultdata& game,
                    const configdata& config) {
  game_writer sections(game, config, page);
  sections.write_game_info();
  sections.write_team_table();
  sections.write_player_table(true);
  sections.write_health_armor();
  sections.write_powerups();
  sections.write_weapon_pickups();
  sections.write_ammo();
  par(page, "<b>Killcharts</b>");
  for (int slot = 0; slot < MAX_WEAPONS; ++slot) {
    sections.write_killchart(slot);
  }
}

}  // namespace

void write_game_list_entry(outputfile& list_page, const resultdata& game,
                           const configdata& config, int number) {
  begin_par(list_page);
  list_page.print("<b><font size=\"3\"><a href=\"game_%i.htm\">"
                  "<font color=\"#FF0000\">Game %i</font></a><br>"
                  "(%s - %s)</font></b>",
                  number, number, html_escaped(game.mapname).c_str(),
                  html_escaped(game.gametype_name).c_str());
  end_par(list_page);
  game_writer list(game, config, list_page);
  list.write_team_table();
  list.write_player_table(false);
}

std::string game_page_name(int number) {
  return "game_" + std::to_string(number) + ".htm";
}

void write_game_page(outputfile& page, const resultdata& game,
                     const configdata& config, int number) {
  write_header(page, config, IN_SUBFOLDER);
  write_navigation(page, config, number);
  write_sections(page, game, config);
  write_footer(page, true);
}
