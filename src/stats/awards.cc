// The award table, and choosing the winners of a game or of the run.
#include "stats/awards.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "stats/mod_figures.h"
#include "stats/resultdata.h"

namespace {

using enum award_unit;
using enum award_tie;

constexpr award_definition AWARDS[] = {
    {"Rampage", "Most kills in one life, at least 3", measure_streak, false, 3,
     fewer_deaths, -1, count},
    {"Rocket ace", "Most kills with the rocket launcher, direct and splash",
     measure_rockets, false, 1, fewer_deaths, -1, count},
    {"Railgun ace", "Most kills with the railgun", measure_rails, false, 1,
     fewer_deaths, -1, count},
    {"Lightning ace", "Most kills with the lightning gun", measure_lightning,
     false, 1, fewer_deaths, -1, count},
    {"Plasma ace", "Most kills with the plasma gun, direct and splash",
     measure_plasma, false, 1, fewer_deaths, -1, count},
    {"Shotgun ace", "Most kills with the shotgun", measure_shotgun, false, 1,
     fewer_deaths, -1, count},
    {"Humiliator", "Most kills with the gauntlet", measure_gauntlet, false, 1,
     fewer_deaths, -1, count},
    {"Sharpshooter",
     "Best efficiency (kills per kill and death) with at least 20 kills",
     measure_kills, true, 20, more_kills, -1, percent},
    {"Kamikaze", "Most suicides", measure_suicides, false, 1, fewer_kills, -1,
     count},
    {"Clumsy", "Most deaths no player caused (falls, lava, drowning)",
     measure_world_deaths, false, 1, fewer_kills, -1, count},
    {"Traitor", "Most team kills", measure_team_kills, false, 1, fewer_kills,
     -1, count},
    {"Quad hunter", "Most quad damage pickups", measure_quads, false, 1,
     more_kills, -1, count},
    {"Mega hoarder", "Most mega health pickups", measure_megas, false, 1,
     more_kills, -1, count},
    {"Marathon", "Longest play time, at least a minute", measure_playtime,
     false, 60, more_kills, -1, seconds},
    {"Flag runner", "Most flag captures, where the log gives them",
     measure_captures, false, 1, more_kills, flag_captures, count},
    {"Flag keeper", "Most flag returns, where the log gives them",
     measure_returns, false, 1, more_kills, flag_returns, count},
    {"Wingman", "Most assists, where the log gives them", measure_assists,
     false, 1, more_kills, assists, count},
    {"Round winner", "Most rounds won, where the log gives them",
     measure_round_wins, false, 1, more_kills, round_wins, count},
};

// The weapon awards count the kills of the slots a game names so: its
// weapon set's names (the shipped sets' and the built-in ones), else the
// log's own words.
struct weapon_award {
  award_measure measure;
  std::array<std::string_view, 5> names;
};
constexpr weapon_award WEAPON_AWARDS[] = {
    {measure_rockets,
     {"Rocket launcher", "Rocket", "Rocket splash", "MOD_ROCKET",
      "MOD_ROCKET_SPLASH"}},
    {measure_rails, {"Railgun", "MOD_RAILGUN"}},
    {measure_lightning, {"Lightning gun", "MOD_LIGHTNING"}},
    {measure_plasma,
     {"Plasma gun", "Plasma", "Plasma splash", "MOD_PLASMA",
      "MOD_PLASMA_SPLASH"}},
    {measure_shotgun, {"Shotgun", "MOD_SHOTGUN"}},
    {measure_gauntlet, {"Gauntlet", "MOD_GAUNTLET"}},
};

uint32_t saturated(uint64_t value) {
  return static_cast<uint32_t>(
      std::min<uint64_t>(value, std::numeric_limits<uint32_t>::max()));
}

// The game's weapon slots that an award counts, with its measure. A slot
// no kill used is skipped: most games use a few of them.
using weapon_measures = std::vector<std::pair<int, award_measure>>;
weapon_measures measured_weapons(const resultdata& game) {
  weapon_measures measures;
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    if (!game.weapon_in_matrix(slot)) continue;
    const std::string& name = game.weapon_name(slot);
    for (const weapon_award& award : WEAPON_AWARDS) {
      if (std::find(award.names.begin(), award.names.end(), name) !=
          award.names.end()) {
        measures.emplace_back(slot, award.measure);
      }
    }
  }
  return measures;
}

award_sample sample_of(const player_t& player, const weapon_measures& weapons) {
  award_sample sample;
  auto& v = sample.values;
  v[measure_kills] = player.kills[0];
  v[measure_deaths] = static_cast<uint32_t>(player.total_deaths());
  v[measure_suicides] = player.suicides[0];
  v[measure_world_deaths] = player.deaths;
  v[measure_team_kills] = player.teamkills[0];
  v[measure_quads] = player.pickups[item_quad];
  v[measure_megas] = player.pickups[item_health_mega];
  v[measure_playtime] = static_cast<uint32_t>(player.playtime);
  v[measure_streak] = player.mkiol;
  for (auto [slot, measure] : weapons) {
    v[measure] = saturated(uint64_t{v[measure]} + player.kills[slot]);
  }
  v[measure_captures] = player.mod.counts[flag_captures];
  v[measure_returns] = player.mod.counts[flag_returns];
  v[measure_assists] = player.mod.counts[assists];
  v[measure_round_wins] = player.mod.counts[round_wins];
  return sample;
}

double award_value(const award_definition& award, const award_sample& s) {
  if (!award.efficiency) return s.values[award.measure];
  const double kills = s.values[measure_kills];
  return 100.0 * kills / (kills + s.values[measure_deaths]);
}

// True when a (value x) beats b (value y) before the order falls back on
// the players' places.
bool beats(const award_definition& award, double x, const award_sample& a,
           double y, const award_sample& b) {
  if (x != y) return x > y;
  const uint32_t kills_a = a.values[measure_kills];
  const uint32_t kills_b = b.values[measure_kills];
  switch (award.tie) {
    case fewer_deaths:
      return a.values[measure_deaths] < b.values[measure_deaths];
    case more_kills:
      return kills_a > kills_b;
    case fewer_kills:
      return kills_a < kills_b;
  }
  return false;
}

}  // namespace

void award_sample::add(const award_sample& game) {
  for (int m = 0; m < AWARD_MEASURES; ++m) {
    values[m] = m == measure_streak
                    ? std::max(values[m], game.values[m])
                    : saturated(uint64_t{values[m]} + game.values[m]);
  }
}

std::span<const award_definition> award_table() { return AWARDS; }

std::vector<award_winner> choose_award_winners(
    const std::vector<award_sample>& samples, uint32_t provided) {
  std::vector<award_winner> winners;
  for (size_t a = 0; a < std::size(AWARDS); ++a) {
    const award_definition& award = AWARDS[a];
    if (award.figure >= 0 && ((provided >> award.figure) & 1u) == 0) continue;
    int best = -1;
    double best_value = 0.0;
    for (size_t i = 0; i < samples.size(); ++i) {
      if (samples[i].values[award.measure] < award.minimum) continue;
      const double value = award_value(award, samples[i]);
      if (best < 0 || beats(award, value, samples[i], best_value,
                            samples[static_cast<size_t>(best)])) {
        best = static_cast<int>(i);
        best_value = value;
      }
    }
    if (best >= 0) winners.push_back({static_cast<int>(a), best, best_value});
  }
  return winners;
}

std::vector<award_sample> game_award_samples(const resultdata& game) {
  const weapon_measures weapons = measured_weapons(game);
  std::vector<award_sample> samples;
  samples.reserve(static_cast<size_t>(game.num_players));
  for (int i = 0; i < game.num_players; ++i) {
    samples.push_back(sample_of(game.get_player(i), weapons));
  }
  return samples;
}

std::vector<award_winner> award_tally::add_game(
    const resultdata& game, const std::vector<int>& numbers) {
  const std::vector<award_sample> samples = game_award_samples(game);
  for (size_t i = 0; i < samples.size() && i < numbers.size(); ++i) {
    if (numbers[i] < 1) continue;
    const size_t index = static_cast<size_t>(numbers[i] - 1);
    if (players.size() <= index) players.resize(index + 1);
    players[index].add(samples[i]);
  }
  provided |= game.mod.provided;
  return choose_award_winners(samples, game.mod.provided);
}

std::vector<award_winner> award_tally::winners() const {
  std::vector<award_winner> chosen = choose_award_winners(players, provided);
  for (award_winner& winner : chosen) ++winner.player;
  return chosen;
}
