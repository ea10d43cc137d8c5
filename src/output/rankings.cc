// The eight ranking pages of one set (all players or the top N), each
// written after its own sort.
#include "main/morv_main.h"

#include <array>
#include <cstdio>
#include <string>

#include "config/sortkey.h"
#include "output/output.h"
#include "output/outputfile.h"
#include "stats/resultdata_total.h"

namespace {

// The main page sorts by the secondary and then the primary key.
constexpr int MAIN_PAGE = -1;

struct ranking_file {
  const char* base_name;
  int key;
};

constexpr std::array<ranking_file, 8> RANKING_FILES = {{
    {"players.htm", MAIN_PAGE},
    {"players_ratio.htm", SORT_RATIO},
    {"players_name.htm", SORT_NAME},
    {"players_eff.htm", SORT_EFF},
    {"players_skill.htm", SORT_SKILL},
    {"players_frags.htm", SORT_FRAGS},
    {"players_kills.htm", SORT_KILLS},
    {"players_playtime.htm", SORT_PLAYTIME},
}};

}  // namespace

void morv_main::write_rankings(resultdata_total& totals, int n) {
  const std::string prefix = n == 0 ? "" : "top_";
  for (const ranking_file& page : RANKING_FILES) {
    const std::string name = prefix + page.base_name;
    outputfile file;
    file.open(name.c_str());
    std::printf("\nWriting player stats to \"%s\"", name.c_str());
    if (page.key == MAIN_PAGE) {
      totals.sort_players(cfg.sort_secondary);
      totals.sort_players(cfg.sort_primary);
    } else {
      totals.sort_players(page.key);
    }
    output writer(&totals, &file, &cfg, games_written);
    writer.write_ranking_page(n);
    file.close();
  }
}
