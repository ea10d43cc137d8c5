// Navigation shared by the site's pages: the date line, the links at the
// top, and the sub-folders.
#ifndef MORV_OUTPUT_SITE_NAV_H_
#define MORV_OUTPUT_SITE_NAV_H_

class configdata;
class outputfile;

// The folders of the game pages and game list pages, and of the player
// pages, in the output folder.
inline constexpr const char* GAMES_FOLDER = "morv_games";
inline constexpr const char* PLAYERS_FOLDER = "morv_players";

// Writes the date line, the home-page link (when an address is set), the
// "All players" link and the top-N link (when top_players > 0). prefix is
// put before the ranking pages' names ("../" from a sub-folder).
void write_top_links(outputfile& file, const configdata& config,
                     const char* prefix);
// Writes the "All players" link and the top-N link (when top_players > 0).
void write_ranking_links(outputfile& file, const configdata& config,
                         const char* prefix);

// The number of games per list page, at least 1.
int games_per_list_page(const configdata& config);
// The list page (1, 2, ...) on which game number stands.
int game_list_page_of(const configdata& config, int number);

#endif  // MORV_OUTPUT_SITE_NAV_H_
