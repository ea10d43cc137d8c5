// One map's page: its games, the best players there and the weapons used.
#include <algorithm>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "modern/game_page.h"
#include "modern/html.h"
#include "modern/page.h"
#include "modern/site_pages.h"
#include "stats/player_t.h"
#include "stats/site_records.h"

namespace modern {
namespace {

constexpr const char* ROOT = "../";
// Best players: frags per minute over at least this many games there
// (fewer when no one has played that many), the top BEST_SHOWN.
constexpr int MIN_GAMES = 3;
constexpr size_t BEST_SHOWN = 10;
constexpr size_t GAMES_SHOWN = 50;

std::string td(const std::string& text) { return "<td>" + text + "</td>"; }

double per_minute(const map_record& record) {
  return record.playtime > 0 ? record.frags * 60.0 / record.playtime : 0.0;
}

void write_best_players(outputfile& page, const site_view& view, int map) {
  std::vector<std::pair<int, const map_record*>> played;
  int most = 0;
  for (size_t i = 0; i < view.records.players.size(); ++i) {
    for (const map_record& record : view.records.players[i].maps) {
      if (record.map != map) continue;
      played.emplace_back(static_cast<int>(i) + 1, &record);
      most = std::max(most, record.games);
    }
  }
  const int minimum = std::min(MIN_GAMES, most);
  std::erase_if(played, [minimum](auto& p) { return p.second->games < minimum; });
  const size_t shown = std::min(played.size(), BEST_SHOWN);
  std::partial_sort(played.begin(), played.begin() + static_cast<long>(shown),
                    played.end(), [](auto& a, auto& b) {
                      const double x = per_minute(*a.second);
                      const double y = per_minute(*b.second);
                      return x != y ? x > y : a.first < b.first;
                    });
  page.write("<h2>Best players</h2>\n<p class=\"sub\">By frags per minute, "
             "with at least " + std::to_string(minimum) + " games here.</p>\n");
  open_table(page, {"Player", "Games", "Wins", "Frags", "Frags / min"});
  for (size_t i = 0; i < shown; ++i) {
    const auto& [number, record] = played[i];
    const player_t* player = view.player(number);
    if (player == nullptr) continue;
    page.write("<tr><td class=\"n\">" +
               player_link(view.slug(number), name_html(player->name), ROOT) +
               "</td>" + td(std::to_string(record->games)) +
               td(std::to_string(record->wins)) +
               td(std::to_string(record->frags)) +
               td(fixed(per_minute(*record), 2)) + "</tr>\n");
  }
  close_table(page);
}

void write_games(outputfile& page, const site_view& view, int map) {
  page.write("<h2>Latest games here</h2>\n");
  open_table(page, {"Game", "Date", "Type", "Players", "Time"});
  size_t shown = 0;
  for (auto game = view.records.games.rbegin();
       game != view.records.games.rend() && shown < GAMES_SHOWN; ++game) {
    if (game->map_index != map) continue;
    ++shown;
    page.write("<tr><td class=\"n\">" +
               game_link(game->number, std::to_string(game->number), ROOT) +
               "</td><td class=\"t\">" + text(date_text(game->started)) +
               "</td><td class=\"t\">" + text(game->gametype_name) + "</td>" +
               td(std::to_string(game->players)) +
               td(clock_time(game->seconds)) + "</tr>\n");
  }
  close_table(page);
}

void write_weapons(outputfile& page, const site_view& view,
                   const map_total& map) {
  page.write("<h2>Weapons</h2>\n");
  open_table(page, {"Weapon", "Kills", "Share"});
  for (int w = 1; w < MAX_WEAPONS; ++w) {
    if (map.kills[w] == 0) continue;
    page.write("<tr><td class=\"n\">" + text(weapon_name(view.config, w)) +
               "</td>" + td(std::to_string(map.kills[w])) +
               td(fixed(100.0 * map.kills[w] /
                            std::max<uint32_t>(1, map.kills[0]),
                        1) +
                  " %") +
               "</tr>\n");
  }
  close_table(page);
}

}  // namespace

outputfile::save_result write_map_page(const site_view& view, int map,
                                       int folder) {
  const map_total& total = view.records.maps[static_cast<size_t>(map)];
  const std::string name = view.map_slugs[static_cast<size_t>(map)] + ".html";
  outputfile page;
  page.open_at(folder, name.c_str(), name, outputfile::open_mode::create,
               outputfile::failures::kept);
  write_head(page, "Map " + text(total.name) + " · Morv", ROOT);
  page.write("<h1>Map " + text(total.name) + "</h1>\n<p class=\"sub\">" +
             std::to_string(total.games) +
             (total.games == 1 ? " game, " : " games, ") +
             clock_time(total.seconds) + " played</p>\n");
  write_best_players(page, view, map);
  write_games(page, view, map);
  write_weapons(page, view, total);
  write_foot(page);
  page.close();
  return page.result();
}

}  // namespace modern
