// One player's page: totals, awards, weapons, maps, opponents, recent
// games and the names used.
#include <algorithm>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "modern/award_html.h"
#include "modern/game_page.h"
#include "modern/html.h"
#include "modern/page.h"
#include "modern/rating_html.h"
#include "modern/site_pages.h"
#include "stats/player_t.h"
#include "stats/site_records.h"

namespace modern {
namespace {

constexpr const char* ROOT = "../";
constexpr size_t OPPONENTS_SHOWN = 5;

std::string td(const std::string& text) { return "<td>" + text + "</td>"; }
std::string td(long long value) { return td(std::to_string(value)); }

std::string rate(long long count, long long seconds) {
  return seconds > 0 ? fixed(static_cast<double>(count) * 60.0 /
                                 static_cast<double>(seconds), 2)
                     : "-";
}

void write_tiles(outputfile& page, const player_t& player,
                 const player_history& history) {
  const auto tile = [](const char* label, const std::string& value) {
    return "<div><dt>" + std::string(label) + "</dt><dd>" + value +
           "</dd></div>";
  };
  page.write(
      "<dl class=\"tiles\">" + tile("Games", std::to_string(player.games)) +
      tile("Wins", std::to_string(history.wins)) +
      tile("Frags", std::to_string(player.frags())) +
      tile("Kills", std::to_string(player.kills[0])) +
      tile("Deaths", std::to_string(player.total_deaths())) +
      tile("Suicides", std::to_string(player.suicides[0])) +
      tile("World deaths", std::to_string(player.deaths)) +
      tile("Team kills", std::to_string(player.teamkills[0])) +
      tile("Efficiency", fixed(player.eff(), 1) + " %") +
      tile("Frags / min", rate(player.frags(), player.playtime)) +
      tile("Kills / min", rate(player.kills[0], player.playtime)) +
      tile("Deaths / min", rate(player.total_deaths(), player.playtime)) +
      tile("Time played", clock_time(player.playtime)) + "</dl>\n");
}

// Kills by weapon as horizontal bars, longest first.
void write_weapon_chart(outputfile& page, const site_view& view,
                        const std::vector<int>& weapons,
                        const player_t& player) {
  constexpr int ROW = 22, LABEL = 130, WIDTH = 560, BAR = WIDTH - LABEL - 50;
  uint32_t most = 1;
  for (int w : weapons) most = std::max(most, player.kills[w]);
  const int height = ROW * static_cast<int>(weapons.size()) + 4;
  std::string svg = "<svg class=\"bars\" viewBox=\"0 0 " +
                    std::to_string(WIDTH) + " " + std::to_string(height) +
                    "\" role=\"img\" aria-label=\"Kills by weapon\">";
  int y = 2;
  for (int w : weapons) {
    const int length = static_cast<int>(
        static_cast<uint64_t>(player.kills[w]) * BAR / most);
    svg += "<text x=\"0\" y=\"" + std::to_string(y + 15) + "\">" +
           text(weapon_name(view.config, w)) + "</text><rect x=\"" +
           std::to_string(LABEL) + "\" y=\"" + std::to_string(y + 3) +
           "\" width=\"" + std::to_string(std::max(length, 1)) +
           "\" height=\"16\"/><text x=\"" +
           std::to_string(LABEL + length + 6) + "\" y=\"" +
           std::to_string(y + 15) + "\">" + std::to_string(player.kills[w]) +
           "</text>";
    y += ROW;
  }
  page.write(svg + "</svg>\n");
}

void write_weapons(outputfile& page, const site_view& view,
                   const player_t& player) {
  std::vector<int> weapons;
  for (int w = 1; w < MAX_WEAPONS; ++w) {
    if (player.kills[w] != 0 || player.killed[w] != 0 ||
        player.suicides[w] != 0) {
      weapons.push_back(w);
    }
  }
  if (weapons.empty()) return;
  std::stable_sort(weapons.begin(), weapons.end(), [&](int a, int b) {
    return player.kills[a] > player.kills[b];
  });
  page.write("<h2>Weapons</h2>\n");
  std::vector<int> used;
  for (int w : weapons) {
    if (player.kills[w] != 0) used.push_back(w);
  }
  if (!used.empty()) write_weapon_chart(page, view, used, player);
  open_table(page, {"Weapon", "Kills", "Share", "Deaths by it", "Suicides"});
  for (int w : weapons) {
    page.write("<tr><td class=\"n\">" + text(weapon_name(view.config, w)) +
               "</td>" + td(player.kills[w]) +
               td(fixed(100.0 * player.kills[w] /
                            std::max<uint32_t>(1, player.kills[0]),
                        1) +
                  " %") +
               td(player.killed[w]) + td(player.suicides[w]) + "</tr>\n");
  }
  close_table(page);
}

void write_maps(outputfile& page, const site_view& view,
                const player_history& history) {
  if (history.maps.empty()) return;
  std::vector<const map_record*> maps;
  for (const map_record& record : history.maps) maps.push_back(&record);
  std::stable_sort(maps.begin(), maps.end(), [](auto* a, auto* b) {
    return a->games > b->games;
  });
  page.write("<h2>Maps</h2>\n");
  open_table(page, {"Map", "Games", "Wins", "Frags", "Kills", "Deaths",
                    "Frags / min"},
             "sortable");
  for (const map_record* record : maps) {
    const size_t m = static_cast<size_t>(record->map);
    page.write("<tr><td class=\"n\">" +
               map_link(view.map_slugs[m], view.records.maps[m].name, ROOT) +
               "</td>" + td(record->games) + td(record->wins) +
               td(record->frags) + td(record->kills) + td(record->deaths) +
               td(rate(record->frags, record->playtime)) + "</tr>\n");
  }
  close_table(page);
}

// The five opponents who killed the player most (by_deaths) or whom the
// player killed most, with both counts.
void write_opponents(outputfile& page, const site_view& view,
                     const player_t& player, bool by_deaths) {
  std::vector<const p2p_t*> opponents;
  for (const p2p_t& p2p : player.opponents) {
    if (p2p.opponent != nullptr && (by_deaths ? p2p.deaths[0] : p2p.kills[0])) {
      opponents.push_back(&p2p);
    }
  }
  if (opponents.empty()) return;
  const size_t shown = std::min(opponents.size(), OPPONENTS_SHOWN);
  std::partial_sort(opponents.begin(), opponents.begin() + static_cast<long>(shown),
                    opponents.end(), [by_deaths](auto* a, auto* b) {
                      const uint32_t x = by_deaths ? a->deaths[0] : a->kills[0];
                      const uint32_t y = by_deaths ? b->deaths[0] : b->kills[0];
                      return x != y ? x > y : a->plain_name < b->plain_name;
                    });
  page.write(by_deaths ? "<h2>Nemesis</h2>\n" : "<h2>Favourite victims</h2>\n");
  open_table(page, {"Opponent", "Killed them", "Killed by them"});
  for (size_t i = 0; i < shown; ++i) {
    const player_t& opponent = *opponents[i]->opponent;
    page.write("<tr><td class=\"n\">" +
               player_link(view.slug(opponent.number), name_html(opponent.name),
                           ROOT) +
               "</td>" + td(opponents[i]->kills[0]) +
               td(opponents[i]->deaths[0]) + "</tr>\n");
  }
  close_table(page);
}

void write_recent(outputfile& page, const site_view& view,
                  const player_history& history) {
  if (history.recent.empty()) return;
  page.write("<h2>Recent games</h2>\n");
  open_table(page, {"Game", "Date", "Map", "Place", "Frags", "Kills",
                    "Deaths"});
  for (auto recent = history.recent.rbegin(); recent != history.recent.rend();
       ++recent) {
    const game_summary& game =
        view.records.games[static_cast<size_t>(recent->number - 1)];
    page.write("<tr><td class=\"n\">" +
               game_link(game.number, std::to_string(game.number), ROOT) +
               "</td><td class=\"t\">" + text(date_text(game.started)) +
               "</td><td class=\"t\">" +
               map_link(view.map_slugs[static_cast<size_t>(game.map_index)],
                        game.map, ROOT) +
               "</td>" + td(std::to_string(recent->place) + " of " +
                            std::to_string(game.players)) +
               td(recent->frags) + td(recent->kills) + td(recent->deaths) +
               "</tr>\n");
  }
  close_table(page);
}

// The awards the player won in games, and the all-time ones held.
void write_awards(outputfile& page, const site_view& view,
                  const player_t& player, const player_history& history) {
  std::vector<award_count> won = history.awards;
  std::vector<const award_winner*> held(award_table().size());
  for (const award_winner& winner : view.awards) {
    if (winner.player != player.number) continue;
    held[static_cast<size_t>(winner.award)] = &winner;
    const bool listed = std::any_of(won.begin(), won.end(), [&](auto& count) {
      return count.award == winner.award;
    });
    if (!listed) won.push_back({winner.award, 0});
  }
  if (won.empty()) return;
  std::sort(won.begin(), won.end(),
            [](auto& a, auto& b) { return a.award < b.award; });
  page.write("<h2>Awards</h2>\n");
  open_table(page, {"Award", "Games won", "All-time", "Rule"}, "won");
  for (const award_count& count : won) {
    const award_definition& award =
        award_table()[static_cast<size_t>(count.award)];
    const award_winner* all_time = held[static_cast<size_t>(count.award)];
    page.write("<tr><td class=\"n\">" + std::string(award.name) + "</td>" +
               td(count.games) +
               td(all_time != nullptr ? award_value(*all_time) : "") +
               "<td class=\"t rule\">" + std::string(award.rule) +
               "</td></tr>\n");
  }
  close_table(page);
}

void write_names(outputfile& page, const player_history& history) {
  if (history.names.empty()) return;
  std::string list = "<h2>Names used</h2>\n<ul class=\"plain\">";
  for (const name_use& use : history.names) {
    list += "<li>" + name_html(use.raw) + " (" + std::to_string(use.games) +
            (use.games == 1 ? " game" : " games") + ")</li>";
  }
  page.write(list + "</ul>\n");
}

}  // namespace

outputfile::save_result write_player_page(const site_view& view,
                                          const player_t& player, int folder) {
  const std::string name = view.slug(player.number) + ".html";
  const player_history& history = view.records.history(player.number);
  outputfile page;
  page.open_at(folder, name.c_str(), name, outputfile::open_mode::create,
               outputfile::failures::kept);
  write_head(page, text(plain_name(player.name)) + " · Morv", ROOT);
  page.write("<h1>" + name_html(player.name) + "</h1>\n<p class=\"sub\">");
  if (history.first_game > 0) {
    page.write("First game " +
               game_link(history.first_game, std::to_string(history.first_game),
                         ROOT) +
               ", last game " +
               game_link(history.last_game, std::to_string(history.last_game),
                         ROOT));
  }
  page.write("</p>\n");
  write_tiles(page, player, history);
  write_player_ratings(page, view, player, history);
  write_awards(page, view, player, history);
  write_weapons(page, view, player);
  write_maps(page, view, history);
  write_opponents(page, view, player, true);
  write_opponents(page, view, player, false);
  write_recent(page, view, history);
  write_names(page, history);
  write_foot(page);
  page.close();
  return page.result();
}

}  // namespace modern
