// Date line and top links of the pages.
#include "output/site_nav.h"

#include <algorithm>

#include "config/configdata.h"
#include "diverse/time_text.h"
#include "diverse/outputfile.h"

void write_top_links(outputfile& file, const configdata& config,
                     const char* prefix) {
  file.print("<p class=text>[%s]</p>\r\n", diverse::local_date_text().c_str());
  if (!config.homepage_address.empty()) {
    file.print("<p class=\"title\"><a href=\"%s\"><font color=red>%s</font>"
               "</a></p>",
               config.homepage_address.c_str(),
               config.homepage_string.c_str());
  }
  write_ranking_links(file, config, prefix);
}

void write_ranking_links(outputfile& file, const configdata& config,
                         const char* prefix) {
  file.print("<p class=\"title\"><a href=\"%splayers.htm\"><font color=red>"
             "All players</font></a></p>",
             prefix);
  if (config.top_players > 0) {
    file.print("<p class=\"title\"><a href=\"%stop_players.htm\">"
               "<font color=red>Top %i players</font></a></p>",
               prefix, config.top_players);
  }
}

int games_per_list_page(const configdata& config) {
  return std::max(1, config.games_per_file);
}

int game_list_page_of(const configdata& config, int number) {
  return (number - 1) / games_per_list_page(config) + 1;
}
