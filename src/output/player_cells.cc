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

void write_ratio_cells(outputfile& file, const player_t& player) {
  double ratio = player.ratio();
  if (ratio_is_error(ratio)) {
    td(file, "ERR");
  } else {
    td(file, "%.2f", ratio);
  }
  td(file, "%.1f", player.eff());
  td(file, "%.2f", player.skill());
}

void write_count_cells(outputfile& file, const player_t& player) {
  td(file, "%i", player.frags());
  td(file, "%u", player.kills[0]);
  td(file, "%u", player.killed[0]);
  td(file, "%u", player.suicides[0]);
  td(file, "%u", player.deaths);
  td(file, "%i", player.total_deaths());
}

void write_per_minute_cells(outputfile& file, const player_t& player) {
  td(file, "%.2f", per_minute(player.frags(), player.playtime));
  td(file, "%.2f", per_minute(player.total_deaths(), player.playtime));
}
