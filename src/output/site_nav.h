// Navigation shared by the game pages, the game list pages and the game
// index: the date line, the links at the top, and the games folder.
#ifndef MORV_OUTPUT_SITE_NAV_H_
#define MORV_OUTPUT_SITE_NAV_H_

class configdata;
class outputfile;

// The folder of the game pages and game list pages, in the output folder.
inline constexpr const char* GAMES_FOLDER = "morv_games";

// Writes the date line, the home-page link (when an address is set), the
// "All players" link and the top-N link (when top_players > 0). prefix is
// put before the ranking pages' names ("../" from a sub-folder).
void write_top_links(outputfile& file, const configdata& config,
                     const char* prefix);
// Writes the "All players" link and the top-N link (when top_players > 0).
void write_ranking_links(outputfile& file, const configdata& config,
                         const char* prefix);

// Makes name (a sub-folder of the output folder) the current folder and
// sets in_subfolder; ends the run with "Couldn't open %s" when it cannot be
// entered, so that no page is written to the wrong place.
void enter_subfolder(configdata& config, const char* name);
// Returns to the parent (output) folder and clears in_subfolder.
void leave_subfolder(configdata& config);

// The number of games per list page, at least 1.
int games_per_list_page(const configdata& config);

#endif  // MORV_OUTPUT_SITE_NAV_H_
