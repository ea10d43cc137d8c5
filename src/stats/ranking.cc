// What the ranking and player pages show: the rows of a ranking page, the
// limits filter and the opponents of the listed players.
#include <array>
#include <cstdint>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "stats/resultdata_total.h"

run_rankings resultdata_total::rankings() {
  run_rankings result;
  result.weapon_names = weapon_names;
  if (keep_awards) result.awards = award_counts.winners();
  for (int n : {0, config->top_players}) {
    if (n < 0 || (n == 0 && !result.sets.empty())) continue;
    run_rankings::set& set = result.sets.emplace_back();
    set.n = n;
    for (int page_key : RANKING_KEYS) {
      int sorts = 1;
      if (page_key == MAIN_RANKING) {
        order_players(config->sort_secondary);
        order_players(config->sort_primary);
        sorts = 2;
        if (n == 0) {
          for (const auto& player : players) {
            result.main_order.push_back(player.get());
          }
        }
      } else {
        order_players(page_key);
      }
      set.tables.push_back({page_key, sort_key, sorts, ranking_rows(n)});
    }
  }
  return result;
}

std::vector<const player_t*> resultdata_total::ranking_rows(int n) {
  const bool by_name = sort_key == SORT_NAME;
  std::vector<const player_t*> rows;
  for (const std::unique_ptr<player_t>& player : players) {
    const int rank = static_cast<int>(rows.size()) + 1;
    if (n > 0 && rank > n) break;
    if (config->max_players > 0 && !by_name && rank > config->max_players) {
      break;
    }
    if (is_below_limits(*player)) continue;
    player->listed = true;
    rows.push_back(player.get());
  }
  return rows;
}

bool resultdata_total::is_below_limits(const player_t& player) const {
  if (!config->filters_on) return false;
  auto below = [](int value, int limit) {
    return limit != 0 &&
           static_cast<uint32_t>(value) < static_cast<uint32_t>(limit);
  };
  return below(static_cast<int>(player.kills[0]), config->min_kills) ||
         below(player.games, config->min_games) ||
         below(player.playtime, config->min_playtime);
}

std::array<std::vector<player_t*>, 2>
resultdata_total::opponent_owner_halves() const {
  std::array<std::vector<player_t*>, 2> halves;
  const size_t middle = players.size() / 2;
  for (size_t i = 0; i < players.size(); ++i) {
    halves[i < middle ? 0 : 1].push_back(players[i].get());
  }
  return halves;
}

void resultdata_total::finish_opponents() {
  // Every opponent's name was itself added as a player of the same game,
  // so each lookup finds a record and none is created here: the answer
  // depends on the name's key only.
  std::unordered_map<std::string_view, const player_t*> resolved;
  for (const std::unique_ptr<player_t>& player : players) {
    sort_key = SORT_KILLS;
    if (!player->opponents_by_kills) sort_opponents({player.get()});
    for (p2p_t& opponent : player->opponents) {
      if (opponent.kills[0] == 0 && opponent.deaths[0] == 0) continue;
      auto [entry, added] = resolved.try_emplace(opponent.name, nullptr);
      if (added) entry->second = find_player(opponent.name);
      opponent.opponent = entry->second;
    }
  }
}
