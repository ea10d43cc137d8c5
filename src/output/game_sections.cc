// Game page sections: Game info, Teams, Players, team marks and kill
// charts.
#include "output/game_writer.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/outputfile.h"
#include "diverse/text_format.h"
#include "diverse/time_text.h"
#include "output/page_frame.h"
#include "output/player_cells.h"
#include "stats/resultdata.h"

namespace {

// A kill chart cell off the diagonal. Nearly all counts are below 100:
// those cells are put together once and copied whole.
constexpr std::string_view KILL_CELL_OPEN = "<td width=20><p align=right>";
constexpr std::string_view KILL_CELL_CLOSE = "</p></td>\r\n";
constexpr int SMALL_COUNTS = 100;
using small_count_cells = std::array<std::string, SMALL_COUNTS>;

const small_count_cells& kill_cells() {
  static const small_count_cells cells = [] {
    small_count_cells made;
    for (int n = 0; n < SMALL_COUNTS; ++n) {
      char digits[INT_TEXT_ROOM];
      made[static_cast<size_t>(n)]
          .assign(KILL_CELL_OPEN)
          .append(digits, format_int(digits, n))
          .append(KILL_CELL_CLOSE);
    }
    return made;
  }();
  return cells;
}

void info_row(outputfile& file, const char* label, const std::string& value) {
  file.write("<tr>\r\n");
  set_attr("bgcolor=#000080");
  th_text(file, label);
  set_attr("bgcolor=#606060");
  td(file, "<p align=right>%s</p>", value.c_str());
  file.write("</tr>\r\n");
}

// A team's score: its frags less its team kills.
int team_score(const player_t& team) { return team.score(); }

void team_row(outputfile& file, const player_t& team, const char* label) {
  file.write("<tr align=right>\r\n");
  set_attr("align=left");
  td_text(file, label);
  set_attr("");
  int score = team_score(team);
  td_fixed(file, team.eff(), 1);
  td_fixed(file, team.skill(), 2);
  // The score column takes the team kills off a second time.
  td_int(file, static_cast<long long>(score) - team.teamkills[0]);
  td_int(file, score);
  td_int(file, team.kills[0]);
  td_int(file, team.killed[0]);
  td_int(file, team.suicides[0]);
  td_int(file, team.deaths);
  td_int(file, team.total_deaths());
  td_int(file, team.teamkills[0]);
  file.write("</tr>\r\n");
}

}  // namespace

void game_writer::write_game_info() const {
  par(file, "<b>Game info</b>");
  begin_table(file, INFO_TABLE);
  info_row(file, "Map", html_escaped(game.mapname));
  info_row(file, "Game", html_escaped(game.gamename));
  info_row(file, "Gametype", html_escaped(game.gametype_name));
  info_row(file, "Timelimit", std::to_string(game.timelimit));
  info_row(file, "Fraglimit", std::to_string(game.fraglimit));
  end_table(file);
}

void game_writer::write_team_table() const {
  if (!game.teamgame) return;
  par(file, "<b>Teams</b>");
  begin_table(file, LIST_TABLE);
  file.write(LIST_HEADER_ROW);
  set_attr("align=left");
  for (const char* label : {"Team", "Eff", "Skill", "Score", "Frags", "Kills",
                            "Killed", "Suicides", "Deaths", "T.deaths",
                            "Teamkills"}) {
    th_text(file, label);
  }
  file.write("</tr>\r\n");
  const player_t& red = game.get_team(1);
  const player_t& blue = game.get_team(2);
  const char* red_label = "<b><font color=red>Red</font></b>";
  const char* blue_label = "<b><font color=blue>Blue</font></b>";
  // Blue leads on equal scores.
  if (team_score(red) > team_score(blue)) {
    team_row(file, red, red_label);
    team_row(file, blue, blue_label);
  } else {
    team_row(file, blue, blue_label);
    team_row(file, red, red_label);
  }
  end_table(file);
}

void game_writer::write_player_table(bool heading) const {
  if (game.teamgame) {
    par(file, "<b>Players (sorted by team and score)</b>");
  } else if (heading) {
    par(file, "<b>Players (sorted by %s and %s)</b>",
        sortkey_name(config.sort_primary),
        sortkey_name(config.sort_secondary));
  }
  begin_table(file, LIST_TABLE);
  write_player_header();
  for (int i = 0; i < game.num_players; ++i) write_player_row(i);
  end_table(file);
}

void game_writer::write_player_header() const {
  bool team = game.teamgame;
  file.write(LIST_HEADER_ROW);
  set_attr("align=left width=20");
  th(file, "#");
  set_attr("align=left");
  th(file, "Name");
  if (team) th(file, "Team");
  set_attr("");
  if (!config.skip_bots) th(file, "Bot");
  for (const char* label : {"Ratio", "Eff", "Skill"}) th_text(file, label);
  if (team) th(file, "Score");
  for (const char* label :
       {"Frags", "Kills", "Killed", "Suicides", "Deaths", "T.deaths"}) {
    th_text(file, label);
  }
  if (team) th(file, "Teamkills");
  for (const char* label : {"MKIOL", "Avg. life", "FPM", "DPM", "Playtime"}) {
    th_text(file, label);
  }
  file.write("</tr>\r\n");
}

void game_writer::write_player_row(int i) const {
  const player_t& player = game.get_player(i);
  write_leading_cells(i);
  write_ratio_cells(file, player);
  if (game.teamgame) td_int(file, player.score());
  write_count_cells(file, player);
  if (game.teamgame) td_int(file, player.teamkills[0]);
  write_life_cells(player);
  file.write("</tr>\r\n");
}

void game_writer::write_life_cells(const player_t& player) const {
  if (player.mkiol == 0) {
    set_attr("align=center");
    td(file, "-");
    set_attr("");
  } else {
    td(file, "%i (%s)", player.mkiol,
       diverse::time_to_min(player.mkiol_time).c_str());
  }
  int deaths = player.total_deaths();
  // 64 bits: total deaths saturate at the 32-bit limit, and + 1 must not
  // overflow.
  int64_t life = player.playtime / (static_cast<int64_t>(deaths) + 1);
  td_text(file, diverse::time_to_min(static_cast<int>(life)).c_str());
  write_per_minute_cells(file, player);
  td_text(file, diverse::time_to_hm(player.playtime).c_str());
}

// Row start, #, Name, Team (team games) and Bot (unless skipped); leaves
// the attribute empty for the counters that follow.
void game_writer::write_leading_cells(int i) const {
  const player_t& player = game.get_player(i);
  begin_row(file, i);
  set_attr("align=left");
  td_int(file, i + 1);
  td(file, "<b>%s</b>", player.display_name(config.no_funnames).c_str());
  if (game.teamgame) {
    td(file, "<center><b>%s</b></center>",
       team_marks(player.team_history).c_str());
  }
  set_attr("align=center");
  if (!config.skip_bots) {
    if (player.bot_skill >= 0) {
      td(file, "(%i)", player.bot_skill);
    } else {
      td(file, "-");
    }
  }
  set_attr("");
}

std::string team_marks(const std::string& history) {
  std::string marks;
  for (char code : history) {
    if (code == 1) marks += "<font color=red>R</font>";
    if (code == 2) marks += "<font color=blue>B</font>";
    if (code == 3) marks += "S";
  }
  return marks;
}

void game_writer::write_killchart(int slot) const {
  int total = game.weapon_kills(slot);
  if (total == 0) return;
  int count = game.num_players;
  begin_table(file, MATRIX_TABLE);
  file.print("<tr bgcolor=000080>\r\n<td align=center colspan=%i>"
             "<b>Killchart (%s)</b></td>\r\n</tr>\r\n",
             count + 3,
             (config.auto_weaponset() ? game.weapon_name(slot)
                                      : (*game.weapon_set)[slot])
                 .c_str());
  file.write("<tr>\r\n<td>&nbsp;</td>\r\n<td>&nbsp;</td>\r\n");
  for (int j = 0; j < count; ++j) {
    write_number_cell(
        "<td><p align=center><font color=#FF0000><b>", j + 1,
        "</b></font></p></td>\r\n");
  }
  file.write("<td><b>KILLS</b></td>\r\n</tr>\r\n");
  for (int i = 0; i < count; ++i) write_killchart_row(slot, i);
  file.write("<tr>\r\n<td><b>DEATHS</b></td>\r\n<td>&nbsp;</td>\r\n");
  for (int j = 0; j < count; ++j) {
    write_number_cell("<td><p align=right><b>", game.player_killed(j, slot),
                      "</b></p></td>\r\n");
  }
  write_number_cell("<td><p align=right><b>", total,
                    "</b></p></td>\r\n</tr>\r\n");
  end_table(file);
  begin_par(file);
  end_par(file);
}

// A 511-player game has a quarter of a million cells per weapon: they go
// straight into the file's buffer, without a format string.
void game_writer::write_killchart_row(int slot, int i) const {
  const player_t& killer = game.get_player(i);
  if (killer.name.empty()) {
    file.write("<tr>\r\n<td>&nbsp;</td>\r\n");
  } else {
    file.print("<tr>\r\n<td><b>%s</b></td>\r\n", killer.plain_name.c_str());
  }
  write_number_cell(
      "<td width=20><p align=center><font color=#FF0000><b>", i + 1,
      "</b></font></p></td>\r\n");
  const small_count_cells& cells = kill_cells();
  for (int j = 0; j < game.num_players; ++j) {
    int kills = game.get_kills(i, j, slot);
    if (j == i) {
      write_number_cell("<td width=20><p align=right><font color=#0000FF>",
                        kills, "</font></p></td>\r\n");
    } else if (kills < SMALL_COUNTS) {
      file.write(cells[static_cast<size_t>(kills)]);
    } else {
      write_number_cell(KILL_CELL_OPEN, kills, KILL_CELL_CLOSE);
    }
  }
  write_number_cell("<td><p align=right><b>",
                    static_cast<long long>(killer.kills[slot]) -
                        killer.suicides[slot],
                    "</b></p></td>\r\n</tr>\r\n");
}

void game_writer::write_number_cell(std::string_view open, long long value,
                                    std::string_view close) const {
  file.write(open);
  file.write_int(value);
  file.write(close);
}
