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

#define EXPECT_SAME(...) EXPECT_EQ(fast(__VA_ARGS__), reference(__VA_ARGS__))

// Fast conversions, forms handed on to vsnprintf, and fixed doubles: edge
// values, ratios of small counts as the pages show them, plain values.
TEST(text_format_test, conversions_match_printf) {
  EXPECT_SAME("%i %% of %d|%u|%u", -2147483647 - 1, 0, 0u, 4294967295u);
  EXPECT_SAME("%lld", -9223372036854775807LL - 1);
  EXPECT_SAME("(%3i %%) %i:%02i min %s", 7, 3, 4, "");
  EXPECT_SAME("%x %c. %s %-5s|", 255, 'z', "a", "b");
  std::string long_text(3000, 'y');
  EXPECT_EQ(fast("%5s", long_text.c_str()), "pre|" + long_text);
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
    double ratio = double(random() % 500) * 60.0 / double(1 + random() % 3600);
    double plain = spread(random);
    ASSERT_EQ(fast("%.2f", ratio), reference("%.2f", ratio)) << ratio;
    ASSERT_EQ(fast("%.1f", plain), reference("%.1f", plain)) << plain;
  }
}
