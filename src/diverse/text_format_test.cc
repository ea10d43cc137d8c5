// Tests of the fast formatting: the same bytes as vsnprintf.
#include "diverse/text_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

std::string fast(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = "pre|";
  append_vformat(out, format, args);
  va_end(args);
  return out;
}

std::string reference(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char text[1024];
  int length = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return "pre|" + std::string(text, static_cast<size_t>(length));
}

}  // namespace

TEST(text_format_test, plain_conversions_match_printf) {
  const char* name = "<b>^1Name</b>";
  EXPECT_EQ(fast("%s", name), reference("%s", name));
  EXPECT_EQ(fast("<a href=\"player_%i.htm\">%s</a>", 12, name),
            reference("<a href=\"player_%i.htm\">%s</a>", 12, name));
  EXPECT_EQ(fast("%i %% of %d", -2147483647 - 1, 0),
            reference("%i %% of %d", -2147483647 - 1, 0));
  EXPECT_EQ(fast("%u|%u", 0u, 4294967295u), reference("%u|%u", 0u, 4294967295u));
  EXPECT_EQ(fast("%lld", -9223372036854775807LL - 1),
            reference("%lld", -9223372036854775807LL - 1));
  EXPECT_EQ(fast("no conversion"), reference("no conversion"));
  EXPECT_EQ(fast(""), reference(""));
  EXPECT_EQ(fast("%s", ""), reference("%s", ""));
}

TEST(text_format_test, fixed_doubles_match_printf) {
  const double values[] = {0.0, -0.0, 0.005, 0.015, 0.025, 1.005, 2.675,
                           -0.004, -0.005, 62.5, -9999.0, 99.995, 1e15,
                           1e300, -DBL_MAX, DBL_MIN, 1.0 / 3.0, 2.0 / 3.0,
                           HUGE_VAL, -HUGE_VAL};
  for (double v : values) {
    for (const char* format : {"%.2f", "%.1f", "%.0f", "x%.3fy"}) {
      EXPECT_EQ(fast(format, v), reference(format, v)) << format << " " << v;
    }
  }
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> spread(-1000.0, 1000.0);
  for (int i = 0; i < 20000; ++i) {
    // Ratios of small counts, as the pages show them, and plain values.
    double ratio = double(random() % 500) * 60.0 / double(1 + random() % 3600);
    double plain = spread(random);
    ASSERT_EQ(fast("%.2f", ratio), reference("%.2f", ratio)) << ratio;
    ASSERT_EQ(fast("%.1f", plain), reference("%.1f", plain)) << plain;
  }
}
