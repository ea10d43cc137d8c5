// Log bytes to UTF-8 for the export: which bytes are kept and which are
// read as Latin-1.
#include "output/json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(json_text_test, keeps_utf8_and_reads_other_bytes_as_latin1) {
  struct row {
    std::string bytes;
    std::string expected;
  };
  const row rows[] = {
      {"Razor ^1<b>", "Razor ^1<b>"},
      {std::string("a\0b\x01\x1f\x7f", 6), std::string("a\0b\x01\x1f\x7f", 6)},
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},                    // U+00E9 kept
      {"\xE2\x82\xAC \xF0\x9F\x98\x80", "\xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"Caf\xE9", "Caf\xC3\xA9"},                        // Latin-1 e acute
      {"\xFF\x80", "\xC3\xBF\xC2\x80"},                  // U+00FF, U+0080
      {"\xC3(", "\xC3\x83("},                            // lead without tail
      {"x\xE2\x82", "x\xC3\xA2\xC2\x82"},                // cut at the end
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                  // overlong '/'
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},      // surrogate D800
      {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // > U+10FFFF
      {"\xE9\xC3\xA9", "\xC3\xA9\xC3\xA9"},              // both in one name
  };
  for (const row& r : rows) EXPECT_EQ(json_text(r.bytes), r.expected) << r.bytes;
}

}  // namespace
