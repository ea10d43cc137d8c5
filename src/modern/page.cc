// The modern site's page frame and table pieces.
#include "modern/page.h"

#include "modern/html.h"

namespace modern {

void write_head(outputfile& page, std::string_view title_html,
                const char* root) {
  const std::string r = root;
  page.write("<!doctype html>\n<html lang=\"en\">\n<head>\n"
             "<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, "
             "initial-scale=1\">\n"
             "<meta name=\"color-scheme\" content=\"light dark\">\n<title>");
  page.write(title_html);
  page.write("</title>\n<link rel=\"stylesheet\" href=\"" + r + STYLESHEET +
             "\">\n<script src=\"" + r + SCRIPT +
             "\" defer></script>\n</head>\n<body>\n<header><nav>"
             "<a class=\"home\" href=\"" + r + "index.html\">Morv</a> "
             "<a href=\"" + r + "players.html\">Players</a> "
             "<a href=\"" + r + "games.html\">Games</a> "
             "<a href=\"" + r + "weapons.html\">Weapons</a> "
             "<div id=\"search\" data-root=\"" + r + "\"><a href=\"" + r +
             "players.html\">Find a player</a></div></nav></header>\n<main>\n");
}

void write_foot(outputfile& page) {
  page.write("</main>\n<footer>Written by Morv from the server logs.</footer>"
             "\n</body>\n</html>\n");
}

void open_table(outputfile& page, std::initializer_list<std::string_view> heads,
                const char* classes) {
  // Focusable, so that a keyboard can scroll a box that holds no link.
  page.write("<div class=\"scroll\" tabindex=\"0\"><table");
  if (*classes != '\0') {
    page.write(" class=\"");
    page.write(classes);
    page.write("\"");
  }
  page.write("><thead><tr>");
  bool first = true;
  for (std::string_view head : heads) {
    page.write(first ? "<th class=\"n\" scope=\"col\">" : "<th scope=\"col\">");
    page.write(head);
    page.write("</th>");
    first = false;
  }
  page.write("</tr></thead><tbody>\n");
}

void close_table(outputfile& page) {
  page.write("</tbody></table></div>\n");
}

namespace {

// <a href="{root}{folder}/{name}.html">{shown, "?" when empty}</a>
std::string site_link(const char* root, std::string_view folder,
                      std::string_view name, std::string_view shown) {
  std::string link = "<a href=\"";
  link += root;
  link += folder;
  link += '/';
  link += name;
  link += ".html\">";
  link += shown.empty() ? std::string_view("?") : shown;
  link += "</a>";
  return link;
}

}  // namespace

std::string player_link(std::string_view slug, std::string_view name_html,
                        const char* root) {
  return site_link(root, "players", slug, name_html);
}

std::string game_link(int number, std::string_view text, const char* root) {
  return site_link(root, "games", std::to_string(number), text);
}

std::string map_link(std::string_view slug, std::string_view raw_map,
                     const char* root) {
  return site_link(root, "maps", slug, text(raw_map));
}

}  // namespace modern
