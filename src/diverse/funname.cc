// Colour-coded names to HTML and to plain text.
#include "diverse/funname.h"

namespace diverse {
namespace {

constexpr char COLOUR_ESCAPE = '^';
const char* const COLOUR_NAMES[8] = {"black", "red",  "lime",   "yellow",
                                     "blue",  "cyan", "purple", "white"};

// Walks the raw name: on_colour(number) for each colour code, on_text(c)
// for each visible character (the first caret of a caret pair included).
template <typename Colour, typename Text>
void scan_funname(std::string_view raw, Colour on_colour, Text on_text) {
  size_t i = 0;
  while (i < raw.size()) {
    char c = raw[i];
    if (c != COLOUR_ESCAPE) {
      on_text(c, i);
      ++i;
    } else if (i + 1 >= raw.size()) {
      ++i;  // a trailing caret is dropped
    } else if (raw[i + 1] == COLOUR_ESCAPE) {
      on_text(c, i);  // visible caret; the second is examined afresh
      ++i;
    } else {
      on_colour(static_cast<unsigned char>(raw[i + 1]) % 8, i);
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
  // A pending colour opens its element at whatever position comes next.
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
      [&](int colour, size_t) {
        open_pending();
        pending = colour;
      },
      [&](char c, size_t) {
        open_pending();
        append_html_char(result, c);
      });
  if (font_open) result += "</font>";
  return result;
}

std::string funname_to_ascii(std::string_view raw) {
  std::string result;
  scan_funname(
      raw, [](int, size_t) {},
      [&](char c, size_t) { append_html_char(result, c); });
  return result;
}

std::string funname_to_text(std::string_view raw) {
  std::string result;
  scan_funname(
      raw, [](int, size_t) {}, [&](char c, size_t) { result += c; });
  return result;
}

}  // namespace diverse
