// Colour-coded names to HTML and to plain text.
#include "diverse/funname.h"

namespace diverse {
namespace {

constexpr char COLOUR_ESCAPE = '^';
const char* const COLOUR_NAMES[8] = {"black", "red",  "lime",   "yellow",
                                     "blue",  "cyan", "purple", "white"};

// Walks the raw name: on_colour(number) for each colour code, on_text(c)
// for each visible character (the first caret of a caret pair included) and
// on_lone_caret() for a caret that ends the name, which shows nothing.
template <typename Colour, typename Text, typename LoneCaret>
void scan_funname(std::string_view raw, Colour on_colour, Text on_text,
                  LoneCaret on_lone_caret) {
  size_t i = 0;
  while (i < raw.size()) {
    char c = raw[i];
    if (c != COLOUR_ESCAPE) {
      on_text(c);
      ++i;
    } else if (i + 1 >= raw.size()) {
      on_lone_caret();
      ++i;
    } else if (raw[i + 1] == COLOUR_ESCAPE) {
      on_text(c);  // visible caret; the second is examined afresh
      ++i;
    } else {
      on_colour(static_cast<unsigned char>(raw[i + 1]) % 8);
      i += 2;
    }
  }
}

}  // namespace

void append_html_char(std::string& text, char c) {
  switch (c) {
    case '<': text += "&lt;"; break;
    case '>': text += "&gt;"; break;
    case '&': text += "&amp;"; break;
    default: text += c; break;
  }
}

std::string funname_to_html(std::string_view raw) {
  std::string result;
  bool font_open = false;
  int pending = -1;
  // A pending colour opens its element at whatever position comes next, a
  // final lone caret included (so "Red^1^" ends in an empty red element).
  auto open_pending = [&]() {
    if (pending < 0) return;
    if (font_open) result += "</font>";
    result += "<font color=\"";
    result += COLOUR_NAMES[pending];
    result += "\">";
    font_open = true;
    pending = -1;
  };
  scan_funname(
      raw,
      [&](int colour) {
        open_pending();
        pending = colour;
      },
      [&](char c) {
        open_pending();
        append_html_char(result, c);
      },
      open_pending);
  if (font_open) result += "</font>";
  return result;
}

std::string funname_to_ascii(std::string_view raw) {
  std::string result;
  scan_funname(
      raw, [](int) {}, [&](char c) { append_html_char(result, c); }, [] {});
  return result;
}

std::string funname_to_text(std::string_view raw) {
  std::string result;
  scan_funname(
      raw, [](int) {}, [&](char c) { result += c; }, [] {});
  return result;
}

}  // namespace diverse
