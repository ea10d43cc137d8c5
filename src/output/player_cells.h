// Cells of a player's numbers that the Players table of a game, the
// ranking tables and the Player info table share.
#ifndef MORV_OUTPUT_PLAYER_CELLS_H_
#define MORV_OUTPUT_PLAYER_CELLS_H_

#include <cstdint>

class outputfile;
class player_t;

// True when a ratio is the sentinel -9999 of a player without playtime,
// which the tables show as "ERR".
bool ratio_is_error(double ratio);
// Count per minute of playtime (FPM, DPM); 0 without playtime.
double per_minute(int count, int playtime);
// The average ping, in unsigned division of the wrapped sum; only for a
// player with ping samples.
uint32_t average_ping(const player_t& player);

// Ratio ("ERR" for a player without playtime), Eff and Skill, with the
// current attribute.
void write_ratio_cells(outputfile& file, const player_t& player);
// Frags, Kills, Killed, Suicides, Deaths and T.deaths.
void write_count_cells(outputfile& file, const player_t& player);
// FPM and DPM; "0.00" for a player without playtime.
void write_per_minute_cells(outputfile& file, const player_t& player);

#endif  // MORV_OUTPUT_PLAYER_CELLS_H_
