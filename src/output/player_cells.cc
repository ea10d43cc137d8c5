// Cells of a player's numbers shared by the game and ranking tables.
#include "output/player_cells.h"

#include "output/page_frame.h"
#include "stats/player_t.h"

bool ratio_is_error(double ratio) {
  double distance = ratio + 9999.0;
  return distance > -0.001 && distance < 0.001;
}

double per_minute(int count, int playtime) {
  return playtime == 0 ? 0.0 : count * 60.0 / playtime;
}

uint32_t average_ping(const player_t& player) {
  return static_cast<uint32_t>(player.ping_sum) /
         static_cast<uint32_t>(player.ping_count);
}

void write_ratio_cells(outputfile& file, const player_t& player) {
  double ratio = player.ratio();
  if (ratio_is_error(ratio)) {
    td(file, "ERR");
  } else {
    td_fixed(file, ratio, 2);
  }
  td_fixed(file, player.eff(), 1);
  td_fixed(file, player.skill(), 2);
}

void write_count_cells(outputfile& file, const player_t& player) {
  td_int(file, player.frags());
  td_int(file, player.kills[0]);
  td_int(file, player.killed[0]);
  td_int(file, player.suicides[0]);
  td_int(file, player.deaths);
  td_int(file, player.total_deaths());
}

void write_per_minute_cells(outputfile& file, const player_t& player) {
  td_fixed(file, per_minute(player.frags(), player.playtime), 2);
  td_fixed(file, per_minute(player.total_deaths(), player.playtime), 2);
}
