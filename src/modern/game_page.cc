// One game: its heading, scoreboard, the mods' figures, score chart,
// awards, kill matrix, weapons, pickups and chat.
#include "modern/game_page.h"

#include <unistd.h>

#include <string_view>

#include "config/configdata.h"
#include "diverse/text_format.h"
#include "modern/award_html.h"
#include "modern/chat_section.h"
#include "modern/html.h"
#include "modern/mod_tables.h"
#include "modern/page.h"
#include "modern/score_chart.h"
#include "stats/resultdata.h"

namespace modern {
namespace {

constexpr const char* ROOT = "../";

const char* team_label(int code) {
  switch (code) {
    case 0: return "free";
    case 1: return "red";
    case 2: return "blue";
    case 3: return "spectator";
    default: return "";
  }
}

void cell(std::string& row, long long value) {
  row += "<td>";
  append_decimal(row, value);
  row += "</td>";
}

void write_heading(outputfile& page, const resultdata& game,
                   const game_page_context& context) {
  page.write("<h1>Game " + std::to_string(context.number) + ": " +
             map_link(context.map_slug, game.mapname, ROOT) +
             "</h1>\n<p class=\"sub\">");
  std::string line = text(game.gametype_name);
  if (!game.started.empty()) line = text(date_text(game.started)) + " · " + line;
  if (!game.hostname.empty()) line += " · " + name_html(game.hostname);
  if (game.duration >= 0) line += " · " + clock_time(game.duration);
  line += " · " + std::to_string(game.num_players) + " players</p>\n";
  page.write(line);
  page.write(team_tiles(game));
}

void write_prev_next(outputfile& page, const game_page_context& context) {
  std::string links = "<p class=\"prevnext\">";
  if (context.number > 1) {
    links += "<a rel=\"prev\" href=\"" + game_file_name(context.number - 1) +
             "\">← Game " + std::to_string(context.number - 1) + "</a>";
  }
  if (context.has_next) {
    links += "<a rel=\"next\" href=\"" + game_file_name(context.number + 1) +
             "\">Game " + std::to_string(context.number + 1) + " →</a>";
  }
  page.write(links + "</p>\n");
}

// Each player's name as a link to the player's page, in the game's order:
// every table of the page names the players.
std::vector<std::string> player_links(const resultdata& game,
                                      const game_page_context& context) {
  std::vector<std::string> links;
  links.reserve(static_cast<size_t>(game.num_players));
  for (int i = 0; i < game.num_players; ++i) {
    links.push_back(player_link(context.slugs[static_cast<size_t>(i)],
                                name_html(game.get_player(i).name), ROOT));
  }
  return links;
}

void write_scoreboard(outputfile& page, const resultdata& game,
                      const std::vector<std::string>& links) {
  page.write("<h2>Scoreboard</h2>\n");
  open_table(page, {"Player", "#", "Team", "Frags", "Kills", "Deaths",
                    "Suicides", "World", "Team kills", "Eff", "Streak", "Time",
                    "Ping"});
  for (int i = 0; i < game.num_players; ++i) {
    const player_t& player = game.get_player(i);
    std::string row = "<tr><td class=\"n\">";
    row += links[static_cast<size_t>(i)];
    row += "</td>";
    cell(row, i + 1);
    row += "<td class=\"t\">";
    row += team_label(player.team);
    row += "</td>";
    cell(row, player.frags());
    cell(row, player.kills[0]);
    cell(row, player.killed[0]);
    cell(row, player.suicides[0]);
    cell(row, player.deaths);
    cell(row, player.teamkills[0]);
    row += "<td>" + fixed(player.eff(), 1) + "</td>";
    cell(row, player.mkiol);
    row += "<td>" + clock_time(player.playtime) + "</td><td>" +
           (player.ping_count > 0
                ? std::to_string(player.ping_sum / player.ping_count)
                : std::string("-")) +
           "</td></tr>\n";
    page.write(row);
  }
  close_table(page);
}

// One matrix over all weapons: the per-weapon ones stay in the export.
void write_matrix(outputfile& page, const resultdata& game,
                  const std::vector<std::string>& links) {
  const int n = game.num_players;
  page.write("<h2>Kill matrix</h2>\n<p class=\"sub\">Kills of each row's "
             "player on each column's player (numbered as in the "
             "scoreboard), all weapons.</p>\n<div class=\"scroll\"><table "
             "class=\"matrix\"><thead><tr><th class=\"n\" scope=\"col\">"
             "Killer</th>");
  std::string row;
  for (int v = 0; v < n; ++v) row += "<th scope=\"col\">" + std::to_string(v + 1) + "</th>";
  page.write(row + "</tr></thead><tbody>\n");
  for (int k = 0; k < n; ++k) {
    row = "<tr><td class=\"n\">" + std::to_string(k + 1) + " " +
          links[static_cast<size_t>(k)] + "</td>";
    for (int v = 0; v < n; ++v) {
      const int kills = game.get_kills(k, v, 0);
      if (kills == 0) {
        row += k == v ? "<td class=\"self\"></td>" : "<td></td>";
        continue;
      }
      row += k == v ? "<td class=\"self\">" : "<td>";
      append_decimal(row, kills);
      row += "</td>";
    }
    page.write(row + "</tr>\n");
  }
  close_table(page);
}

void write_weapons(outputfile& page, const resultdata& game,
                   const game_page_context& context,
                   const std::vector<std::string>& links) {
  std::vector<int> used;
  for (int w = 1; w < MAX_WEAPONS; ++w) {
    bool any = false;
    for (int i = 0; i < game.num_players && !any; ++i) {
      const player_t& player = game.get_player(i);
      any = player.kills[w] != 0 || player.killed[w] != 0;
    }
    if (any) used.push_back(w);
  }
  if (used.empty()) return;
  page.write("<h2>Weapons</h2>\n<p class=\"sub\">Kills / deaths of each "
             "player by weapon.</p>\n<div class=\"scroll\"><table><thead><tr>"
             "<th class=\"n\" scope=\"col\">Player</th>");
  std::string row;
  for (int w : used) {
    row += "<th scope=\"col\">" + text(weapon_name(context.config, w)) + "</th>";
  }
  page.write(row + "</tr></thead><tbody>\n");
  for (int i = 0; i < game.num_players; ++i) {
    const player_t& player = game.get_player(i);
    row = "<tr><td class=\"n\">" + links[static_cast<size_t>(i)] + "</td>";
    for (int w : used) {
      row += "<td>";
      append_decimal(row, player.kills[w]);
      row += " / ";
      append_decimal(row, player.killed[w]);
      row += "</td>";
    }
    page.write(row + "</tr>\n");
  }
  row = "<tr><td class=\"n\">All players</td>";
  for (int w : used) row += "<td>" + std::to_string(game.weapon_kills(w)) + "</td>";
  page.write(row + "</tr>\n");
  close_table(page);
}

// Pickups by kind; ammunition and weapons each in one column.
struct pickup_column {
  const char* label;
  int first;
  int last;
};
constexpr pickup_column PICKUPS[] = {
    {"Health", item_health_small, item_health},
    {"Mega", item_health_mega, item_health_mega},
    {"Armor", item_armor_shard, item_armor_body},
    {"Quad", item_quad, item_quad},
    {"Other powerups", item_enviro, item_regen},
    {"Holdables", holdable_medkit, holdable_teleporter},
    {"Flags", team_CTF_blueflag, team_CTF_redflag},
    {"Ammo", ammo_bfg, ammo_slugs},
    {"Weapons", weapon_bfg, weapon_prox_launcher},
};

int pickups(const player_t& player, const pickup_column& column) {
  int count = 0;
  for (int item = column.first; item <= column.last; ++item) {
    // Mega health is its own column, not counted under health.
    if (item == item_health_mega && column.first != column.last) continue;
    count += static_cast<int>(player.pickups[static_cast<size_t>(item)]);
  }
  return count;
}

void write_pickups(outputfile& page, const resultdata& game,
                   const std::vector<std::string>& links) {
  std::vector<const pickup_column*> used;
  for (const pickup_column& column : PICKUPS) {
    bool any = false;
    for (int i = 0; i < game.num_players && !any; ++i) {
      any = pickups(game.get_player(i), column) > 0;
    }
    if (any) used.push_back(&column);
  }
  if (used.empty()) return;
  page.write("<h2>Pickups</h2>\n<div class=\"scroll\"><table><thead><tr>"
             "<th class=\"n\" scope=\"col\">Player</th>");
  std::string row;
  for (const pickup_column* column : used) {
    row += "<th scope=\"col\">" + std::string(column->label) + "</th>";
  }
  page.write(row + "</tr></thead><tbody>\n");
  for (int i = 0; i < game.num_players; ++i) {
    row = "<tr><td class=\"n\">" + links[static_cast<size_t>(i)] + "</td>";
    for (const pickup_column* column : used) {
      cell(row, pickups(game.get_player(i), *column));
    }
    page.write(row + "</tr>\n");
  }
  close_table(page);
}

void write_awards(outputfile& page, const resultdata& game,
                  const std::vector<std::string>& links) {
  std::vector<award_line> lines;
  for (const award_winner& winner : game.award_winners) {
    lines.push_back({winner, links[static_cast<size_t>(winner.player)]});
  }
  if (lines.empty()) return;
  page.write("<h2>Awards</h2>\n");
  write_award_table(page, lines);
}

}  // namespace

std::string game_file_name(int number) {
  return std::to_string(number) + ".html";
}

std::string weapon_name(const configdata& config, int weapon) {
  const std::string& name = config.weaponnames[static_cast<size_t>(weapon)];
  return name.empty() ? "Weapon " + std::to_string(weapon) : name;
}

outputfile::save_result write_game_page(const resultdata& game,
                                        const game_page_context& context,
                                        bool replace) {
  const std::string name = game_file_name(context.number);
  if (replace) ::unlinkat(context.folder, name.c_str(), 0);
  outputfile page;
  page.open_at(context.folder, name.c_str(), name,
               outputfile::open_mode::create, outputfile::failures::kept);
  write_head(page,
             "Game " + std::to_string(context.number) + ": " +
                 text(game.mapname) + " · Morv",
             ROOT);
  write_heading(page, game, context);
  write_prev_next(page, context);
  const std::vector<std::string> links = player_links(game, context);
  write_scoreboard(page, game, links);
  write_mod_tables(page, game, links);
  page.write(score_chart(game));
  write_awards(page, game, links);
  write_matrix(page, game, links);
  write_weapons(page, game, context, links);
  write_pickups(page, game, links);
  page.write(chat_section(game, context.slugs));
  write_prev_next(page, context);
  write_foot(page);
  page.close();
  return page.result();
}

}  // namespace modern
