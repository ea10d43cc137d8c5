// Tests of the coloured-name conversions and the HTML escaping.
#include "diverse/funname.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct funname_case {
  std::string raw;
  std::string html;
  std::string ascii;
};

}  // namespace

TEST(funname_test, conversions) {
  const funname_case cases[] = {
      {"Player", "Player", "Player"},
      {"<b>&co", "&lt;b&gt;&amp;co", "&lt;b&gt;&amp;co"},
      {"^7Name", "<font color=\"white\">Name</font>", "Name"},
      {"^aX", "<font color=\"red\">X</font>", "X"},
      {"^8X", "<font color=\"black\">X</font>", "X"},
      {"^1^2X", "<font color=\"red\"></font><font color=\"lime\">X</font>",
       "X"},
      {"A^1B", "A<font color=\"red\">B</font>", "AB"},
      {"^1A^4B",
       "<font color=\"red\">A</font><font color=\"blue\">B</font>", "AB"},
      {"^^", "^", "^"},
      {"^^1x", "^<font color=\"red\">x</font>", "^x"},
      {"^^^", "^^", "^^"},
      {"Name^", "Name", "Name"},
      {"^3", "", ""},
      {"^1^2", "<font color=\"red\"></font>", ""},
      {"Say \"hi\"", "Say \"hi\"", "Say \"hi\""},
      {"^1<", "<font color=\"red\">&lt;</font>", "&lt;"},
      {"^\xe9x", "<font color=\"red\">x</font>", "x"},
      {"", "", ""},
      {std::string("a\0b", 3), std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const funname_case& row : cases) {
    EXPECT_EQ(diverse::funname_to_html(row.raw), row.html) << row.raw;
    EXPECT_EQ(diverse::funname_to_ascii(row.raw), row.ascii) << row.raw;
  }
}

TEST(funname_test, long_hostile_names_are_converted_whole) {
  std::string ampersands(300, '&');
  std::string escaped;
  for (int i = 0; i < 300; ++i) escaped += "&amp;";
  EXPECT_EQ(diverse::funname_to_ascii(ampersands), escaped);
  EXPECT_EQ(diverse::funname_to_html(ampersands), escaped);
  std::string codes;
  for (int i = 0; i < 200; ++i) codes += "^1";
  std::string html = diverse::funname_to_html(codes + "x");
  EXPECT_EQ(html.size(), 200 * std::string("<font color=\"red\">").size() +
                             199 * std::string("</font>").size() + 1 + 7);
  EXPECT_EQ(diverse::funname_to_ascii(codes + "x"), "x");
}

TEST(funname_test, append_html_char) {
  const struct {
    char c;
    const char* expected;
  } cases[] = {{'<', "x&lt;"}, {'>', "x&gt;"}, {'&', "x&amp;"},
               {'"', "x\""},   {'\'', "x'"},   {'a', "xa"}};
  for (const auto& row : cases) {
    std::string text = "x";
    diverse::append_html_char(text, row.c);
    EXPECT_EQ(text, row.expected) << row.c;
  }
}
