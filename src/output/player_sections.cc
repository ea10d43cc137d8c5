// The sections of a player page: Player info and Player vs player stats.
#include "output/player_page_writer.h"

#include <cstdint>

#include "config/configdata.h"
#include "diverse/outputfile.h"
#include "output/page_frame.h"
#include "output/player_cells.h"
#include "stats/resultdata_total.h"

namespace {

// A row of Player vs player stats that is not an opponent: its label and
// the two counts as header or data cells, then "-" as a header cell.
void write_summary_row(outputfile& file, const char* label, int64_t kills,
                       int64_t deaths, bool header_counts) {
  file.write("<tr>\r\n");
  set_attr("align=left");
  th_text(file, label);
  set_attr("align=right");
  for (int64_t count : {kills, deaths}) {
    if (header_counts) {
      th_int(file, static_cast<long long>(count));
    } else {
      td_int(file, static_cast<long long>(count));
    }
  }
  th(file, "-");
  file.write("</tr>\r\n");
}

}  // namespace

void player_page_writer::write_player_info(const player_t& player) const {
  par(file, "<b>Player info</b>");
  begin_table(file, INFO_TABLE);
  file.write("<tr>\r\n");
  set_attr("bgcolor=#000080");
  for (const char* label : {"Frags", "Kills", "Killed", "Suicides", "Deaths",
                            "T.deaths", "Eff"}) {
    th_text(file, label);
  }
  file.write("</tr>\r\n<tr align=\"right\">\r\n");
  set_attr("bgcolor=#606060");
  write_count_cells(file, player);
  td_fixed(file, player.eff(), 2);
  file.write("</tr>\r\n");
  end_table(file);
}

void player_page_writer::write_p2p(const player_t& player) const {
  par(file, "<b>Player vs player stats</b>");
  set_attr("bgcolor=#000080");
  begin_table(file, MATRIX_TABLE);
  file.write("<tr bgcolor=000080>\r\n");
  for (const char* label : {"Enemy", "Kills", "Deaths", "Enemy Eff"}) {
    th_text(file, label);
  }
  set_attr("");
  file.write("</tr>\r\n");

  int64_t unlisted_kills = 0;
  int64_t unlisted_deaths = 0;
  for (const p2p_t& e : player.opponents) {
    if (e.kills[0] == 0 && e.deaths[0] == 0) continue;
    // The opponent as the rankings know him, whatever name this record
    // was created under.
    const player_t& enemy = *e.opponent;
    if (totals.is_below_limits(enemy)) {
      unlisted_kills += e.kills[0];
      unlisted_deaths += e.deaths[0];
      continue;
    }
    file.write("<tr>\r\n");
    set_attr("align=left");
    th(file, "<a href=\"player_%i.htm\">%s</a>", enemy.number,
       enemy.display_name(config.no_funnames).c_str());
    set_attr("align=right");
    td_int(file, e.kills[0]);
    td_int(file, e.deaths[0]);
    td_fixed(file, enemy.eff(), 2);
    file.write("</tr>\r\n");
  }
  if (unlisted_kills > 0 || unlisted_deaths > 0) {
    write_summary_row(file, "UNLISTED", unlisted_kills, unlisted_deaths,
                      false);
  }
  write_summary_row(file, "TOTAL", player.kills[0], player.killed[0], true);
  end_table(file);
}
