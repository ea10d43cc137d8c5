// The common page head, footer and legend, and the table helpers with the
// run-wide sticky cell attribute.
#ifndef MORV_OUTPUT_PAGE_FRAME_H_
#define MORV_OUTPUT_PAGE_FRAME_H_

#include <string>
#include <string_view>

class configdata;
class outputfile;

// Table attributes and the header row that every page's tables share.
inline constexpr const char* INFO_TABLE =
    "border=1 cellspacing=0 bordercolor=#000000";
inline constexpr const char* LIST_TABLE =
    "border=1 cellspacing=0 bordercolor=#000000 bgcolor=#606060";
inline constexpr const char* MATRIX_TABLE =
    "border=1 cellspacing=0 bgcolor=#606060 bordercolor=#000000";
inline constexpr const char* LIST_HEADER_ROW =
    "<tr align=right bgcolor=#000080>\r\n";

// The program's own address in the footer credit (not configurable).
inline constexpr const char* MORV_HOME_ADDRESS = "https://morv.example.org/";
inline constexpr const char* MORV_AUTHOR = "the Morv authors";
inline constexpr const char* MORV_MAIL = "morv@example.org";
inline constexpr const char* MORV_TITLE = "Morv - Morv Log Analyzer";
inline constexpr const char* MORV_BUILD = "build 071";
inline constexpr const char* MORV_BUILD_DATE = "May  8 2002";

// Where a page lies: in the output folder, or one of its sub-folders
// (morv_games, morv_players), from where the stylesheet is "../morv.css".
enum page_folder { IN_OUTPUT_FOLDER, IN_SUBFOLDER };

// Head up to the body tag: stylesheet link (css_present) or the inline
// style with the configured font sizes.
void write_header(outputfile& file, const configdata& config,
                  page_folder folder);
// Legend (when asked), credit paragraph, body and html end tags; the file
// ends without a line end.
void write_footer(outputfile& file, bool legend);
void write_legend(outputfile& file);
void begin_table(outputfile& file, const char* attributes);
void end_table(outputfile& file);
// Sets the attribute every later td/th on this thread carries (persists
// across pages, though every page sets its own before its first cell).
void set_attr(std::string_view attribute);
// "<td %s>%s</td>\r\n" with the current attribute and the formatted text.
void td(outputfile& file, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// "<th %s>%s</th>\r\n" likewise.
void th(outputfile& file, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// The same cells for one value without a format string to parse (the
// pages have millions of cells): an integer as %lld, a text up to its
// NUL as %s, a double as %.Nf with N = decimals.
void td_int(outputfile& file, long long value);
void th_int(outputfile& file, long long value);
void td_text(outputfile& file, const char* text);
void th_text(outputfile& file, const char* text);
void td_fixed(outputfile& file, double value, int decimals);
// "<p>" text "</p>" without a line end.
void par(outputfile& file, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
void begin_par(outputfile& file);
void end_par(outputfile& file);

// Data row start by the row's zero-based index: grey for 0, 2, 4, ...
void begin_row(outputfile& file, int index);
// The text with '<', '>' and '&' escaped, for log-derived texts such as map
// and game names.
std::string html_escaped(std::string_view text);

#endif  // MORV_OUTPUT_PAGE_FRAME_H_
