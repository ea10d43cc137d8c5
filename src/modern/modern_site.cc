// The modern site's records, slugs, run-wide pages and publishing.
#include "modern/modern_site.h"

#include <cstdio>

#include "config/configdata.h"
#include "diverse/ordered_queue.h"
#include "diverse/text.h"
#include "modern/page.h"
#include "modern/site_pages.h"
#include "output/json_text.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

namespace modern {

const player_t* site_view::player(int number) const {
  if (number < 1 || static_cast<size_t>(number) > by_number.size()) {
    return nullptr;
  }
  return by_number[static_cast<size_t>(number - 1)];
}

const std::string& site_view::slug(int number) const {
  static const std::string none = "x";
  if (number < 1 || static_cast<size_t>(number) > player_slugs.size()) {
    return none;
  }
  return player_slugs[static_cast<size_t>(number - 1)];
}

modern_site::modern_site(const configdata& config)
    : config(config), folder(config.site_directory, config.quiet) {}

void modern_site::prepare() {
  folder.prepare();
  games = folder.make_subfolder("games");
  players = folder.make_subfolder("players");
  maps = folder.make_subfolder("maps");
  write_assets(folder.folder(), folder.shown(""));
}

// A player's slug comes from the run-wide record's name, the same in
// every game, whatever name the game gave.
const std::string& modern_site::player_slug(const player_t& record) {
  const size_t index = static_cast<size_t>(record.number - 1);
  if (player_slugs.size() <= index) player_slugs.resize(index + 1);
  if (player_slugs[index].empty()) {
    player_slugs[index] =
        player_registry.slug_for(diverse::to_lower(json_plain_text(record.name)));
  }
  return player_slugs[index];
}

game_page_context modern_site::add_game(const resultdata& game,
                                        const std::vector<int>& numbers,
                                        const resultdata_total& totals,
                                        int number) {
  game_page_context context{config, number, games.descriptor(), true, {}, {}};
  records.add_game(game, numbers, number);
  for (int player_number : numbers) {
    // The totals hold their records in the order of their numbers until
    // the rankings sort them.
    const player_t& record =
        *totals.players[static_cast<size_t>(player_number - 1)];
    context.slugs.push_back(player_slug(record));
  }
  const int map = records.games.back().map_index;
  if (static_cast<size_t>(map) == map_slugs.size()) {
    map_slugs.push_back(map_registry.slug_for(game.mapname));
  }
  context.map_slug = map_slugs[static_cast<size_t>(map)];
  ++pages;
  return context;
}

void modern_site::keep_latest(std::shared_ptr<const resultdata> game,
                              const game_page_context& context) {
  latest = std::move(game);
  latest_context.emplace(context);
}

void modern_site::report_game(outputfile::save_result result,
                              int number) const {
  outputfile::report_saving(result,
                            folder.shown("games/" + game_file_name(number)));
}

void modern_site::write_pages(const resultdata_total& totals,
                              const std::vector<const player_t*>& ranking,
                              const std::vector<award_winner>& awards) {
  if (latest) {
    latest_context->has_next = false;
    report_game(write_game_page(*latest, *latest_context, true),
                latest_context->number);
    latest.reset();
  }
  std::vector<const player_t*> by_number(totals.players.size());
  for (const auto& player : totals.players) {
    by_number[static_cast<size_t>(player->number - 1)] = player.get();
    player_slug(*player);
  }
  const site_view view{config,    totals,       records,   ranking,
                       by_number, player_slugs, map_slugs, awards};
  const int top = folder.folder();
  const std::string shown = folder.shown("");
  write_index(view, top, shown);
  write_game_lists(view, top, shown);
  write_player_lists(view, top, shown);
  write_weapons_page(view, top, shown);
  write_search_index(view, top, shown);
  diverse::ordered_queue<outputfile::save_result> work;
  for (const player_t* player : ranking) {
    work.submit([&view, player, this] {
      return write_player_page(view, *player, players.descriptor());
    });
  }
  for (const player_t* player : ranking) {
    outputfile::report_saving(
        work.next(), shown + "players/" + view.slug(player->number) + ".html");
  }
  for (size_t m = 0; m < records.maps.size(); ++m) {
    outputfile::report_saving(
        write_map_page(view, static_cast<int>(m), maps.descriptor()),
        shown + "maps/" + map_slugs[m] + ".html");
  }
  pages += static_cast<int>(ranking.size() + records.maps.size()) + 4;
}

void modern_site::publish() {
  folder.publish();
  std::printf("\nWrote the site %s [%i pages]", config.site_directory.c_str(),
              pages);
}

}  // namespace modern
