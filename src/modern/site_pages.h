// The modern site's pages over all games: the index, the lists, the
// weapons page, the search index, and one page per player and per map.
// Writers take finished records and only format.
#ifndef MORV_MODERN_SITE_PAGES_H_
#define MORV_MODERN_SITE_PAGES_H_

#include <string>
#include <vector>

#include "diverse/outputfile.h"

class configdata;
class player_t;
class resultdata_total;
class site_records;
struct award_winner;

namespace modern {

// Everything the run-wide pages read, finished; owns nothing.
struct site_view {
  const configdata& config;
  const resultdata_total& totals;
  const site_records& records;
  // Every player in the order of the main ranking.
  const std::vector<const player_t*>& ranking;
  const std::vector<const player_t*>& by_number;  // run-wide number - 1
  const std::vector<std::string>& player_slugs;   // run-wide number - 1
  const std::vector<std::string>& map_slugs;      // map index
  const std::vector<award_winner>& awards;        // all-time

  const player_t* player(int number) const;
  const std::string& slug(int number) const;
};

// Players per page of players.html and games per page of games.html.
inline constexpr int PLAYERS_PER_PAGE = 500;
inline constexpr int GAMES_PER_PAGE = 100;

// The file of list page page (1, 2, ...): base.html, base-2.html, ...
std::string list_page_name(const char* base, int page);

// Each writes its files into folder (the new site's top folder), ending
// the run on a failure; shown: the site's path as messages name it.
void write_index(const site_view& view, int folder, const std::string& shown);
void write_game_lists(const site_view& view, int folder,
                      const std::string& shown);
void write_player_lists(const site_view& view, int folder,
                        const std::string& shown);
void write_weapons_page(const site_view& view, int folder,
                        const std::string& shown);
void write_search_index(const site_view& view, int folder,
                        const std::string& shown);

// One player's page in the players folder, or one map's in the maps
// folder; on any thread: a failure is returned, not reported.
outputfile::save_result write_player_page(const site_view& view,
                                          const player_t& player, int folder);
outputfile::save_result write_map_page(const site_view& view, int map,
                                       int folder);

}  // namespace modern

#endif  // MORV_MODERN_SITE_PAGES_H_
