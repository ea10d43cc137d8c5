// The player ranking pages: players.htm, one page per sort key, and the
// same set for the top N players.
#ifndef MORV_OUTPUT_RANKING_PAGE_H_
#define MORV_OUTPUT_RANKING_PAGE_H_

#include <vector>

#include "config/sortkey.h"

class configdata;
class outputfile;
class player_t;

// The file name of the ranking page of page_key (MAIN_RANKING or a sort
// key) in the set of all players: "players.htm", "players_ratio.htm", ...;
// "top_" goes before it for the top N set.
const char* ranking_page_base_name(int page_key);

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
