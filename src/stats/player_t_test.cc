// Tests of the values derived from a player record.
#include "stats/player_t.h"

#include <gtest/gtest.h>

#include <cstdint>

// The integer values are exact in 64 bits and saturate at the 32-bit
// limits; the guards of eff and ratio.
TEST(player_t_test, derived_values_table) {
  const uint32_t MAX = 0xFFFFFFFFu;
  const struct {
    uint32_t kills, killed, suicides, deaths, teamkills;
    int playtime;
    int frags, total_deaths, score;
    double eff, ratio;
  } rows[] = {
      {10, 4, 1, 1, 0, 300, 8, 6, 8, 62.5, 0.4},
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0.0, -9999.0},
      {1, 0, 3, 2, 2, 60, -4, 5, -6, 100.0 / 6.0, -9.0},
      {70000, 0, 1, 0, 0, 60, 69999, 1, 69999, 70000.0 / 70001.0 * 100, 69998},
      {MAX, MAX, MAX, MAX, 0, 0, INT32_MIN, INT32_MAX, INT32_MIN, 25.0,
       -9999.0},
  };
  for (const auto& r : rows) {
    player_t p;
    p.kills[0] = r.kills;
    p.killed[0] = r.killed;
    p.suicides[0] = r.suicides;
    p.deaths = r.deaths;
    p.teamkills[0] = r.teamkills;
    p.playtime = r.playtime;
    EXPECT_EQ(p.frags(), r.frags) << r.kills;
    EXPECT_EQ(p.total_deaths(), r.total_deaths) << r.kills;
    EXPECT_EQ(p.score(), r.score) << r.kills;
    EXPECT_NEAR(p.eff(), r.eff, 1e-9) << r.kills;
    EXPECT_NEAR(p.ratio(), r.ratio, 1e-9) << r.kills;
  }
}
