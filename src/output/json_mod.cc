// The export's figures of the mods' own lines, per game and player, and
// the counts by name that they and the reading report share.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "output/json_text.h"
#include "output/json_writer.h"
#include "stats/mod_figures.h"

namespace {

void write_name(json_writer& writer, std::string_view name) {
  writer.String(name.data(), static_cast<rapidjson::SizeType>(name.size()));
}

void write_key(json_writer& writer, std::string_view name) {
  writer.Key(name.data(), static_cast<rapidjson::SizeType>(name.size()));
}

// A score or round count per team by name.
template <typename Number>
void write_by_team(json_writer& writer, const std::array<Number, 3>& values,
                   bool with_draws) {
  writer.StartObject();
  json_key(writer, "red");
  writer.Int64(values[1]);
  json_key(writer, "blue");
  writer.Int64(values[2]);
  if (with_draws) {
    json_key(writer, "draws");
    writer.Int64(values[0]);
  }
  writer.EndObject();
}

void write_accuracy(json_writer& writer, const player_mod_figures& player,
                    bool with_shots) {
  json_key(writer, "accuracy");
  writer.StartArray();
  for (const weapon_accuracy& weapon : player.accuracy) {
    writer.StartObject();
    json_key(writer, "weapon");
    write_json_text(writer, weapon.weapon);
    if (with_shots) {
      json_key(writer, "shots");
      writer.Uint(weapon.shots);
    }
    json_key(writer, "hits");
    writer.Uint(weapon.hits);
    writer.EndObject();
  }
  writer.EndArray();
}

}  // namespace

void write_json_tally(
    json_writer& writer,
    const std::vector<std::pair<std::string, int64_t>>& counts) {
  // Two byte strings can give one text (Latin-1 and UTF-8 forms of a
  // letter): a JSON object must not name a member twice.
  std::vector<std::pair<std::string, int64_t>> merged;
  for (const auto& [name, count] : counts) {
    std::string text = json_text(name);
    auto same =
        std::find_if(merged.begin(), merged.end(),
                     [&](const auto& entry) { return entry.first == text; });
    if (same == merged.end()) {
      merged.emplace_back(std::move(text), count);
    } else {
      same->second += count;
    }
  }
  writer.StartObject();
  for (const auto& [text, count] : merged) {
    write_key(writer, text);
    writer.Int64(count);
  }
  writer.EndObject();
}

void write_json_game_mod(json_writer& writer, const game_mod_figures& game) {
  json_key(writer, "mod");
  writer.StartObject();
  json_key(writer, "figures");
  writer.StartArray();
  for (int figure = 0; figure < MOD_FIGURES; ++figure) {
    if (game.has(figure)) write_name(writer, mod_figure_name(figure));
  }
  writer.EndArray();
  if (game.has(team_scores)) {
    json_key(writer, "team_scores");
    write_by_team(writer, game.team_scores, false);
  }
  if (game.has(team_round_wins)) {
    json_key(writer, "round_wins");
    write_by_team(writer, game.team_round_wins, true);
  }
  writer.EndObject();
}

void write_json_player_mod(json_writer& writer,
                           const player_mod_figures& player,
                           const game_mod_figures& game) {
  json_key(writer, "mod");
  writer.StartObject();
  for (int figure = 0; figure < MOD_COUNTS; ++figure) {
    if (!game.has(figure)) continue;
    write_key(writer, mod_figure_name(figure));
    writer.Uint(player.counts[static_cast<size_t>(figure)]);
  }
  if (game.has(fastest_capture)) {
    json_key(writer, "fastest_capture_ms");
    write_json_optional(writer, player.fastest_capture_ms >= 0,
                        player.fastest_capture_ms);
  }
  if (game.has(server_score)) {
    json_key(writer, "server_score");
    writer.Int(player.server_score);
  }
  if (game.has(awards)) {
    std::vector<std::pair<std::string, int64_t>> counts;
    for (const named_count& award : player.awards) {
      counts.emplace_back(award.name, award.count);
    }
    json_key(writer, "awards");
    write_json_tally(writer, counts);
  }
  if (game.has(hits)) write_accuracy(writer, player, game.has(shots));
  writer.EndObject();
}
