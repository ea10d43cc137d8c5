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

// Returns a raw player name as json_text gives it with the colour codes
// taken out: "^" and the character after it, a whole UTF-8 sequence; of
// "^^" the first caret shows, and a caret that ends the name shows nothing.
// So the plain form is the exported name less its codes, whatever bytes
// the log holds.
std::string json_plain_text(std::string_view raw_name);

// The file name of a log's path as the export shows it: the folder part
// left out ("-", standard input, stays "-").
std::string_view json_log_name(std::string_view path);

#endif  // MORV_OUTPUT_JSON_TEXT_H_
