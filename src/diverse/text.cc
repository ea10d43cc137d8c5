// ASCII letter-case helpers.
#include "diverse/text.h"

namespace diverse {

std::string to_upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string to_lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

bool equals_ignore_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && to_lower(a) == to_lower(b);
}

std::string cut(std::string_view text, size_t max_length) {
  return std::string(text.substr(0, max_length));
}

}  // namespace diverse
