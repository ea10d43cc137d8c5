// The modern site's page of one game, rendered from the finished record on
// whichever thread renders the game.
#ifndef MORV_MODERN_GAME_PAGE_H_
#define MORV_MODERN_GAME_PAGE_H_

#include <string>
#include <vector>

#include "diverse/outputfile.h"

class configdata;
class resultdata;

namespace modern {

// What the page needs beside the record; copied to the rendering thread.
struct game_page_context {
  const configdata& config;
  int number;      // the game's number, as the classic site gives it
  int folder;      // descriptor of the site's games folder
  bool has_next;   // a later game exists (unknown until the run ends)
  std::vector<std::string> slugs;  // each player's slug, in the game's order
  std::string map_slug;
};

// The page's file name, "<number>.html".
std::string game_file_name(int number);
// A weapon's display name from the configuration, "Weapon N" without one.
std::string weapon_name(const configdata& config, int weapon);

// Writes games/<number>.html (made new, or replacing the page written
// before when replace is set). Prints and ends nothing: a failure is
// returned for the run's own thread to report in order.
outputfile::save_result write_game_page(const resultdata& game,
                                        const game_page_context& context,
                                        bool replace = false);

}  // namespace modern

#endif  // MORV_MODERN_GAME_PAGE_H_
