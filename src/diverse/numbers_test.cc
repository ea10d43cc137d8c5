// Tests of the saturating decimal conversion and the wrapping sums.
#include "diverse/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(numbers_test, string_to_int) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"42", 42},       {"  \t 17x", 17},  {"+5", 5},       {"-5", -5},
      {"- 5", 0},       {"+-5", 0},        {"x12", 0},      {"", 0},
      {"007", 7},       {"12 34", 12},     {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},             {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},            {"-2147483649", INT_MIN},
      {"-99999999999999999999999", INT_MIN},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::string_to_int(row.text), row.expected) << row.text;
    EXPECT_EQ(diverse::string_to_int(std::string_view(row.text)), row.expected)
        << row.text;
  }
  // A view stops at its end, and at a NUL inside.
  EXPECT_EQ(diverse::string_to_int(std::string_view("12345", 3)), 123);
  EXPECT_EQ(diverse::string_to_int(std::string_view("7\0" "8", 3)), 7);
}

TEST(numbers_test, saturate_and_wrap) {
  EXPECT_EQ(diverse::saturate_int32(int64_t{1} << 40), INT32_MAX);
  EXPECT_EQ(diverse::saturate_int32(-(int64_t{1} << 40)), INT32_MIN);
  EXPECT_EQ(diverse::saturate_int32(-7), -7);
  EXPECT_EQ(diverse::wrap_add(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(diverse::wrap_add(INT32_MIN, -1), INT32_MAX);
  EXPECT_EQ(diverse::wrap_add(10, -15), -5);
  EXPECT_EQ(diverse::wrap_add(0, int64_t{1} << 32), 0);
}
