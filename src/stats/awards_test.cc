// Choosing award winners: minimum samples, tie-breaks, efficiency, the
// figures a log must give, and the run's sums.
#include "stats/awards.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "stats/mod_figures.h"
#include "test_util.h"

namespace {

using values = std::initializer_list<std::pair<award_measure, uint32_t>>;

award_sample sample(values list) {
  award_sample s;
  for (auto [measure, value] : list) s.values[measure] = value;
  return s;
}

// {award, samples, figures provided, the winner's index or -1}: a tie goes
// to the tie-break, then to the player listed first.
TEST(awards_test, winners_by_rule_minimum_and_tie_break) {
  constexpr award_measure K = measure_kills, D = measure_deaths;
  const struct {
    std::string_view award;
    std::vector<award_sample> samples;
    uint32_t provided;
    int winner;
  } rows[] = {
      {"Rampage",
       {sample({{measure_streak, 4}, {D, 3}}),
        sample({{measure_streak, 4}, {D, 2}}),
        sample({{measure_streak, 4}, {D, 2}})},
       0,
       1},
      {"Rampage", {sample({{measure_streak, 2}})}, 0, -1},
      {"Sharpshooter",
       {sample({{K, 19}}), sample({{K, 20}, {D, 5}}),
        sample({{K, 40}, {D, 10}}), sample({{K, 30}, {D, 10}})},
       0,
       2},
      {"Kamikaze",
       {sample({{measure_suicides, 2}, {K, 9}}),
        sample({{measure_suicides, 2}, {K, 3}})},
       0,
       1},
      {"Marathon", {sample({{measure_playtime, 59}})}, 0, -1},
      {"Flag runner", {sample({{measure_captures, 3}})}, 0, -1},
      {"Flag runner",
       {sample({{measure_captures, 3}})},
       1u << flag_captures,
       0},
  };
  for (const auto& row : rows) {
    int winner = -1;
    for (const award_winner& w :
         choose_award_winners(row.samples, row.provided)) {
      if (award_table()[static_cast<size_t>(w.award)].name == row.award) {
        winner = w.player;
      }
    }
    EXPECT_EQ(row.winner, winner) << row.award;
  }
  const std::vector<award_sample> one = {sample({{K, 30}, {D, 10}})};
  EXPECT_DOUBLE_EQ(75.0, choose_award_winners(one, 0)[0].value);
  // Over the run counts add up (saturated), and the streak is the longest.
  award_sample run = sample({{measure_streak, 5}, {K, 7}});
  run.add(sample({{measure_streak, 3}, {K, 0xFFFFFFFCu}}));
  EXPECT_EQ(5u, run.values[measure_streak]);
  EXPECT_EQ(0xFFFFFFFFu, run.values[K]);
}

// The man page and the export's schema name every award of the table,
// whose texts the pages need not escape.
TEST(awards_test, every_award_is_documented) {
  const std::string man = read_file(MORV_SOURCE_DIR "/docs/morv.1");
  const std::string schema =
      read_file(MORV_SOURCE_DIR "/docs/morv.schema.json");
  EXPECT_GE(award_table().size(), 12u);
  for (const award_definition& award : award_table()) {
    const std::string name(award.name);
    EXPECT_NE(std::string::npos, man.find(".B " + name + "\n")) << name;
    EXPECT_NE(std::string::npos, schema.find('"' + name + '"')) << name;
    const std::string texts = name + std::string(award.rule);
    EXPECT_EQ(std::string::npos, texts.find_first_of("&<>\"'")) << name;
  }
}

}  // namespace
