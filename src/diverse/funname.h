// The forms of a coloured player name: HTML with font elements, plain text
// escaped for HTML, and plain text as it stands.
#ifndef MORV_DIVERSE_FUNNAME_H_
#define MORV_DIVERSE_FUNNAME_H_

#include <string>
#include <string_view>

namespace diverse {

// Returns the name with each colour code ("^" and one character) turned into
// a <font color="..."> element. Results are not length-limited: a hostile
// name or chat line can never end the run here.
std::string funname_to_html(std::string_view raw);

// Returns the name without colour codes, HTML-escaped.
std::string funname_to_ascii(std::string_view raw);

// Returns the name without colour codes as plain text, nothing escaped (for
// outputs other than HTML).
std::string funname_to_text(std::string_view raw);

// Appends c to text, escaping '<', '>' and '&' (nothing else).
void append_html_char(std::string& text, char c);

}  // namespace diverse

#endif  // MORV_DIVERSE_FUNNAME_H_
