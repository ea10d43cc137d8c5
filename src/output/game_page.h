// A game's page and its entry on the game list page.
#ifndef MORV_OUTPUT_GAME_PAGE_H_
#define MORV_OUTPUT_GAME_PAGE_H_

class configdata;
class outputfile;
class resultdata;

// Writes game_<number>.htm into the current folder (the games folder) from
// the finished record.
void write_game_page(const resultdata& game, const configdata& config,
                     int number);
// Appends the game's block (title, teams and players) to an open game list
// page.
void write_game_list_entry(outputfile& list_page, const resultdata& game,
                           const configdata& config, int number);

#endif  // MORV_OUTPUT_GAME_PAGE_H_
