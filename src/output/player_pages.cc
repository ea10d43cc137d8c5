// The per-player pages: one page for every listed player, with a progress
// display on the console.
#include "main/morv_main.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "output/output.h"
#include "output/outputfile.h"
#include "output/page_frame.h"
#include "output/site_nav.h"
#include "stats/resultdata_total.h"

namespace {

void write_page_links(outputfile& file, const configdata& config,
                      const player_t& player) {
  write_ranking_links(file, config, "../");
  file.print("<p class=\"title\"><span style=\"background-color: #808080\">"
             "%s</span></p>",
             player.display_name(config.no_funnames).c_str());
}

void write_player_page(resultdata_total& totals, configdata& config,
                       player_t& player) {
  outputfile file;
  const std::string name = "player_" + std::to_string(player.number) + ".htm";
  file.open(name.c_str());
  write_header(file, config);
  write_page_links(file, config, player);
  output writer(&totals, &file, &config, 0);
  writer.write_player_info(player);
  writer.write_weapon_stats(player);
  writer.write_p2p(player);
  write_footer(file, false);
  file.close();
}

}  // namespace

void morv_main::write_player_pages(resultdata_total& totals) {
  const int count = totals.count_players();
  int visited = 0;
  for (player_t* p = totals.players.next.get(); p; p = p->next.get()) {
    ++visited;
    if (!p->listed) continue;
    std::printf("\b\b\b\b\b\b\b(%3i %%)",
                static_cast<int>(int64_t{visited} * 100 / count));
    write_player_page(totals, cfg, *p);
  }
  std::printf("\b\b\b\b\b\b\b(100 %%)");
}
