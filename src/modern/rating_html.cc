// The ratings' tables and chart of the modern site.
#include "modern/rating_html.h"

#include <algorithm>
#include <cmath>

#include "config/configdata.h"
#include "modern/html.h"
#include "modern/page.h"
#include "stats/player_rating.h"
#include "stats/player_t.h"
#include "stats/site_records.h"

namespace modern {

namespace {

const char* const POOL_TITLES[RATING_POOLS] = {"Free-for-all", "Duels",
                                               "Team games"};

// The chart's frame, in the units of its viewBox.
constexpr int WIDTH = 600, HEIGHT = 220;
constexpr int LEFT = 48, RIGHT = 20, TOP = 12, BOTTOM = 24;
// Points drawn per line at most: a long history is sampled evenly.
constexpr size_t MAX_POINTS = 200;

std::string cell(const std::string& text) { return "<td>" + text + "</td>"; }

bool is_ranked(const site_view& view, const player_t& player, int pool) {
  return player.ratings[static_cast<size_t>(pool)].games >=
         view.config.rating_min_games;
}

std::string rating_row(const site_view& view, const player_t& player,
                       int pool, size_t place) {
  const pool_rating& rating = player.ratings[static_cast<size_t>(pool)];
  return "<tr><td class=\"n\">" +
         player_link(view.slug(player.number), name_html(player.name), "") +
         "</td>" + cell(std::to_string(place)) +
         cell(fixed(rating.belief.conservative(), 1)) +
         cell("±" + fixed(rating.belief.sigma, 1)) +
         cell(std::to_string(rating.games)) + "</tr>\n";
}

// The points of one pool's line, sampled to at most MAX_POINTS (the last
// one always kept).
std::vector<rating_point> pool_points(const player_history& history,
                                      int pool) {
  std::vector<rating_point> all;
  for (const rating_point& point : history.ratings) {
    if (point.pool == pool) all.push_back(point);
  }
  if (all.size() <= MAX_POINTS) return all;
  std::vector<rating_point> kept;
  for (size_t i = 0; i < MAX_POINTS; ++i) {
    kept.push_back(all[i * (all.size() - 1) / (MAX_POINTS - 1)]);
  }
  return kept;
}

// x: the place of the game among the player's rated games of the pool,
// so each pool's line spans the chart; y: the rating.
std::string rating_chart(const player_history& history) {
  std::vector<std::vector<rating_point>> lines(RATING_POOLS);
  float low = 0, high = 0;
  bool any = false;
  for (int pool = 0; pool < RATING_POOLS; ++pool) {
    lines[static_cast<size_t>(pool)] = pool_points(history, pool);
    for (const rating_point& point : lines[static_cast<size_t>(pool)]) {
      low = any ? std::min(low, point.rating) : point.rating;
      high = any ? std::max(high, point.rating) : point.rating;
      any = true;
    }
  }
  if (!any) return "";
  low = std::floor(low) - 1;
  high = std::ceil(high) + 1;
  const auto y = [&](float rating) {
    return TOP + static_cast<int>((high - rating) * (HEIGHT - TOP - BOTTOM) /
                                  (high - low));
  };
  std::string svg = "<svg class=\"chart score\" viewBox=\"0 0 " +
                    std::to_string(WIDTH) + " " + std::to_string(HEIGHT) +
                    "\" role=\"img\" aria-label=\"Rating after each game\">";
  svg += "<path class=\"grid\" d=\"M" + std::to_string(LEFT) + " " +
         std::to_string(y(high)) + "H" + std::to_string(WIDTH - RIGHT) + "M" +
         std::to_string(LEFT) + " " + std::to_string(y(low)) + "H" +
         std::to_string(WIDTH - RIGHT) + "\"/>";
  for (float mark : {high, low}) {
    svg += "<text x=\"" + std::to_string(LEFT - 6) + "\" y=\"" +
           std::to_string(y(mark)) + "\" dy=\"4\" text-anchor=\"end\">" +
           fixed(mark, 0) + "</text>";
  }
  std::string legend = "<ul class=\"legend\">";
  for (int pool = 0; pool < RATING_POOLS; ++pool) {
    const std::vector<rating_point>& points = lines[static_cast<size_t>(pool)];
    if (points.empty()) continue;
    std::string drawn;
    for (size_t i = 0; i < points.size(); ++i) {
      const int x = LEFT + (points.size() == 1
                                ? 0
                                : static_cast<int>(i * (WIDTH - LEFT - RIGHT) /
                                                   (points.size() - 1)));
      drawn += (i == 0 ? "" : " ") + std::to_string(x) + "," +
               std::to_string(y(points[i].rating));
    }
    svg += "<polyline class=\"s" + std::to_string(pool) + "\" points=\"" +
           drawn + "\"/>";
    legend += "<li><span class=\"key s" + std::to_string(pool) + "\"></span>" +
              POOL_TITLES[pool] + "</li>";
  }
  return svg + "</svg>\n" + legend + "</ul>\n";
}

}  // namespace

std::vector<const player_t*> ranked_players(const site_view& view, int pool) {
  std::vector<const player_t*> ranked;
  for (const player_t* player : view.by_number) {
    if (player != nullptr && is_ranked(view, *player, pool)) {
      ranked.push_back(player);
    }
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [pool](const player_t* a, const player_t* b) {
                     return a->ratings[static_cast<size_t>(pool)]
                                .belief.conservative() >
                            b->ratings[static_cast<size_t>(pool)]
                                .belief.conservative();
                   });
  return ranked;
}

bool write_rating_tables(outputfile& page, const site_view& view,
                         size_t first, size_t count) {
  bool written = false;
  for (int pool = 0; pool < RATING_POOLS; ++pool) {
    const std::vector<const player_t*> ranked = ranked_players(view, pool);
    if (ranked.size() <= first) continue;
    page.write("<h2>" + std::string(POOL_TITLES[pool]) + " rating</h2>\n");
    open_table(page, {"Player", "Rank", "Rating", "±", "Games"}, "sortable");
    const size_t last = std::min(ranked.size(), first + count);
    for (size_t i = first; i < last; ++i) {
      page.write(rating_row(view, *ranked[i], pool, i + 1));
    }
    close_table(page);
    written = true;
  }
  return written;
}

void write_player_ratings(outputfile& page, const site_view& view,
                          const player_t& player,
                          const player_history& history) {
  std::string rows;
  for (int pool = 0; pool < RATING_POOLS; ++pool) {
    const pool_rating& rating = player.ratings[static_cast<size_t>(pool)];
    if (rating.games == 0) continue;
    rows += "<tr><td class=\"n\">" + std::string(POOL_TITLES[pool]) + "</td>" +
            cell(fixed(rating.belief.conservative(), 1)) +
            cell("±" + fixed(rating.belief.sigma, 1)) +
            cell(std::to_string(rating.games)) +
            cell(is_ranked(view, player, pool) ? "yes" : "not yet") + "</tr>\n";
  }
  if (rows.empty()) return;
  page.write("<h2>Rating</h2>\n<p class=\"sub\">The rating is the skill "
             "estimate less three deviations: it rises as the estimate grows "
             "surer. A player is ranked after " +
             std::to_string(view.config.rating_min_games) +
             " rated games in a pool.</p>\n");
  open_table(page, {"Pool", "Rating", "±", "Games", "Ranked"});
  page.write(rows);
  close_table(page);
  page.write(rating_chart(history));
}

}  // namespace modern
