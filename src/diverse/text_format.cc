// Fast printf-style formatting for the page writers.
#include "diverse/text_format.h"

#include <charconv>
#include <cstdio>
#include <cstring>

char* format_int(char* out, long long value) {
  return std::to_chars(out, out + INT_TEXT_ROOM, value).ptr;
}

// to_chars in fixed notation with a precision gives the bytes of
// printf("%.*f"): the correctly rounded decimal, a sign on negative zero.
char* format_fixed(char* out, double value, int decimals) {
  return std::to_chars(out, out + FIXED_TEXT_ROOM, value,
                       std::chars_format::fixed, decimals)
      .ptr;
}

namespace {

void append_number(std::string& out, long long value) {
  char digits[INT_TEXT_ROOM];
  out.append(digits, static_cast<size_t>(format_int(digits, value) - digits));
}

void append_fixed(std::string& out, double value, int decimals) {
  char digits[FIXED_TEXT_ROOM];
  out.append(digits,
             static_cast<size_t>(format_fixed(digits, value, decimals) -
                                 digits));
}

void append_vsnprintf(std::string& out, const char* format, va_list args) {
  char small[256];
  va_list copy;
  va_copy(copy, args);
  int length = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (length <= 0) return;
  if (static_cast<size_t>(length) < sizeof small) {
    out.append(small, static_cast<size_t>(length));
    return;
  }
  size_t start = out.size();
  out.resize(start + static_cast<size_t>(length) + 1);
  std::vsnprintf(out.data() + start, static_cast<size_t>(length) + 1, format,
                 args);
  out.resize(start + static_cast<size_t>(length));
}

// One conversion at p (just after '%'); returns the character after it,
// or nullptr when it is not one of the simple forms.
const char* convert(std::string& out, const char* p, va_list& args) {
  switch (*p) {
    case '%': out += '%'; return p + 1;
    case 's': {
      const char* text = va_arg(args, const char*);
      out.append(text != nullptr ? text : "(null)");
      return p + 1;
    }
    case 'i':
    case 'd': append_number(out, va_arg(args, int)); return p + 1;
    case 'u': append_number(out, va_arg(args, unsigned)); return p + 1;
    case 'l':
      if (p[1] != 'l' || (p[2] != 'd' && p[2] != 'i')) return nullptr;
      append_number(out, va_arg(args, long long));
      return p + 3;
    case '.':
      if (p[1] < '0' || p[1] > '9' || p[2] != 'f') return nullptr;
      append_fixed(out, va_arg(args, double), p[1] - '0');
      return p + 3;
    default: return nullptr;
  }
}

}  // namespace

void append_vformat(std::string& out, const char* format, va_list args) {
  size_t start = out.size();
  va_list original;
  va_copy(original, args);
  va_list rest;
  va_copy(rest, args);
  const char* p = format;
  while (*p != '\0') {
    const char* percent = std::strchr(p, '%');
    if (percent == nullptr) {
      out.append(p);
      break;
    }
    out.append(p, static_cast<size_t>(percent - p));
    p = convert(out, percent + 1, rest);
    if (p == nullptr) {
      out.resize(start);
      append_vsnprintf(out, format, original);
      break;
    }
  }
  va_end(rest);
  va_end(original);
}

void append_format(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  append_vformat(out, format, args);
  va_end(args);
}

std::string formatted(const char* format, ...) {
  std::string text;
  va_list args;
  va_start(args, format);
  append_vformat(text, format, args);
  va_end(args);
  return text;
}

void append_decimal(std::string& out, long long value) {
  append_number(out, value);
}
