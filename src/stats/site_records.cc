// Gathering the modern site's run-wide records, one game at a time.
#include "stats/site_records.h"

#include <algorithm>

#include "stats/resultdata.h"

namespace {

const player_history NO_HISTORY;

template <typename T>
T& grown_to(std::vector<T>& list, size_t index) {
  if (list.size() <= index) list.resize(index + 1);
  return list[index];
}

}  // namespace

const player_history& site_records::history(int number) const {
  if (number < 1 || static_cast<size_t>(number) > players.size()) {
    return NO_HISTORY;
  }
  return players[static_cast<size_t>(number - 1)];
}

int site_records::map_index(const std::string& name) {
  const auto [entry, made] =
      map_indexes.emplace(name, static_cast<int>(maps.size()));
  if (made) maps.push_back(map_total{name});
  return entry->second;
}

void site_records::add_game(const resultdata& game,
                            const std::vector<int>& numbers, int number) {
  game_summary summary;
  summary.number = number;
  summary.map = game.mapname;
  summary.gametype_name = game.gametype_name;
  summary.hostname = game.hostname;
  summary.started = game.started;
  summary.players = game.num_players;
  summary.teamgame = game.teamgame;
  const int n = game.num_players;
  std::vector<int> frags(static_cast<size_t>(n));
  int best = 0;
  int longest = 0;
  for (int i = 0; i < n; ++i) {
    const player_t& player = game.get_player(i);
    frags[static_cast<size_t>(i)] = player.frags();
    if (player.frags() > frags[static_cast<size_t>(best)]) best = i;
    longest = std::max(longest, player.playtime);
    summary.kills += game.player_kills(i);
  }
  summary.seconds = game.duration >= 0 ? game.duration : longest;
  if (n > 0) summary.winner = numbers[static_cast<size_t>(best)];
  if (game.teamgame) {
    // The server's own team scores (captures, rounds) decide where the
    // log gives them, else the teams' frags.
    const bool logged = game.mod.has(team_scores);
    summary.red_score = logged ? game.mod.team_scores[1] : game.get_team(1).score();
    summary.blue_score = logged ? game.mod.team_scores[2] : game.get_team(2).score();
    if (summary.red_score != summary.blue_score) {
      summary.winning_team = summary.red_score > summary.blue_score ? 1 : 2;
    }
  }
  const int map = map_index(game.mapname);
  summary.map_index = map;
  map_total& total = maps[static_cast<size_t>(map)];
  ++total.games;
  total.last_game = number;
  total.seconds += summary.seconds;
  for (int w = 0; w < MAX_WEAPONS; ++w) total.kills[w] += game.weapon_kills(w);
  for (int i = 0; i < n; ++i) {
    int place = 1;
    for (int other : frags) place += other > frags[static_cast<size_t>(i)];
    const bool won = game.teamgame
                         ? game.get_player(i).team == summary.winning_team
                         : i == best;
    add_player(game, i, numbers[static_cast<size_t>(i)], number, place, map,
               won);
  }
  if (!game.hostname.empty()) {
    auto server = std::find_if(servers.begin(), servers.end(), [&](auto& s) {
      return s.first == game.hostname;
    });
    if (server == servers.end()) {
      servers.emplace_back(game.hostname, 1);
    } else {
      ++server->second;
    }
  }
  add_awards(game.award_winners, numbers);
  kills += summary.kills;
  seconds += summary.seconds;
  games.push_back(std::move(summary));
}

void site_records::add_awards(const std::vector<award_winner>& awards,
                              const std::vector<int>& numbers) {
  for (const award_winner& winner : awards) {
    const int number = numbers[static_cast<size_t>(winner.player)];
    if (number < 1) continue;
    std::vector<award_count>& won =
        grown_to(players, static_cast<size_t>(number - 1)).awards;
    auto entry = std::find_if(won.begin(), won.end(), [&](auto& count) {
      return count.award == winner.award;
    });
    if (entry == won.end()) {
      won.push_back({winner.award, 1});
    } else {
      ++entry->games;
    }
  }
}

void site_records::add_player(const resultdata& game, int i, int number,
                              int game_number, int place, int map, bool won) {
  if (number < 1) return;
  const player_t& player = game.get_player(i);
  player_history& history = grown_to(players, static_cast<size_t>(number - 1));
  if (history.first_game == 0) history.first_game = game_number;
  history.last_game = game_number;
  history.wins += won;
  auto record = std::find_if(history.maps.begin(), history.maps.end(),
                             [map](const map_record& r) { return r.map == map; });
  if (record == history.maps.end()) {
    history.maps.push_back(map_record{map});
    record = history.maps.end() - 1;
  }
  if (player.rating.rated) {
    history.ratings.push_back({game_number, game.rated_pool,
                               static_cast<float>(player.rating.after.conservative())});
  }
  ++record->games;
  record->wins += won;
  record->frags += player.frags();
  record->kills += static_cast<int>(player.kills[0]);
  record->deaths += player.total_deaths();
  record->playtime += player.playtime;
  if (history.recent.size() == player_history::RECENT) {
    history.recent.erase(history.recent.begin());
  }
  history.recent.push_back({game_number, place, player.frags(),
                            static_cast<int>(player.kills[0]),
                            player.total_deaths()});
  auto name = std::find_if(history.names.begin(), history.names.end(),
                           [&](const name_use& u) { return u.raw == player.name; });
  if (name != history.names.end()) {
    ++name->games;
  } else if (history.names.size() < player_history::NAMES) {
    history.names.push_back({player.name, 1});
  }
}
