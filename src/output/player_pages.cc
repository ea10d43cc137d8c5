// One per-player page: the links, the player's name and the sections.
#include <string>

#include "config/configdata.h"
#include "diverse/outputfile.h"
#include "output/page_frame.h"
#include "output/player_page_writer.h"
#include "output/site_nav.h"
#include "stats/player_t.h"

std::string player_page_name(const player_t& player) {
  return "player_" + std::to_string(player.number) + ".htm";
}

void write_player_page(outputfile& file, const resultdata_total& totals,
                       const configdata& config, const player_t& player) {
  write_header(file, config, IN_SUBFOLDER);
  write_ranking_links(file, config, "../");
  file.print("<p class=\"title\"><span style=\"background-color: #808080\">"
             "%s</span></p>",
             player.display_name(config.no_funnames).c_str());
  player_page_writer sections(totals, config, file);
  sections.write_player_info(player);
  sections.write_weapon_stats(player);
  sections.write_p2p(player);
  write_footer(file, false);
}

outputfile::save_result save_player_page(int folder,
                                         const resultdata_total& totals,
                                         const configdata& config,
                                         const player_t& player) {
  const std::string name = player_page_name(player);
  outputfile page;
  page.open_at(folder, name.c_str(), name, outputfile::open_mode::create,
               outputfile::failures::kept);
  write_player_page(page, totals, config, player);
  page.close();
  return page.result();
}
