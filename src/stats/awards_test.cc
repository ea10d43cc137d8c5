// Choosing award winners: minimum samples, tie-breaks, efficiency and the
// figures a log must give.
#include "stats/awards.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "stats/mod_figures.h"
#include "test_util.h"

namespace {

using measures = std::initializer_list<std::pair<award_measure, uint32_t>>;

award_sample sample(measures values) {
  award_sample s;
  for (auto [measure, value] : values) s.values[measure] = value;
  return s;
}

// The winner's index among the samples, -1 for none.
int winner_of(std::string_view name, const std::vector<award_sample>& samples,
              uint32_t provided) {
  for (const award_winner& w : choose_award_winners(samples, provided)) {
    if (award_table()[static_cast<size_t>(w.award)].name == name) {
      return w.player;
    }
  }
  return -1;
}

TEST(awards_test, winners_by_rule_minimum_and_tie_break) {
  const uint32_t captures = 1u << flag_captures;
  struct row {
    std::string_view award;
    std::vector<award_sample> samples;
    uint32_t provided;
    int winner;
  } rows[] = {
      // A tie goes to fewer deaths, then to the player listed first.
      {"Rampage",
       {sample({{measure_streak, 4}, {measure_deaths, 3}}),
        sample({{measure_streak, 4}, {measure_deaths, 2}}),
        sample({{measure_streak, 4}, {measure_deaths, 2}})},
       0, 1},
      {"Rampage", {sample({{measure_streak, 2}})}, 0, -1},  // below 3
      // 19 kills do not qualify; at equal efficiency more kills win.
      {"Sharpshooter",
       {sample({{measure_kills, 19}}),
        sample({{measure_kills, 20}, {measure_deaths, 5}}),
        sample({{measure_kills, 40}, {measure_deaths, 10}}),
        sample({{measure_kills, 30}, {measure_deaths, 10}})},
       0, 2},
      {"Kamikaze",
       {sample({{measure_suicides, 2}, {measure_kills, 9}}),
        sample({{measure_suicides, 2}, {measure_kills, 3}})},
       0, 1},
      {"Marathon", {sample({{measure_playtime, 59}})}, 0, -1},
      // Where the log gives no captures, no one wins them.
      {"Flag runner",
       {sample({{measure_captures, 1}}), sample({{measure_captures, 3}})},
       0, -1},
      {"Flag runner",
       {sample({{measure_captures, 1}}), sample({{measure_captures, 3}})},
       captures, 1},
  };
  for (const row& r : rows) {
    EXPECT_EQ(r.winner, winner_of(r.award, r.samples, r.provided)) << r.award;
  }
  const std::vector<award_sample> two = {
      sample({{measure_kills, 30}, {measure_deaths, 10}})};
  EXPECT_DOUBLE_EQ(75.0, choose_award_winners(two, 0)[0].value);
}

// Over the run, counts add up and the streak is the longest of any game.
TEST(awards_test, run_samples_add_counts_and_keep_the_longest_streak) {
  award_sample run = sample({{measure_streak, 5}, {measure_kills, 7}});
  run.add(sample({{measure_streak, 3}, {measure_kills, 0xFFFFFFFCu}}));
  EXPECT_EQ(5u, run.values[measure_streak]);
  EXPECT_EQ(0xFFFFFFFFu, run.values[measure_kills]);
}

// The man page and the export's schema name every award of the table,
// whose texts the pages need not escape.
TEST(awards_test, every_award_is_documented) {
  const std::string man = read_file(MORV_SOURCE_DIR "/docs/morv.1");
  const std::string schema = read_file(MORV_SOURCE_DIR "/docs/morv.schema.json");
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
