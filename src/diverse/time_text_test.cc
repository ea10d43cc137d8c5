// Tests of the duration texts and the date line.
#include "diverse/time_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <regex>
#include <string>

TEST(time_text_test, duration_texts) {
  const struct {
    int seconds;
    const char* hms;
    const char* hm;
    const char* min;
  } cases[] = {
      {3725, "01:02:05 h", "01:02 h", "62:05 min"},
      {360000, "100:00:00 h", "100:00 h", "6000:00 min"},
      {-3725, "-1:-2:-5 h", "-1:-2 h", "-62:-5 min"},
      {INT_MIN, "-596523:-14:-8 h", "-596523:-14 h", "-35791394:-8 min"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::time_to_hms(row.seconds), row.hms) << row.seconds;
    EXPECT_EQ(diverse::time_to_hm(row.seconds), row.hm) << row.seconds;
    EXPECT_EQ(diverse::time_to_min(row.seconds), row.min) << row.seconds;
  }
}

TEST(time_text_test, local_date_text_has_the_fixed_form) {
  std::string date = diverse::local_date_text();
  static const std::regex form(
      "(Sun|Mon|Tue|Wed|Thu|Fri|Sat) "
      "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
      "[ 123][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}\n");
  EXPECT_TRUE(std::regex_match(date, form)) << date;
}
