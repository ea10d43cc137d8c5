// The pages over all games: the ranking pages, each written after its own
// sort, and one page per listed player.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "diverse/folders.h"
#include "main/morv_main.h"
#include "output/player_page_writer.h"
#include "output/ranking_page.h"
#include "output/site_nav.h"
#include "stats/resultdata_total.h"

void morv_main::write_rankings(resultdata_total& totals, int n) {
  const std::string prefix = n == 0 ? "" : "top_";
  for (const ranking_file& page : RANKING_FILES) {
    const std::string name = prefix + page.base_name;
    outputfile file;
    file.open(name.c_str());
    std::printf("\nWriting player stats to \"%s\"", name.c_str());
    if (page.key == MAIN_RANKING) {
      totals.sort_players(cfg.sort_secondary);
      totals.sort_players(cfg.sort_primary);
      // The export lists the players in the order of players.htm.
      if (json && n == 0) json->keep_player_order(totals);
    } else {
      totals.sort_players(page.key);
    }
    const std::vector<const player_t*> rows = totals.ranking_rows(n);
    write_ranking_page(file, cfg, {rows, totals.sort_key, n, games_written});
    file.close();
  }
}

void morv_main::write_all_player_pages(resultdata_total& totals) {
  // The export shows every player's opponents, not only listed players'.
  totals.finish_opponents(json != nullptr);
  diverse::make_folder(PLAYERS_FOLDER);
  enter_subfolder(PLAYERS_FOLDER);
  std::printf("\nWriting per player stats        ");
  const int64_t count = static_cast<int64_t>(totals.players.size());
  int64_t visited = 0;
  for (const auto& player : totals.players) {
    ++visited;
    if (!player->listed) continue;
    std::printf("\b\b\b\b\b\b\b(%3i %%)",
                static_cast<int>(visited * 100 / count));
    write_player_page(totals, cfg, *player);
  }
  std::printf("\b\b\b\b\b\b\b(100 %%)");
  std::printf("\n");
  enter_start_folder();
}
