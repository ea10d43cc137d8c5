// The modern site (--site=DIR): a second consumer of the finished records
// beside the classic site, built whole beside DIR and swapped into place.
#ifndef MORV_MODERN_MODERN_SITE_H_
#define MORV_MODERN_MODERN_SITE_H_

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "diverse/folders.h"
#include "diverse/outputfile.h"
#include "modern/game_page.h"
#include "modern/slugs.h"
#include "output/site_folder.h"
#include "stats/site_records.h"

class configdata;
class player_t;
class resultdata;
class resultdata_total;
struct award_winner;

namespace modern {

// One per run with --site, owned by the driver from the first log to the
// publishing. Its operations run on the reading thread; game pages are
// rendered by write_game_page wherever the driver renders the game.
class modern_site {
 public:
  explicit modern_site(const configdata& config);
  modern_site(const modern_site&) = delete;
  modern_site& operator=(const modern_site&) = delete;

  // Makes the new site's folder and sub-folders and writes its stylesheet
  // and script (see site_folder::prepare for the fatal errors).
  void prepare();
  // Adds an accepted game, numbered number, to the site's records and
  // returns what its page needs. numbers: its players' run-wide numbers;
  // totals: the totals the game was just added to.
  game_page_context add_game(const resultdata& game,
                             const std::vector<int>& numbers,
                             const resultdata_total& totals, int number);
  // Keeps the latest game, whose page is written again without its link
  // to a next game once the run knows there is none.
  void keep_latest(std::shared_ptr<const resultdata> game,
                   const game_page_context& context);
  // Ends the run when a game page could not be written.
  void report_game(outputfile::save_result result, int number) const;
  // Writes the pages over all games: the last game's again, the index, the
  // lists, the weapons page, the search index and one page per player and
  // per map. ranking: every player, in the main ranking's order; the
  // totals' opponents must be finished. awards: the all-time winners.
  void write_pages(const resultdata_total& totals,
                   const std::vector<const player_t*>& ranking,
                   const std::vector<award_winner>& awards);
  // Puts the site in place and prints its console line.
  void publish();

 private:
  const std::string& player_slug(const player_t& record);

  const configdata& config;
  site_folder folder;
  diverse::folder_handle games;
  diverse::folder_handle players;
  diverse::folder_handle maps;
  site_records records;
  slug_registry player_registry;
  slug_registry map_registry;
  std::vector<std::string> player_slugs;  // by run-wide number - 1
  std::vector<std::string> map_slugs;     // by map index
  std::shared_ptr<const resultdata> latest;
  std::optional<game_page_context> latest_context;
  int pages = 0;
};

}  // namespace modern

#endif  // MORV_MODERN_MODERN_SITE_H_
