// Tests of the saturating decimal conversion of log and option numbers.
#include "diverse/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(numbers_test, string_to_int) {
  const struct {
    std::string_view text;
    int expected;
  } cases[] = {
      {"  \t 17x", 17}, {"+5", 5}, {"-5", -5}, {"- 5", 0}, {"x12", 0},
      {"", 0}, {"12 34", 12}, {"2147483648", INT_MAX},
      {"99999999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
      {"-2147483649", INT_MIN}, {std::string_view("12345", 3), 123},
      {std::string_view("7\0" "8", 3), 7},  // a NUL ends the number
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::string_to_int(row.text), row.expected) << row.text;
  }
  EXPECT_EQ(diverse::string_to_int("-99999999999"), INT_MIN);  // char* form
}
