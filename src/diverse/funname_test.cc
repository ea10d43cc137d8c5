// Tests of the coloured-name conversions and the HTML escaping.
#include "diverse/funname.h"

#include <gtest/gtest.h>

#include <string>

// {raw, HTML, ASCII} (plain names, escaping and quotes: the recorded runs and
// injection_test.cc); the last row is a long hostile text, converted whole.
TEST(funname_test, conversions) {
  const struct {
    std::string raw, html, ascii;
  } cases[] = {
      {"^aX", "<font color=\"red\">X</font>", "X"},
      {"^8X", "<font color=\"black\">X</font>", "X"},
      {"^1^2X", "<font color=\"red\"></font><font color=\"lime\">X</font>",
       "X"},
      {"A^1B^4C",
       "A<font color=\"red\">B</font><font color=\"blue\">C</font>", "ABC"},
      {"^^1x", "^<font color=\"red\">x</font>", "^x"},
      {"^^^", "^^", "^^"},
      {"Plain^", "Plain", "Plain"},
      {"^1^", "<font color=\"red\"></font>", ""},
      {"Red^1^", "Red<font color=\"red\"></font>", "Red"},
      {": ^0^", ": <font color=\"black\"></font>", ": "},
      {": ^7^^", ": <font color=\"white\">^</font>", ": ^"},
      {"^1^2^", "<font color=\"red\"></font><font color=\"lime\"></font>",
       ""},
      {"A^2", "A", "A"},
      {"^3", "", ""},
      {"^1^2", "<font color=\"red\"></font>", ""},
      {"^\xe9x", "<font color=\"red\">x</font>", "x"},
      {std::string("a\0b", 3), std::string("a\0b", 3), std::string("a\0b", 3)},
      {std::string(300, 'a') + "^1x",
       std::string(300, 'a') + "<font color=\"red\">x</font>",
       std::string(300, 'a') + "x"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::funname_to_html(row.raw), row.html) << row.raw;
    EXPECT_EQ(diverse::funname_to_ascii(row.raw), row.ascii) << row.raw;
  }
}
