// The game page's chat section: what the players said in public chat
// during the game, as the classic chat log shows it.
#ifndef MORV_MODERN_CHAT_SECTION_H_
#define MORV_MODERN_CHAT_SECTION_H_

#include <string>
#include <vector>

class resultdata;

namespace modern {

// The section (heading, one list item per kept line, and a note of the
// lines cut) for a finished game; "" when the game kept no chat. Times
// count from the game's start (before it negative: warm-up chat); a
// speaker who is one of the game's players links to the player's page
// (slugs: each player's, in the game's order). Names and messages are
// log text, escaped with their colour codes as spans.
std::string chat_section(const resultdata& game,
                         const std::vector<std::string>& slugs);

}  // namespace modern

#endif  // MORV_MODERN_CHAT_SECTION_H_
