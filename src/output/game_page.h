// A game's page and its entry on the game list page.
#ifndef MORV_OUTPUT_GAME_PAGE_H_
#define MORV_OUTPUT_GAME_PAGE_H_

#include <string>

class configdata;
class outputfile;
class resultdata;

// The game page's file name, game_<number>.htm, in the games folder.
std::string game_page_name(int number);
// Writes the whole game page into page (open, and closed by the caller)
// from the finished record.
void write_game_page(outputfile& page, const resultdata& game,
                     const configdata& config, int number);
// Appends the game's block (title, teams and players) to an open game list
// page.
void write_game_list_entry(outputfile& list_page, const resultdata& game,
                           const configdata& config, int number);

#endif  // MORV_OUTPUT_GAME_PAGE_H_
