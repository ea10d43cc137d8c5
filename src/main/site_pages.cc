// The pages over all games: the ranking pages, each written after its own
// sort, and one page per listed player; the page worker sorts opponents
// beside the rankings and writes half of the player pages.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "config/sortkey.h"
#include "diverse/folders.h"
#include "main/morv_main.h"
#include "main/page_worker.h"
#include "output/player_page_writer.h"
#include "output/ranking_page.h"
#include "output/site_nav.h"
#include "stats/resultdata_total.h"

namespace {

// The player pages at odd places of the listed players, which the page
// worker writes into the players folder (the current folder when made)
// while the driver writes the others: the two halves take about as long.
class shared_pages : public page_task {
 public:
  shared_pages(const resultdata_total& totals, const configdata& config,
               const std::vector<std::pair<const player_t*, int64_t>>& listed)
      : totals(totals), config(config), listed(listed), folder("."),
        results(listed.size() / 2) {}

  bool takes(size_t place) const { return place % 2 == 1; }

  void run() override {
    outputfile page;
    for (size_t place = 1; place < listed.size(); place += 2) {
      const player_t& player = *listed[place].first;
      page.open_detached(folder.descriptor(), player_page_name(player).c_str());
      write_player_page(page, totals, config, player);
      results[place / 2] = page.close_detached();
      written.fetch_add(1, std::memory_order_release);
      written.notify_one();
    }
  }

  // Waits until the page at place (one this object takes) is written.
  outputfile::save_result result(size_t place) {
    size_t now = written.load(std::memory_order_acquire);
    while (now <= place / 2) {
      written.wait(now, std::memory_order_acquire);
      now = written.load(std::memory_order_acquire);
    }
    return results[place / 2];
  }

 private:
  const resultdata_total& totals;
  const configdata& config;
  const std::vector<std::pair<const player_t*, int64_t>>& listed;
  diverse::folder_handle folder;
  std::vector<outputfile::save_result> results;
  std::atomic<size_t> written{0};
};

// Sorts the opponents of some players for their pages.
class opponent_sorting : public page_task {
 public:
  opponent_sorting(resultdata_total& totals, std::vector<player_t*> owners)
      : totals(totals), owners(std::move(owners)) {}
  void run() override { totals.sort_opponents(owners); }

 private:
  resultdata_total& totals;
  std::vector<player_t*> owners;
};

}  // namespace

void morv_main::write_rankings(resultdata_total& totals, int n) {
  const std::string prefix = n == 0 ? "" : "top_";
  for (const ranking_file& page : RANKING_FILES) {
    const std::string name = prefix + page.base_name;
    outputfile file;
    file.open(name.c_str());
    std::printf("\nWriting player stats to \"%s\"", name.c_str());
    if (page.key == MAIN_RANKING) {
      totals.sort_players(cfg.sort_secondary);
      totals.sort_players(cfg.sort_primary);
      // The export lists the players in the order of players.htm.
      if (json && n == 0) json->keep_player_order(totals);
    } else {
      totals.sort_players(page.key);
    }
    const std::vector<const player_t*> rows = totals.ranking_rows(n);
    write_ranking_page(file, cfg, {rows, totals.sort_key, n, games_written});
    file.close();
    // The name ranking lists every player not below the limits, and no
    // other ranking lists more: the players whose pages follow are known.
    if (n == 0 && page.key == SORT_NAME) start_sorting_opponents(totals);
  }
}

// In two halves, which the page worker and the driver (once it has
// written the rankings) take as they come free.
void morv_main::start_sorting_opponents(resultdata_total& totals) {
  std::vector<player_t*> owners = totals.opponent_owners(json != nullptr);
  const auto middle =
      owners.begin() + static_cast<std::ptrdiff_t>(owners.size() / 2);
  for (auto [begin, end] : {std::pair{owners.begin(), middle},
                            std::pair{middle, owners.end()}}) {
    opponent_sorts.push_back(std::make_unique<opponent_sorting>(
        totals, std::vector<player_t*>(begin, end)));
    worker->start(*opponent_sorts.back());
  }
}

void morv_main::write_all_player_pages(resultdata_total& totals) {
  for (const auto& sorting : opponent_sorts) worker->finish(*sorting);
  opponent_sorts.clear();
  // The export shows every player's opponents, not only listed players'.
  totals.finish_opponents(json != nullptr);
  diverse::make_folder(PLAYERS_FOLDER);
  enter_subfolder(PLAYERS_FOLDER);
  std::printf("\nWriting per player stats        ");
  // The listed players in order, each with its place among all players
  // (for the progress figure).
  std::vector<std::pair<const player_t*, int64_t>> listed;
  int64_t visited = 0;
  for (const auto& player : totals.players) {
    ++visited;
    if (player->listed) listed.emplace_back(player.get(), visited);
  }
  const int64_t count = visited;
  {
    shared_pages others(totals, cfg, listed);
    worker->start(others);
    const task_finisher others_written(*worker, others);
    outputfile page;
    for (size_t k = 0; k < listed.size(); ++k) {
      std::printf("\b\b\b\b\b\b\b(%3i %%)",
                  static_cast<int>(listed[k].second * 100 / count));
      const player_t& player = *listed[k].first;
      if (others.takes(k)) {
        outputfile::report_saving(others.result(k), player_page_name(player));
        continue;
      }
      page.open(player_page_name(player).c_str());
      write_player_page(page, totals, cfg, player);
      page.close();
    }
  }
  std::printf("\b\b\b\b\b\b\b(100 %%)");
  std::printf("\n");
  enter_start_folder();
}
