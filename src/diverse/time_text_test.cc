// Tests of the duration texts.
#include "diverse/time_text.h"

#include <gtest/gtest.h>

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
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::time_to_hms(row.seconds), row.hms) << row.seconds;
    EXPECT_EQ(diverse::time_to_hm(row.seconds), row.hm) << row.seconds;
    EXPECT_EQ(diverse::time_to_min(row.seconds), row.min) << row.seconds;
  }
}
