// The score-over-time chart of a game page.
#include "modern/score_chart.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "diverse/text_format.h"
#include "modern/html.h"
#include "stats/resultdata.h"

namespace modern {
namespace {

constexpr int WIDTH = 600, HEIGHT = 270;
constexpr int LEFT = 48, RIGHT = 20, TOP = 12, BOTTOM = 34;
constexpr int PLOT_W = WIDTH - LEFT - RIGHT, PLOT_H = HEIGHT - TOP - BOTTOM;

struct chart_line {
  const frag_timeline* timeline;
  std::string label_html;
  int colour;
};

struct chart_frame {
  int64_t start, end;  // seconds
  int64_t low, high;   // scores
  int x(int64_t time) const {
    time = std::clamp(time, start, end);
    return LEFT + static_cast<int>((time - start) * PLOT_W / (end - start));
  }
  int y(int64_t score) const {
    return TOP + static_cast<int>((high - score) * PLOT_H / (high - low));
  }
};

// The lines of a team game (red, blue) or the best players by frags.
std::vector<chart_line> chart_lines(const resultdata& game) {
  std::vector<chart_line> lines;
  if (game.teamgame) {
    lines.push_back({&game.get_team(1).timeline, "Red", 1});
    lines.push_back({&game.get_team(2).timeline, "Blue", 0});
    return lines;
  }
  std::vector<int> order(static_cast<size_t>(game.num_players));
  for (int i = 0; i < game.num_players; ++i) order[static_cast<size_t>(i)] = i;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return game.get_player(a).frags() > game.get_player(b).frags();
  });
  if (order.size() > MAX_CHART_LINES) order.resize(MAX_CHART_LINES);
  for (int i : order) {
    const player_t& player = game.get_player(i);
    lines.push_back({&player.timeline, name_html(player.name),
                     static_cast<int>(lines.size())});
  }
  return lines;
}

// The time span from the game's start to its end as far as the log gives
// them, else from the first change to the last.
chart_frame frame_of(const resultdata& game,
                     const std::vector<chart_line>& lines) {
  chart_frame frame{INT64_MAX, INT64_MIN, 0, 1};
  for (const chart_line& line : lines) {
    if (line.timeline->changes() == 0) continue;
    const auto& points = line.timeline->points();
    const score_point first =
        points.empty() ? line.timeline->last() : points[0];
    frame.start = std::min<int64_t>(frame.start, first.time);
    frame.end = std::max<int64_t>(frame.end, line.timeline->last().time);
    for (const score_point& point : points) {
      frame.low = std::min<int64_t>(frame.low, point.score);
      frame.high = std::max<int64_t>(frame.high, point.score);
    }
    frame.low = std::min<int64_t>(frame.low, line.timeline->last().score);
    frame.high = std::max<int64_t>(frame.high, line.timeline->last().score);
  }
  if (game.init_time >= 0) {
    frame.start = std::min<int64_t>(frame.start, game.init_time);
    if (game.duration >= 0) {
      frame.end =
          std::max<int64_t>(frame.end, int64_t{game.init_time} + game.duration);
    }
  }
  if (frame.end <= frame.start) frame.end = frame.start + 1;
  return frame;
}

// The first step of steps (then doubling) that splits span into at most
// five gaps.
int64_t tick_step(int64_t span, std::initializer_list<int64_t> steps) {
  int64_t step = 1;
  for (int64_t candidate : steps) {
    step = candidate;
    if (span / step <= 5) return step;
  }
  while (span / step > 5) step *= 2;
  return step;
}

std::string axes(const chart_frame& frame) {
  std::string grid = "<path class=\"grid\" d=\"";
  std::string labels;
  const int64_t score_step =
      tick_step(frame.high - frame.low, {1, 2, 5, 10, 20, 50, 100});
  for (int64_t s = frame.low / score_step * score_step; s <= frame.high;
       s += score_step) {
    if (s < frame.low) continue;
    const int y = frame.y(s);
    grid += 'M';
    append_decimal(grid, LEFT);
    grid += ' ';
    append_decimal(grid, y);
    grid += 'H';
    append_decimal(grid, WIDTH - RIGHT);
    labels += "<text x=\"";
    append_decimal(labels, LEFT - 6);
    labels += "\" y=\"";
    append_decimal(labels, y);
    labels += "\" dy=\"4\" text-anchor=\"end\">";
    append_decimal(labels, s);
    labels += "</text>";
  }
  const int64_t time_step = tick_step(
      frame.end - frame.start, {10, 30, 60, 120, 300, 600, 900, 1800, 3600});
  for (int64_t t = 0; frame.start + t <= frame.end; t += time_step) {
    labels += "<text x=\"";
    append_decimal(labels, frame.x(frame.start + t));
    labels += "\" y=\"";
    append_decimal(labels, HEIGHT - 8);
    labels += "\" text-anchor=\"middle\">";
    labels += clock_time(t);
    labels += "</text>";
  }
  grid += "\"/>";
  return grid + labels;
}

// Appends value to path data, with a space only where the numbers would
// run together.
void append_number(std::string& d, int value) {
  if (value >= 0 && d.back() >= '0' && d.back() <= '9') d += ' ';
  append_decimal(d, value);
}

// One line as a path of relative steps (short numbers), each point that
// moves it by a pixel or more.
std::string line_path(const chart_line& line, const chart_frame& frame) {
  int x = frame.x(frame.start);
  int y = frame.y(0);
  std::string d = "M";
  append_decimal(d, x);
  d += ' ';
  append_decimal(d, y);
  d += 'l';
  const auto add = [&](int64_t time, int64_t score) {
    const int to_x = frame.x(time);
    const int to_y = frame.y(score);
    if (to_x == x && to_y == y) return;
    append_number(d, to_x - x);
    append_number(d, to_y - y);
    x = to_x;
    y = to_y;
  };
  const std::vector<score_point>& kept = line.timeline->points();
  for (const score_point& point : kept) add(point.time, point.score);
  const score_point& last = line.timeline->last();
  if (line.timeline->changes() > kept.size()) add(last.time, last.score);
  add(frame.end, last.score);
  if (d.back() == 'l') d.pop_back();
  return "<path class=\"ln s" + std::to_string(line.colour) + "\" d=\"" + d +
         "\"/>";
}

}  // namespace

std::string score_chart(const resultdata& game) {
  const std::vector<chart_line> lines = chart_lines(game);
  const bool changed = std::any_of(lines.begin(), lines.end(), [](auto& l) {
    return l.timeline->changes() > 0;
  });
  if (!changed) return "";
  const chart_frame frame = frame_of(game, lines);
  std::string html = "<h2>Frags over time</h2>\n";
  if (static_cast<size_t>(game.num_players) > lines.size() && !game.teamgame) {
    html += "<p class=\"sub\">The " + std::to_string(lines.size()) +
            " best of " + std::to_string(game.num_players) + " players.</p>\n";
  }
  html += "<svg class=\"chart score\" viewBox=\"0 0 " + std::to_string(WIDTH) +
          " " + std::to_string(HEIGHT) +
          "\" role=\"img\" aria-label=\"Frags over time\">" + axes(frame);
  for (const chart_line& line : lines) html += line_path(line, frame);
  html += "</svg>\n<ul class=\"legend\">";
  for (const chart_line& line : lines) {
    html += "<li><span class=\"key s" + std::to_string(line.colour) +
            "\"></span>" + line.label_html + " " +
            std::to_string(line.timeline->last().score) + "</li>";
  }
  return html + "</ul>\n";
}

}  // namespace modern
