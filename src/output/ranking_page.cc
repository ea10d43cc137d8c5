// One player ranking page: links, title, limits paragraph and the player
// table.
#include "output/ranking_page.h"

#include <cstdint>
#include <string>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/time_text.h"
#include "diverse/outputfile.h"
#include "output/page_frame.h"
#include "output/player_cells.h"
#include "stats/player_t.h"

namespace {

// Links above the title: home page, the other set of rankings, game index.
void write_links(outputfile& file, const configdata& config, int n) {
  if (!config.homepage_address.empty()) {
    file.print("<p class=title><a href=\"%s\"><font color=red>%s</font></a>",
               config.homepage_address.c_str(), config.homepage_string.c_str());
  }
  if (n == 0) {
    if (config.top_players > 0) {
      file.print("<p class=title><a href=\"top_players.htm\"><font color=red>"
                 "Top %i players</font></a></p>", config.top_players);
    }
  } else {
    file.write("<p class=title><a href=\"players.htm\"><font color=red>"
               "All players</font></a></p>");
  }
  file.write("<p class=title><a href=\"games.htm\"><font color=red>"
             "Game index</font></a></p>");
}

void write_limits(outputfile& file, const configdata& config, bool by_name) {
  file.write("<p><b><font size=3>Limits used:</font></b>");
  if (config.min_kills != 0) file.print("<br>min_kills: %i", config.min_kills);
  if (config.min_games != 0) file.print("<br>min_games: %i", config.min_games);
  if (config.min_playtime != 0) {
    file.print("<br>min_playtime: %s",
               diverse::time_to_hms(config.min_playtime).c_str());
  }
  if (config.max_players > 0 && !by_name) {
    file.print("<br>max_players: %i", config.max_players);
  }
  if (config.skip_bots) file.write("<br>no_bots: true");
  file.write("</p>");
}

// The header row; prefix ("" or "top_") keeps each set of pages linked to
// itself, except the name page, which only the all-players set has.
void write_table_header(outputfile& file, const configdata& config,
                        const char* prefix) {
  file.write(LIST_HEADER_ROW);
  set_attr("align=left width=20");
  th(file, "#");
  set_attr("align=left");
  th(file, "<a href=\"players_name.htm\">Name</a>");
  if (!config.skip_bots) th(file, "Bot");
  set_attr("");
  th(file, "<a href=\"%splayers_ratio.htm\">Ratio</a>", prefix);
  th(file, "<a href=\"%splayers_eff.htm\">Eff</a>", prefix);
  th(file, "<a href=\"%splayers_skill.htm\">Skill</a>", prefix);
  th(file, "<a href=\"%splayers_frags.htm\">Frags</a>", prefix);
  th(file, "<a href=\"%splayers_kills.htm\">Kills</a>", prefix);
  for (const char* label : {"Killed", "Suicides", "Deaths", "T.deaths", "FPM",
                            "DPM"}) {
    th_text(file, label);
  }
  th(file, "<a href=\"%splayers_playtime.htm\">Playtime</a>", prefix);
  th(file, "Games");
  th(file, "Ping");
  file.write("</tr>\r\n");
}

void write_numbers(outputfile& file, const player_t& player) {
  write_ratio_cells(file, player);
  write_count_cells(file, player);
  write_per_minute_cells(file, player);
  td_text(file, diverse::time_to_hm(player.playtime).c_str());
  td_int(file, player.games);
  if (player.ping_count == 0) {
    td(file, "-");
  } else {
    td_int(file, static_cast<int>(average_ping(player)));
  }
}

void write_row(outputfile& file, const configdata& config,
               const player_t& player, int rank) {
  file.write(rank % 2 == 1 ? "<tr align=right>\r\n"
                           : "<tr align=right bgcolor=#808080>\r\n");
  set_attr("align=left");
  td_int(file, rank);
  td(file, "<b><a href=\"morv_players/player_%i.htm\">%s</a></b>",
     player.number, player.display_name(config.no_funnames).c_str());
  if (!config.skip_bots) {
    set_attr("align=center");
    if (player.bot_skill >= 0) {
      td(file, "(%i)", player.bot_skill);
    } else {
      td(file, "-");
    }
  }
  set_attr("");
  write_numbers(file, player);
  file.write("</tr>\r\n");
}

}  // namespace

const char* ranking_page_base_name(int page_key) {
  switch (page_key) {
    case SORT_RATIO: return "players_ratio.htm";
    case SORT_NAME: return "players_name.htm";
    case SORT_EFF: return "players_eff.htm";
    case SORT_SKILL: return "players_skill.htm";
    case SORT_FRAGS: return "players_frags.htm";
    case SORT_KILLS: return "players_kills.htm";
    case SORT_PLAYTIME: return "players_playtime.htm";
    default: return "players.htm";
  }
}

void write_ranking_page(outputfile& file, const configdata& config,
                        const ranking_view& view) {
  const bool by_name = view.key == SORT_NAME;
  write_header(file, config, IN_OUTPUT_FOLDER);
  file.print("<p class=text>[%s]</p>\r\n", diverse::local_date_text().c_str());
  write_links(file, config, view.n);
  const char* key_name = sortkey_name(view.key);
  if (view.n == 0) {
    file.print("<p class=title>Player ranking<br>(sorted by %s)</p>",
               key_name);
  } else {
    file.print("<p class=title>Top %i players<br>(sorted by %s)</p>",
               config.top_players, key_name);
  }
  if (config.filters_on) write_limits(file, config, by_name);
  file.print("<p class=title>Number of games: %i</p>", view.games_written);

  begin_table(file, LIST_TABLE);
  write_table_header(file, config, view.n == 0 ? "" : "top_");
  int rank = 1;
  for (const player_t* player : view.rows) {
    write_row(file, config, *player, rank++);
  }
  end_table(file);
  write_footer(file, true);
}
