// Log bytes as UTF-8 text for JSON strings.
#ifndef MORV_OUTPUT_JSON_TEXT_H_
#define MORV_OUTPUT_JSON_TEXT_H_

#include <string>
#include <string_view>

// Returns bytes as valid UTF-8: every well-formed UTF-8 sequence is kept as
// it stands; any other byte is read as Latin-1 and becomes the code point
// U+0080 to U+00FF. Logs mix both (old servers write Latin-1 names), and a
// JSON document must be UTF-8. Control characters are kept: the JSON
// writer escapes them.
std::string json_text(std::string_view bytes);

#endif  // MORV_OUTPUT_JSON_TEXT_H_
