// The player ranking pages: players.htm, one page per sort key, and the
// same set for the top N players.
#ifndef MORV_OUTPUT_RANKING_PAGE_H_
#define MORV_OUTPUT_RANKING_PAGE_H_

#include <array>
#include <vector>

#include "config/sortkey.h"

class configdata;
class outputfile;
class player_t;

// The main page sorts by the secondary and then the primary key.
inline constexpr int MAIN_RANKING = -1;

struct ranking_file {
  const char* base_name;  // "top_" goes before it for the top N set
  int key;
};

// The eight pages of one set, in the order they are written.
inline constexpr std::array<ranking_file, 8> RANKING_FILES = {{
    {"players.htm", MAIN_RANKING},
    {"players_ratio.htm", SORT_RATIO},
    {"players_name.htm", SORT_NAME},
    {"players_eff.htm", SORT_EFF},
    {"players_skill.htm", SORT_SKILL},
    {"players_frags.htm", SORT_FRAGS},
    {"players_kills.htm", SORT_KILLS},
    {"players_playtime.htm", SORT_PLAYTIME},
}};

// What one ranking page shows: its rows, in order, sorted by key; n is 0
// for all players, else the N of the top N set.
struct ranking_view {
  const std::vector<const player_t*>& rows;
  int key;
  int n;
  int games_written;
};

// Writes the page into file, open in the output folder.
void write_ranking_page(outputfile& file, const configdata& config,
                        const ranking_view& view);

#endif  // MORV_OUTPUT_RANKING_PAGE_H_
