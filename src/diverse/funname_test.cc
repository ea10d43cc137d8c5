// Tests of the coloured-name conversions and the HTML escaping.
#include "diverse/funname.h"

#include <gtest/gtest.h>

#include <string>

TEST(funname_test, conversions) {
  const struct {
    std::string raw, html, ascii;
  } cases[] = {
      {"Player", "Player", "Player"},
      {"<b>&co'", "&lt;b&gt;&amp;co'", "&lt;b&gt;&amp;co'"},
      {"^7Name", "<font color=\"white\">Name</font>", "Name"},
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
      {"Say \"hi\"", "Say \"hi\"", "Say \"hi\""},
      {"^1<", "<font color=\"red\">&lt;</font>", "&lt;"},
      {"^\xe9x", "<font color=\"red\">x</font>", "x"},
      {std::string("a\0b", 3), std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::funname_to_html(row.raw), row.html) << row.raw;
    EXPECT_EQ(diverse::funname_to_ascii(row.raw), row.ascii) << row.raw;
  }
}

TEST(funname_test, long_hostile_names_are_converted_whole) {
  std::string escaped;
  for (int i = 0; i < 300; ++i) escaped += "&amp;";
  EXPECT_EQ(diverse::funname_to_ascii(std::string(300, '&')), escaped);
  EXPECT_EQ(diverse::funname_to_html(std::string(300, '&')), escaped);
  std::string codes;
  for (int i = 0; i < 200; ++i) codes += "^1";
  std::string html = diverse::funname_to_html(codes + "x");
  EXPECT_EQ(html.size(), 200 * std::string("<font color=\"red\">").size() +
                             199 * std::string("</font>").size() + 1 + 7);
  EXPECT_EQ(diverse::funname_to_ascii(codes + "x"), "x");
}
