// The plain-text data file "morvdata.txt". Its writers all live in
// stats/datafile.cc: empty_datafile here, and the game record's
// append_datafile and append_player_lines.
#ifndef MORV_STATS_DATAFILE_H_
#define MORV_STATS_DATAFILE_H_

inline constexpr const char* DATAFILE_NAME = "morvdata.txt";

// Creates filename empty (fatal "Couldn't open %s" when it cannot be).
void empty_datafile(const char* filename);

#endif  // MORV_STATS_DATAFILE_H_
