// The plain-text data file "morvdata.txt": every write to it is here.
#include "output/datafile.h"

#include <array>
#include <cstdio>
#include <string>

#include "diverse/outputfile.h"
#include "diverse/text_format.h"
#include "diverse/time_text.h"
#include "stats/resultdata.h"

namespace {

// Weapon slots of the per-player lines, in their order.
constexpr std::array<int, 14> PLAYER_LINE_SLOTS = {1,  2,  3,  4,  6,  8,  10,
                                                   11, 12, 18, 20, 23, 24, 25};

}  // namespace

void empty_datafile(const char* filename) {
  outputfile file;
  file.open(filename);
  file.close();
}

void write_datafile_block(outputfile& file, const resultdata& game) {
  std::string text = "<game>\r\n";
  for (int i = 0; i < game.num_players; ++i) {
    append_format(text, "player %i: \"", i);
    text += game.players[i].name;
    text += "\"\r\n";
  }
  file.write(text);
  for (int i = 0; i < game.num_players; ++i) {
    for (int w = 0; w < MAX_WEAPONS; ++w) {
      if (game.players[i].kills[w] == 0) continue;
      // The matrix is most of the file: it goes without printf.
      file.write("kills (");
      file.write_int(i);
      file.write(",");
      file.write_int(w);
      file.write("): ");
      for (int j = 0; j < game.num_players; ++j) {
        file.write_int(game.get_kills(i, j, w));
        file.write(" ");
      }
      file.write("\r\n");
    }
    if (game.players[i].deaths != 0) {
      text.clear();
      append_format(text, "deaths (%i): %u\r\n", i, game.players[i].deaths);
      file.write(text);
    }
  }
  file.write("</game>\r\n\r\n");
}

void write_player_lines(outputfile& file, const resultdata& game,
                        int number) {
  // One line per player of every game: written piece by piece, as
  // "%i,%s,%u,%u,%u,%u,%s" and ",%u" for each slot would print it.
  for (int i = 0; i < game.num_players; ++i) {
    const player_t& p = game.players[static_cast<size_t>(i)];
    file.write_int(number);
    file.write(",");
    file.write(p.plain_name);
    for (uint32_t count : {p.kills[0], p.killed[0], p.suicides[0], p.deaths}) {
      file.write(",");
      file.write_int(count);
    }
    file.write(",");
    file.write(diverse::time_to_hms(p.playtime));
    for (int slot : PLAYER_LINE_SLOTS) {
      file.write(",");
      file.write_int(p.kills[slot]);
    }
    for (int slot : PLAYER_LINE_SLOTS) {
      file.write(",");
      file.write_int(p.killed[slot]);
    }
    file.write("\r\n");
  }
}
