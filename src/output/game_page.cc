// The game page writer: removes bots and idle players, numbers the game,
// lists it on the game list page and writes its page in the games folder.
#include "main/morv_main.h"

#include <string>

#include "analyzelog/analyzelog.h"
#include "diverse/folders.h"
#include "output/output.h"
#include "output/page_frame.h"
#include "output/site_nav.h"
#include "stats/resultdata.h"

namespace {

void write_list_entry(outputfile& list_page, resultdata& game,
                      configdata& config, int number) {
  begin_par(list_page);
  list_page.print("<b><font size=\"3\"><a href=\"game_%i.htm\">"
                  "<font color=\"#FF0000\">Game %i</font></a><br>"
                  "(%s - %s)</font></b>",
                  number, number, html_escaped(game.mapname).c_str(),
                  html_escaped(game.gametype_name).c_str());
  end_par(list_page);
  output list(&game, &list_page, &config);
  list.write_team_table();
  list.write_player_table(false);
}

void write_navigation(outputfile& page, const configdata& config,
                      int number) {
  write_top_links(page, config, "../");
  page.write("<p class=\"title\"><a href=\"../games.htm\"><font color=red>"
             "Game index</font></a></p>");
  page.print("<p class=\"title\"><a href=\"games%i.htm\"><font color=red>"
             "Game list</font></a></p>",
             (number - 1) / games_per_list_page(config) + 1);
  page.print("<p class=\"title\">Game %i</p>", number);
}

void write_sections(outputfile& page, resultdata& game, configdata& config) {
  output sections(&game, &page, &config);
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

// Writes game_<number>.htm in the current folder (the games folder).
void write_page(resultdata& game, configdata& config, int number) {
  outputfile page;
  std::string name = "game_" + std::to_string(number) + ".htm";
  page.open(name.c_str());
  write_header(page, config);
  write_navigation(page, config, number);
  write_sections(page, game, config);
  if (config.write_datafile) {
    output(&game, &page, &config).append_player_lines(number);
  }
  write_footer(page, true);
  page.close();
}

}  // namespace

int morv_main::write_game(resultdata& game, analyzelog& reader) {
  if (cfg.skip_bots) game.remove_bots();
  game.remove_idle();
  if (game.num_players < 2) return 1;
  int number = ++games_written;
  // The heading of the chat that follows this game.
  if (cfg.write_chatlog && reader.chatfile.is_open()) {
    reader.chatfile.write_game_heading(number + 1);
  }
  diverse::make_folder(GAMES_FOLDER);  // exists after the first game
  int per_page = games_per_list_page(cfg);
  if ((number - 1) % per_page == 0) start_gamelist_page();
  write_list_entry(gamelist_page, game, cfg, number);
  enter_subfolder(cfg, GAMES_FOLDER);
  write_page(game, cfg, number);
  leave_subfolder(cfg);
  if (number % per_page == 0) finish_gamelist_page();
  return 0;
}
