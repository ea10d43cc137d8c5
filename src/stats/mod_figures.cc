// The figures of the mods' own lines: names, and the game record's
// operations that count them.
#include "stats/mod_figures.h"

#include <algorithm>
#include <limits>

#include "diverse/numbers.h"
#include "stats/resultdata.h"

namespace {

constexpr std::string_view figure_names[MOD_FIGURES] = {
    "flag_takes",
    "flag_captures",
    "flag_returns",
    "flag_drops",
    "flag_carrier_kills",
    "assists",
    "round_wins",
    "fastest_capture_ms",
    "server_score",
    "awards",
    "shots",
    "hits",
    "team_scores",
    "team_round_wins",
};

uint32_t saturated_add(uint32_t sum, int64_t value) {
  if (value <= 0) return sum;
  constexpr int64_t top = std::numeric_limits<uint32_t>::max();
  return static_cast<uint32_t>(std::min(top, int64_t{sum} + value));
}

std::string_view cut_name(std::string_view name) {
  return name.substr(0, player_mod_figures::MAX_NAME);
}

}  // namespace

std::string_view mod_figure_name(int figure) {
  return figure >= 0 && figure < MOD_FIGURES ? figure_names[figure] : "";
}

void player_mod_figures::add_award(std::string_view name) {
  name = cut_name(name);
  for (named_count& award : awards) {
    if (award.name == name) {
      award.count = saturated_add(award.count, 1);
      return;
    }
  }
  if (awards.size() < MAX_NAMES) awards.push_back({std::string(name), 1});
}

void player_mod_figures::add_accuracy(std::string_view weapon,
                                      int64_t shot_count, int64_t hit_count) {
  weapon = cut_name(weapon);
  auto found = std::find_if(
      accuracy.begin(), accuracy.end(),
      [&](const weapon_accuracy& entry) { return entry.weapon == weapon; });
  if (found == accuracy.end()) {
    if (accuracy.size() == MAX_NAMES) return;
    found = accuracy.insert(accuracy.end(), {std::string(weapon), 0, 0});
  }
  found->shots = saturated_add(found->shots, shot_count);
  found->hits = saturated_add(found->hits, hit_count);
}

player_mod_figures* resultdata::figures_of(int client, int figure) {
  if (!running) return nullptr;
  player_t* player = slot_player(client);
  if (player == nullptr) return nullptr;
  mod.provide(figure);
  return &player->mod;
}

void resultdata::count_figure(int client, mod_figure figure) {
  if (figure >= MOD_COUNTS) return;
  player_mod_figures* figures = figures_of(client, figure);
  if (figures == nullptr) return;
  uint32_t& count = figures->counts[static_cast<size_t>(figure)];
  count = saturated_add(count, 1);
}

void resultdata::capture_time(int client, int64_t milliseconds) {
  if (milliseconds < 0) return;
  player_mod_figures* figures = figures_of(client, fastest_capture);
  if (figures == nullptr) return;
  const int time = diverse::saturate_int32(milliseconds);
  if (figures->fastest_capture_ms < 0 || time < figures->fastest_capture_ms) {
    figures->fastest_capture_ms = time;
  }
}

void resultdata::set_server_score(int client, int score) {
  player_mod_figures* figures = figures_of(client, server_score);
  if (figures != nullptr) figures->server_score = score;
}

void resultdata::add_award(int client, std::string_view name) {
  player_mod_figures* figures = figures_of(client, awards);
  if (figures != nullptr) figures->add_award(name);
}

void resultdata::add_accuracy(int client, std::string_view weapon,
                              int64_t shot_count, int64_t hit_count,
                              bool shots_known) {
  player_mod_figures* figures = figures_of(client, hits);
  if (figures == nullptr) return;
  if (shots_known) mod.provide(shots);
  figures->add_accuracy(weapon, shots_known ? shot_count : 0, hit_count);
}

void resultdata::set_team_score(int team, int score) {
  if (!running || (team != 1 && team != 2)) return;
  mod.provide(team_scores);
  mod.team_scores[static_cast<size_t>(team)] = score;
}

void resultdata::add_round_win(int team) {
  if (!running || team < 0 || team > 2) return;
  mod.provide(team_round_wins);
  uint32_t& wins = mod.team_round_wins[static_cast<size_t>(team)];
  wins = saturated_add(wins, 1);
}
