// The plain-text data file "morvdata.txt": a kill-matrix block and the
// per-player lines of every game shown.
#ifndef MORV_OUTPUT_DATAFILE_H_
#define MORV_OUTPUT_DATAFILE_H_

class outputfile;
class resultdata;

inline constexpr const char* DATAFILE_NAME = "morvdata.txt";

// Creates filename empty in the current folder (fatal "Couldn't open %s"
// when it cannot be).
void empty_datafile(const char* filename);
// The game's kill-matrix block into an open file.
void write_datafile_block(outputfile& file, const resultdata& game);
// The game's per-player lines, as game number number, into an open file.
void write_player_lines(outputfile& file, const resultdata& game,
                        int number);

#endif  // MORV_OUTPUT_DATAFILE_H_
