// Saturating decimal conversion and wrapping 32-bit sums.
#include "diverse/numbers.h"

#include <climits>
#include <cstring>

namespace diverse {

int32_t saturate_int32(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

int32_t wrap_add(int32_t sum, int64_t value) {
  uint32_t wrapped = static_cast<uint32_t>(sum) + static_cast<uint32_t>(value);
  return static_cast<int32_t>(wrapped);
}

int string_to_int(std::string_view text) {
  size_t i = 0;
  auto is_blank = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
           c == '\r';
  };
  while (i < text.size() && is_blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    // Beyond 2^32 the result saturates anyway; stop growing.
    if (value <= (int64_t{1} << 33)) value = value * 10 + (text[i] - '0');
  }
  return saturate_int32(negative ? -value : value);
}

int string_to_int(const char* text) {
  return string_to_int(std::string_view(text, std::strlen(text)));
}

}  // namespace diverse
