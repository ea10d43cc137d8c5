// The frame every page of the modern site shares: head, navigation,
// search box and foot, the stylesheet and script files, and table pieces.
#ifndef MORV_MODERN_PAGE_H_
#define MORV_MODERN_PAGE_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "diverse/outputfile.h"

namespace modern {

inline constexpr const char* STYLESHEET = "site.css";
inline constexpr const char* SCRIPT = "site.js";
// The search index: a data-only script that the search box inserts when
// it is first used (a fetch fails from file://).
inline constexpr const char* SEARCH_INDEX = "search-index.js";

// Writes the doctype, the head (charset, viewport, title_html, the
// stylesheet and the deferred script), the navigation and opens <main>.
// root: the way back to the site's top ("" or "../").
void write_head(outputfile& page, std::string_view title_html,
                const char* root);
// Closes <main> and the page.
void write_foot(outputfile& page);

// Writes the stylesheet and the script into folder (fatal on failure, the
// files named as shown_folder + name).
void write_assets(int folder, const std::string& shown_folder);

// Opens a table in a box that scrolls sideways on a narrow screen, with
// the header cells given; the first column is the row's name, kept in
// view. classes: extra classes of the table ("" none).
void open_table(outputfile& page, std::initializer_list<std::string_view> heads,
                const char* classes = "");
void close_table(outputfile& page);

// <a href="{root}players/{slug}.html">{name_html}</a>
std::string player_link(std::string_view slug, std::string_view name_html,
                        const char* root);
// <a href="{root}games/{number}.html">{text}</a>
std::string game_link(int number, std::string_view text, const char* root);
// <a href="{root}maps/{slug}.html">{map as text}</a>
std::string map_link(std::string_view slug, std::string_view raw_map,
                     const char* root);

}  // namespace modern

#endif  // MORV_MODERN_PAGE_H_
