// The skill ratings on the modern site: the ranked players of each rating
// pool, and a player's ratings with their history as a chart.
#ifndef MORV_MODERN_RATING_HTML_H_
#define MORV_MODERN_RATING_HTML_H_

#include <cstddef>
#include <string>
#include <vector>

#include "modern/site_pages.h"

struct player_history;

namespace modern {

// The players ranked in pool (RATING_FFA, ...): those with at least the
// configured number of rated games there, best conservative rating first
// (mu - 3 sigma; equal ratings by run-wide number).
std::vector<const player_t*> ranked_players(const site_view& view, int pool);

// For each pool with a ranked player from place first on: its heading and
// a table of at most count of its ranked players (rank, rating, its
// deviation, rated games). False when no pool has one there.
bool write_rating_tables(outputfile& page, const site_view& view,
                         size_t first, size_t count);

// A player's section: each pool the player was rated in (rating, the
// deviation, games, ranked or not) and the rating after each rated game
// as an SVG chart, one line per pool. Nothing for a player never rated.
void write_player_ratings(outputfile& page, const site_view& view,
                          const player_t& player,
                          const player_history& history);

}  // namespace modern

#endif  // MORV_MODERN_RATING_HTML_H_
