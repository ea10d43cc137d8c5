// The game page's score-over-time chart: an inline SVG drawn from the
// players' (or teams') frag timelines, with its legend.
#ifndef MORV_MODERN_SCORE_CHART_H_
#define MORV_MODERN_SCORE_CHART_H_

#include <string>
#include <vector>

class resultdata;

namespace modern {

// Lines drawn at most: the best players by frags; the rest are left out.
inline constexpr size_t MAX_CHART_LINES = 12;

// The chart's section (heading, SVG and legend) for a finished game: one
// line per team in a team game, else per player. "" when no score
// changed. The SVG scales to its box (viewBox, width 100%), so it never
// widens the page; colours come from the stylesheet's s0 to s11.
std::string score_chart(const resultdata& game);

}  // namespace modern

#endif  // MORV_MODERN_SCORE_CHART_H_
