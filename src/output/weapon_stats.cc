// The Weapon stats table of a player page: kills and deaths per weapon
// with their shares.
#include "output/player_page_writer.h"

#include <cstdint>

#include "config/configdata.h"
#include "diverse/outputfile.h"
#include "output/page_frame.h"
#include "stats/player_t.h"
#include "stats/resultdata_total.h"

namespace {

// Share of count in all, in whole per cent with halves rounded up.
void share_cell(outputfile& file, uint32_t count, uint32_t all) {
  if (all == 0) {
    td(file, "0 %%");
  } else {
    td(file, "%i %%", static_cast<int>(count * 100.0 / all + 0.5));
  }
}

}  // namespace

void player_page_writer::write_weapon_stats(const player_t& player) const {
  par(file, "<b>Weapon stats</b>");
  set_attr("bgcolor=#000080");
  begin_table(file, MATRIX_TABLE);
  file.write("<tr bgcolor=000080>\r\n");
  th(file, "Weapon");
  set_attr("colspan=2 align=center bgcolor=#000080");
  th(file, "Kills");
  th(file, "Deaths");
  set_attr("");
  file.write("</tr>\r\n");
  uint32_t all_kills = player.kills[0];
  uint32_t all_killed = player.killed[0];
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    uint32_t kills = player.kills[slot];
    uint32_t killed = player.killed[slot];
    if (kills == 0 && killed == 0) continue;
    file.write("<tr>\r\n");
    set_attr("width=120 align=left");
    th_text(file, config.auto_weaponset()
                      ? totals.weapon_name(slot).c_str()
                      : config.weaponnames[slot].c_str());
    set_attr("width=60 align=right");
    td_int(file, kills);
    share_cell(file, kills, all_kills);
    td_int(file, killed);
    share_cell(file, killed, all_killed);
    file.write("</tr>\r\n");
  }
  file.write("<tr>\r\n");
  set_attr("width=120 align=left");
  th(file, "TOTAL");
  set_attr("width=60 align=right");
  th_int(file, all_kills);
  th(file, "100 %%");
  th_int(file, all_killed);
  th(file, "100 %%");
  file.write("</tr>\r\n");
  end_table(file);
}
