// The index, the paged lists of games and players, the weapons page and
// the search index.
#include <algorithm>
#include <string>

#include "config/configdata.h"
#include "modern/award_html.h"
#include "modern/game_page.h"
#include "modern/html.h"
#include "modern/page.h"
#include "modern/rating_html.h"
#include "modern/site_pages.h"
#include "stats/player_rating.h"
#include "stats/player_t.h"
#include "stats/resultdata_total.h"
#include "stats/site_records.h"

namespace modern {
namespace {

constexpr int TOP_PLAYERS = 10;
constexpr int LATEST_GAMES = 20;

void open_page(outputfile& page, int folder, const std::string& name,
               const std::string& shown, std::string_view title) {
  page.open_at(folder, name.c_str(), shown + name);
  write_head(page, title, "");
}

void finish_page(outputfile& page) {
  write_foot(page);
  page.close();
}

std::string td(const std::string& text) { return "<td>" + text + "</td>"; }

std::string per_minute(long long count, long long seconds) {
  return seconds > 0 ? fixed(static_cast<double>(count) * 60.0 /
                                 static_cast<double>(seconds), 2)
                     : "-";
}

std::string winner_cell(const site_view& view, const game_summary& game) {
  if (game.teamgame) {
    const std::string score = std::to_string(game.red_score) + ":" +
                              std::to_string(game.blue_score);
    if (game.winning_team == 0) return "Draw " + score;
    return (game.winning_team == 1 ? "Red " : "Blue ") + score;
  }
  const player_t* winner = view.player(game.winner);
  if (winner == nullptr) return "-";
  return player_link(view.slug(game.winner), name_html(winner->name), "");
}

// Games first to last - 1 of the records (by index), newest first.
void write_game_rows(outputfile& page, const site_view& view, int first,
                     int last) {
  open_table(page, {"Game", "Date", "Map", "Type", "Winner", "Players",
                    "Time"});
  for (int i = last - 1; i >= first; --i) {
    const game_summary& game = view.records.games[static_cast<size_t>(i)];
    std::string row = "<tr><td class=\"n\">" +
                      game_link(game.number, std::to_string(game.number), "") +
                      "</td><td class=\"t\">" +
                      text(date_text(game.started)) + "</td><td class=\"t\">";
    row += map_link(view.map_slugs[static_cast<size_t>(game.map_index)],
                    game.map, "") +
           "</td><td class=\"t\">" + text(game.gametype_name) +
           "</td><td class=\"t\">" + winner_cell(view, game) + "</td>" +
           td(std::to_string(game.players)) + td(clock_time(game.seconds)) +
           "</tr>\n";
    page.write(row);
  }
  close_table(page);
}

void write_player_rows(outputfile& page, const site_view& view, size_t first,
                       size_t last) {
  open_table(page, {"Player", "Rank", "Games", "Frags", "Kills", "Deaths",
                    "Eff", "Frags/min", "Time"},
             "sortable");
  for (size_t i = first; i < last; ++i) {
    const player_t& player = *view.ranking[i];
    page.write("<tr><td class=\"n\">" +
               player_link(view.slug(player.number), name_html(player.name),
                           "") +
               "</td>" + td(std::to_string(i + 1)) +
               td(std::to_string(player.games)) +
               td(std::to_string(player.frags())) +
               td(std::to_string(player.kills[0])) +
               td(std::to_string(player.total_deaths())) +
               td(fixed(player.eff(), 1)) +
               td(per_minute(player.frags(), player.playtime)) +
               td(clock_time(player.playtime)) + "</tr>\n");
  }
  close_table(page);
}

void write_pager(outputfile& page, const char* base, int pages, int current) {
  if (pages <= 1) return;
  std::string links = "<nav class=\"pager\" aria-label=\"Pages\">";
  for (int p = 1; p <= pages; ++p) {
    if (p == current) {
      links += "<span aria-current=\"page\">" + std::to_string(p) + "</span>";
    } else {
      links += "<a href=\"" + list_page_name(base, p) + "\">" +
               std::to_string(p) + "</a>";
    }
  }
  page.write(links + "</nav>\n");
}

void write_tiles(outputfile& page, const site_view& view) {
  const site_records& records = view.records;
  const auto tile = [](const char* label, const std::string& value) {
    return "<div><dt>" + std::string(label) + "</dt><dd>" + value +
           "</dd></div>";
  };
  page.write("<dl class=\"tiles\">" +
             tile("Games", std::to_string(records.games.size())) +
             tile("Players", std::to_string(view.ranking.size())) +
             tile("Kills", std::to_string(records.kills)) +
             tile("Hours played", fixed(records.seconds / 3600.0, 1)) +
             tile("Maps", std::to_string(records.maps.size())) + "</dl>\n");
}

void write_map_rows(outputfile& page, const site_view& view) {
  open_table(page, {"Map", "Games", "Last game", "Time played"}, "sortable");
  for (size_t m = 0; m < view.records.maps.size(); ++m) {
    const map_total& map = view.records.maps[m];
    page.write("<tr><td class=\"n\">" + map_link(view.map_slugs[m], map.name, "") +
               "</td>" + td(std::to_string(map.games)) +
               td(game_link(map.last_game, std::to_string(map.last_game), "")) +
               td(clock_time(map.seconds)) + "</tr>\n");
  }
  close_table(page);
}

void write_all_time_awards(outputfile& page, const site_view& view) {
  std::vector<award_line> lines;
  for (const award_winner& winner : view.awards) {
    const player_t* player = view.player(winner.player);
    if (player == nullptr) continue;
    lines.push_back({winner, player_link(view.slug(winner.player),
                                         name_html(player->name), "")});
  }
  if (lines.empty()) return;
  page.write("<h2>All-time awards</h2>\n");
  write_award_table(page, lines);
}

// A JSON string of UTF-8 text (the search index is a script of data).
std::string json_string(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || c == '<') {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string list_page_name(const char* base, int page) {
  return std::string(base) + (page == 1 ? "" : "-" + std::to_string(page)) +
         ".html";
}

void write_index(const site_view& view, int folder, const std::string& shown) {
  outputfile page;
  open_page(page, folder, "index.html", shown, "Morv statistics");
  page.write("<h1>Morv statistics</h1>\n");
  if (!view.records.servers.empty()) {
    std::string servers = "<p class=\"sub\">";
    for (const auto& [host, games] : view.records.servers) {
      if (servers.size() > 20) servers += " · ";
      servers += name_html(host) + " (" + std::to_string(games) + " games)";
    }
    page.write(servers + "</p>\n");
  }
  write_tiles(page, view);
  // The rating pools' best; the classic ranking until a pool ranks anyone.
  if (!write_rating_tables(page, view, 0, TOP_PLAYERS)) {
    page.write("<h2>Top players</h2>\n");
    write_player_rows(page, view, 0,
                      std::min<size_t>(view.ranking.size(), TOP_PLAYERS));
  }
  page.write("<p><a href=\"players.html\">All players</a></p>\n"
             "<h2>Latest games</h2>\n");
  const int games = static_cast<int>(view.records.games.size());
  write_game_rows(page, view, std::max(0, games - LATEST_GAMES), games);
  page.write("<p><a href=\"games.html\">All games</a></p>\n");
  write_all_time_awards(page, view);
  page.write("<h2>Maps</h2>\n");
  write_map_rows(page, view);
  finish_page(page);
}

void write_game_lists(const site_view& view, int folder,
                      const std::string& shown) {
  const int games = static_cast<int>(view.records.games.size());
  const int pages = std::max(1, (games + GAMES_PER_PAGE - 1) / GAMES_PER_PAGE);
  for (int p = 1; p <= pages; ++p) {
    outputfile page;
    open_page(page, folder, list_page_name("games", p), shown,
              "Games, page " + std::to_string(p) + " · Morv");
    page.write("<h1>Games</h1>\n<p class=\"sub\">" + std::to_string(games) +
               " games, newest first.</p>\n");
    write_pager(page, "games", pages, p);
    const int last = games - (p - 1) * GAMES_PER_PAGE;
    write_game_rows(page, view, std::max(0, last - GAMES_PER_PAGE), last);
    write_pager(page, "games", pages, p);
    finish_page(page);
  }
}

void write_player_lists(const site_view& view, int folder,
                        const std::string& shown) {
  const size_t players = view.ranking.size();
  size_t most_ranked = 0;
  for (int pool = 0; pool < RATING_POOLS; ++pool) {
    most_ranked = std::max(most_ranked, ranked_players(view, pool).size());
  }
  const size_t rows = std::max(players, most_ranked);
  const int pages = std::max<int>(
      1, static_cast<int>((rows + PLAYERS_PER_PAGE - 1) / PLAYERS_PER_PAGE));
  for (int p = 1; p <= pages; ++p) {
    outputfile page;
    open_page(page, folder, list_page_name("players", p), shown,
              "Players, page " + std::to_string(p) + " · Morv");
    page.write("<h1>Players</h1>\n<p class=\"sub\">The players ranked in "
               "each rating pool, by rating, then all " +
               std::to_string(players) +
               " players as the classic ranking page ranks them; a column's "
               "heading sorts by it.</p>\n");
    write_pager(page, "players", pages, p);
    const size_t first = static_cast<size_t>(p - 1) * PLAYERS_PER_PAGE;
    write_rating_tables(page, view, first, PLAYERS_PER_PAGE);
    if (first < players) {
      page.write("<h2>All players</h2>\n");
      write_player_rows(page, view, first,
                        std::min(players, first + PLAYERS_PER_PAGE));
    }
    write_pager(page, "players", pages, p);
    finish_page(page);
  }
}

void write_weapons_page(const site_view& view, int folder,
                        const std::string& shown) {
  constexpr size_t TOP = 5;
  outputfile page;
  open_page(page, folder, "weapons.html", shown, "Weapons · Morv");
  page.write("<h1>Weapons</h1>\n");
  open_table(page, {"Weapon", "Kills", "Share", "Best players"});
  std::array<uint64_t, MAX_WEAPONS> kills{};
  for (const map_total& map : view.records.maps) {
    for (int w = 0; w < MAX_WEAPONS; ++w) kills[w] += map.kills[w];
  }
  for (int w = 1; w < MAX_WEAPONS; ++w) {
    if (kills[w] == 0) continue;
    std::vector<const player_t*> best;
    for (const player_t* player : view.ranking) {
      if (player->kills[w] != 0) best.push_back(player);
    }
    const size_t shown_best = std::min(best.size(), TOP);
    std::partial_sort(best.begin(), best.begin() + static_cast<long>(shown_best),
                      best.end(), [w](const player_t* a, const player_t* b) {
                        return a->kills[w] > b->kills[w];
                      });
    std::string row = "<tr><td class=\"n\">" + text(weapon_name(view.config, w)) +
                      "</td>" + td(std::to_string(kills[w])) +
                      td(fixed(100.0 * static_cast<double>(kills[w]) /
                                   static_cast<double>(std::max<uint64_t>(1, kills[0])),
                               1) + " %") +
                      "<td class=\"t\">";
    for (size_t i = 0; i < shown_best; ++i) {
      if (i > 0) row += ", ";
      row += player_link(view.slug(best[i]->number), name_html(best[i]->name), "") +
             " " + std::to_string(best[i]->kills[w]);
    }
    page.write(row + "</td></tr>\n");
  }
  close_table(page);
  finish_page(page);
}

void write_search_index(const site_view& view, int folder,
                        const std::string& shown) {
  outputfile file;
  file.open_at(folder, SEARCH_INDEX, shown + SEARCH_INDEX);
  file.write("window.morvSearchIndex=[\n");
  bool first = true;
  for (const player_t* player : view.ranking) {
    // The rating of the pool the player has the most rated games in.
    const pool_rating* shown_rating = nullptr;
    for (const pool_rating& rating : player->ratings) {
      if (rating.games > 0 &&
          (shown_rating == nullptr || rating.games > shown_rating->games)) {
        shown_rating = &rating;
      }
    }
    const std::string rating =
        shown_rating == nullptr
            ? "null"
            : "\"" + fixed(shown_rating->belief.conservative(), 1) + "\"";
    file.write((first ? "[" : ",[") + json_string(plain_name(player->name)) +
               ",\"" + view.slug(player->number) + "\"," + rating + "]\n");
    first = false;
  }
  file.write("];\n");
  file.close();
}

}  // namespace modern
