// The awards as the modern site's pages show them: the game's, the ones a
// player won and the all-time ones, from winners chosen in stats/.
#ifndef MORV_MODERN_AWARD_HTML_H_
#define MORV_MODERN_AWARD_HTML_H_

#include <string>
#include <vector>

#include "diverse/outputfile.h"
#include "stats/awards.h"

namespace modern {

// An award's value as text: a count, a play time as m:ss, an efficiency
// as a per cent with one decimal.
std::string award_value(const award_winner& winner);

// One row of an award table: the winner and the player's cell (HTML).
struct award_line {
  award_winner winner;
  std::string player_html;
};

// Writes a table of awards (award, player, value, rule); nothing when
// lines is empty.
void write_award_table(outputfile& page, const std::vector<award_line>& lines);

}  // namespace modern

#endif  // MORV_MODERN_AWARD_HTML_H_
