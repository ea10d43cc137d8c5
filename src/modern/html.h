// Log text as safe HTML for the modern site: UTF-8 (valid UTF-8 kept, any
// other byte read as Latin-1), every special character escaped, and
// coloured names as spans of the stylesheet's colour classes.
#ifndef MORV_MODERN_HTML_H_
#define MORV_MODERN_HTML_H_

#include <string>
#include <string_view>

namespace modern {

// Appends raw log bytes as HTML text that is also safe inside a quoted
// attribute: & < > " ' escaped, control characters (C0, DEL, C1) shown as
// U+FFFD. Never markup, whatever the bytes.
void append_text(std::string& out, std::string_view raw);
std::string text(std::string_view raw);

// A raw player name as HTML: its colour codes become spans of the classes
// c0 to c6 (^7, white, is the page's own text colour), the rest as
// append_text gives it.
std::string name_html(std::string_view raw);

// The name without colour codes, as UTF-8 plain text (not escaped).
std::string plain_name(std::string_view raw);

// value with decimals places ("1.50"); "-" for a value that is not finite.
std::string fixed(double value, int decimals);
// Seconds as "m:ss" or "h:mm:ss".
std::string clock_time(long long seconds);
// A server time "YYYY-MM-DDThh:mm:ss" as "YYYY-MM-DD hh:mm"; "" stays "".
std::string date_text(std::string_view started);

}  // namespace modern

#endif  // MORV_MODERN_HTML_H_
