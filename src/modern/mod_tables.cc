// The mods' figures on a game page.
#include "modern/mod_tables.h"

#include <algorithm>
#include <string_view>

#include "modern/html.h"
#include "modern/page.h"
#include "stats/resultdata.h"

namespace modern {
namespace {

struct count_column {
  mod_figure figure;
  const char* label;
};
constexpr count_column COUNT_COLUMNS[] = {
    {flag_takes, "Flag takes"},
    {flag_captures, "Captures"},
    {flag_returns, "Returns"},
    {flag_drops, "Drops"},
    {flag_carrier_kills, "Carrier kills"},
    {assists, "Assists"},
    {round_wins, "Round wins"},
};

std::string tile(std::string_view label, const std::string& value) {
  return "<div><dt>" + std::string(label) + "</dt><dd>" + value + "</dd></div>";
}

std::string name_cell(int i, const std::vector<std::string>& links) {
  return "<tr><td class=\"n\">" + links[static_cast<size_t>(i)] + "</td>";
}

// "impressive 2, excellent 1": the server's awards, names from the log.
std::string server_awards(const player_mod_figures& figures) {
  std::string list;
  for (const named_count& award : figures.awards) {
    if (!list.empty()) list += ", ";
    list += text(award.name) + " " + std::to_string(award.count);
  }
  return list;
}

void write_objectives(outputfile& page, const resultdata& game,
                      const std::vector<std::string>& links) {
  const game_mod_figures& mod = game.mod;
  std::vector<const count_column*> columns;
  for (const count_column& column : COUNT_COLUMNS) {
    if (mod.has(column.figure)) columns.push_back(&column);
  }
  const bool fastest = mod.has(fastest_capture);
  const bool score = mod.has(server_score);
  const bool awarded = mod.has(awards);
  if (columns.empty() && !fastest && !score && !awarded) return;
  std::string head =
      "<h2>Objectives</h2>\n<div class=\"scroll\"><table>"
      "<thead><tr><th class=\"n\" scope=\"col\">Player</th>";
  for (const count_column* column : columns) {
    head += "<th scope=\"col\">" + std::string(column->label) + "</th>";
  }
  if (fastest) head += "<th scope=\"col\">Fastest capture</th>";
  if (score) head += "<th scope=\"col\">Server score</th>";
  if (awarded) head += "<th scope=\"col\">Server awards</th>";
  page.write(head + "</tr></thead><tbody>\n");
  for (int i = 0; i < game.num_players; ++i) {
    const player_mod_figures& figures = game.get_player(i).mod;
    std::string row = name_cell(i, links);
    for (const count_column* column : columns) {
      row +=
          "<td>" +
          std::to_string(figures.counts[static_cast<size_t>(column->figure)]) +
          "</td>";
    }
    if (fastest) {
      row += "<td>" +
             (figures.fastest_capture_ms < 0
                  ? std::string("-")
                  : fixed(figures.fastest_capture_ms / 1000.0, 2) + " s") +
             "</td>";
    }
    if (score) row += "<td>" + std::to_string(figures.server_score) + "</td>";
    if (awarded) row += "<td class=\"t\">" + server_awards(figures) + "</td>";
    page.write(row + "</tr>\n");
  }
  close_table(page);
}

// The weapons of the accuracy table: the names logged, first seen first.
std::vector<std::string_view> accuracy_weapons(const resultdata& game) {
  std::vector<std::string_view> weapons;
  for (int i = 0; i < game.num_players; ++i) {
    for (const weapon_accuracy& entry : game.get_player(i).mod.accuracy) {
      if (weapons.size() == MAX_ACCURACY_WEAPONS) return weapons;
      if (std::find(weapons.begin(), weapons.end(), entry.weapon) ==
          weapons.end()) {
        weapons.push_back(entry.weapon);
      }
    }
  }
  return weapons;
}

std::string accuracy_cell(const player_mod_figures& figures,
                          std::string_view weapon, bool with_shots) {
  auto entry = std::find_if(figures.accuracy.begin(), figures.accuracy.end(),
                            [&](auto& e) { return e.weapon == weapon; });
  if (entry == figures.accuracy.end()) return "<td></td>";
  if (!with_shots) return "<td>" + std::to_string(entry->hits) + "</td>";
  if (entry->shots == 0) {
    return "<td>" + std::to_string(entry->hits) + " / 0</td>";
  }
  return "<td>" + fixed(100.0 * entry->hits / entry->shots, 1) + " % <small>" +
         std::to_string(entry->hits) + " / " + std::to_string(entry->shots) +
         "</small></td>";
}

void write_accuracy(outputfile& page, const resultdata& game,
                    const std::vector<std::string>& links) {
  if (!game.mod.has(hits)) return;
  const std::vector<std::string_view> weapons = accuracy_weapons(game);
  if (weapons.empty()) return;
  const bool with_shots = game.mod.has(shots);
  std::string head =
      "<h2>Accuracy</h2>\n<p class=\"sub\">" +
      std::string(with_shots ? "Hits of shots by weapon, as the server "
                               "counted them."
                             : "Hits by weapon, as the server logged them.") +
      "</p>\n<div class=\"scroll\"><table><thead><tr>"
      "<th class=\"n\" scope=\"col\">Player</th>";
  for (std::string_view weapon : weapons) {
    head += "<th scope=\"col\">" + text(weapon) + "</th>";
  }
  page.write(head + "</tr></thead><tbody>\n");
  for (int i = 0; i < game.num_players; ++i) {
    std::string row = name_cell(i, links);
    for (std::string_view weapon : weapons) {
      row += accuracy_cell(game.get_player(i).mod, weapon, with_shots);
    }
    page.write(row + "</tr>\n");
  }
  close_table(page);
}

}  // namespace

std::string team_tiles(const resultdata& game) {
  const game_mod_figures& mod = game.mod;
  if (!game.teamgame && !mod.has(team_scores) && !mod.has(team_round_wins)) {
    return "";
  }
  std::string tiles = "<dl class=\"tiles\">";
  const std::string red_frags = std::to_string(game.get_team(1).score());
  const std::string blue_frags = std::to_string(game.get_team(2).score());
  if (mod.has(team_scores)) {
    tiles += tile("Red", std::to_string(mod.team_scores[1])) +
             tile("Blue", std::to_string(mod.team_scores[2]));
    if (game.teamgame) {
      tiles += tile("Red frags", red_frags) + tile("Blue frags", blue_frags);
    }
  } else if (game.teamgame) {
    tiles += tile("Red", red_frags) + tile("Blue", blue_frags);
  }
  if (mod.has(team_round_wins)) {
    tiles += tile("Rounds red", std::to_string(mod.team_round_wins[1])) +
             tile("Rounds blue", std::to_string(mod.team_round_wins[2])) +
             tile("Draws", std::to_string(mod.team_round_wins[0]));
  }
  return tiles + "</dl>\n";
}

void write_mod_tables(outputfile& page, const resultdata& game,
                      const std::vector<std::string>& links) {
  write_objectives(page, game, links);
  write_accuracy(page, game, links);
}

}  // namespace modern
