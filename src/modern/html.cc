// Escaping and colouring log text for the modern site.
#include "modern/html.h"

#include <algorithm>
#include <cmath>

#include "diverse/text_format.h"
#include "output/json_text.h"

namespace modern {
namespace {

constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";

size_t sequence_length(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  return lead < 0xF0 ? 3 : 4;
}

// Appends valid UTF-8 text escaped; returns nothing, never fails.
void append_utf8(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '"': out += "&quot;"; continue;
      case '\'': out += "&#39;"; continue;
      default: break;
    }
    if (c < 0x20 || c == 0x7F) {
      out += REPLACEMENT;
    } else if (c == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      out += REPLACEMENT;  // a C1 control character
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
}

// Log text as UTF-8, as json_text reads it; ASCII, most log text, is
// UTF-8 as it stands and is not copied. decoded holds the text otherwise.
std::string_view as_utf8(std::string_view raw, std::string& decoded) {
  const bool ascii = std::all_of(raw.begin(), raw.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80;
  });
  if (ascii) return raw;
  decoded = json_text(raw);
  return decoded;
}

}  // namespace

void append_text(std::string& out, std::string_view raw) {
  std::string decoded;
  append_utf8(out, as_utf8(raw, decoded));
}

std::string text(std::string_view raw) {
  std::string out;
  append_text(out, raw);
  return out;
}

// The codes are read as json_plain_text reads them, so the shown name is
// the exported plain name with colours.
std::string name_html(std::string_view raw) {
  std::string decoded;
  const std::string_view name = as_utf8(raw, decoded);
  std::string out;
  int open = 7;   // the colour of the open span; 7 for none
  int wanted = 7;
  size_t i = 0;
  while (i < name.size()) {
    if (name[i] == '^' && i + 1 < name.size() && name[i + 1] != '^') {
      wanted = static_cast<unsigned char>(name[i + 1]) % 8;
      i += 1 + sequence_length(static_cast<unsigned char>(name[i + 1]));
      continue;
    }
    if (name[i] == '^' && i + 1 == name.size()) break;
    if (wanted != open) {
      if (open != 7) out += "</span>";
      if (wanted != 7) {
        out += "<span class=\"c";
        out += static_cast<char>('0' + wanted);
        out += "\">";
      }
      open = wanted;
    }
    const size_t length =
        name[i] == '^' ? 1 : sequence_length(static_cast<unsigned char>(name[i]));
    append_utf8(out, name.substr(i, length));
    i += length;
  }
  if (open != 7) out += "</span>";
  return out;
}

std::string plain_name(std::string_view raw) { return json_plain_text(raw); }

std::string fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  char digits[FIXED_TEXT_ROOM];
  return std::string(digits, format_fixed(digits, value, decimals));
}

namespace {

// Two digits, with a leading zero.
void append_two_digits(std::string& out, long long value) {
  out += static_cast<char>('0' + value / 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string clock_time(long long seconds) {
  if (seconds < 0) seconds = 0;
  std::string out;
  if (seconds >= 3600) {
    append_decimal(out, seconds / 3600);
    out += ':';
    append_two_digits(out, seconds / 60 % 60);
  } else {
    append_decimal(out, seconds / 60);
  }
  out += ':';
  append_two_digits(out, seconds % 60);
  return out;
}

std::string date_text(std::string_view started) {
  if (started.size() < 16) return std::string(started);
  std::string out(started.substr(0, 16));
  out[10] = ' ';
  return out;
}

}  // namespace modern
