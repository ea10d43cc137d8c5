// The game page's tables of what a mod's own lines tell: flag play,
// assists, rounds, the server's scores and awards, and accuracy.
#ifndef MORV_MODERN_MOD_TABLES_H_
#define MORV_MODERN_MOD_TABLES_H_

#include <string>
#include <vector>

#include "diverse/outputfile.h"

class resultdata;

namespace modern {

// Weapons in the accuracy table at most (first logged first); a hostile
// log's many names cannot make it huge.
inline constexpr size_t MAX_ACCURACY_WEAPONS = 12;

// The teams' tiles of a team game's heading: the server's team scores
// where the log gives them, the teams' frags, and round wins; "" when
// there are none.
std::string team_tiles(const resultdata& game);

// Writes the objectives table (only the figures the game's log gives)
// and the accuracy table (hits of shots by weapon; hits alone where the
// log gives no shots); nothing where the log gives none. links: each
// player's name as a link to the player's page, in the game's order.
void write_mod_tables(outputfile& page, const resultdata& game,
                      const std::vector<std::string>& links);

}  // namespace modern

#endif  // MORV_MODERN_MOD_TABLES_H_
