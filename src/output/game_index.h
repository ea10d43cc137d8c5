// The game list pages in the games folder and the game index games.htm.
#ifndef MORV_OUTPUT_GAME_INDEX_H_
#define MORV_OUTPUT_GAME_INDEX_H_

class configdata;
class outputfile;

// The head of a game list page opened in the games folder, and its end
// (the page is closed by the caller).
void write_game_list_head(outputfile& list_page, const configdata& config);
void write_game_list_foot(outputfile& list_page);
// Writes the game index games.htm into index (open in the output folder,
// and closed by the caller), linking the list pages of games_written
// games.
void write_game_index(outputfile& index, const configdata& config,
                      int games_written);

#endif  // MORV_OUTPUT_GAME_INDEX_H_
