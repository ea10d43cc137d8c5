// Letter-case helpers that change only the ASCII letters, as the C locale.
#ifndef MORV_DIVERSE_TEXT_H_
#define MORV_DIVERSE_TEXT_H_

#include <string>
#include <string_view>

namespace diverse {

std::string to_upper(std::string_view text);  // a-z become A-Z
std::string to_lower(std::string_view text);  // A-Z become a-z

// Compares ignoring the case of A-Z (like _stricmp); true when equal.
bool equals_ignore_case(std::string_view a, std::string_view b);

// Returns text cut to at most max_length bytes.
std::string cut(std::string_view text, size_t max_length);

}  // namespace diverse

#endif  // MORV_DIVERSE_TEXT_H_
