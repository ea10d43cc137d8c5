// The export's awards: each game's, and the run's all-time ones.
#include <cmath>
#include <string_view>
#include <vector>

#include "output/json_writer.h"
#include "stats/awards.h"
#include "stats/player_t.h"
#include "stats/resultdata.h"

namespace {

void write_view(json_writer& writer, std::string_view text) {
  writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

// The award's name and rule.
void write_head(json_writer& writer, const award_definition& award) {
  json_key(writer, "award");
  write_view(writer, award.name);
  json_key(writer, "rule");
  write_view(writer, award.rule);
}

// Seconds and counts as integers, an efficiency to a tenth of a percent.
void write_value(json_writer& writer, const award_definition& award,
                 double value) {
  json_key(writer, "value");
  if (award.unit == award_unit::percent) {
    writer.Double(std::round(value * 10.0) / 10.0);
  } else {
    writer.Int64(static_cast<int64_t>(value));
  }
}

}  // namespace

void write_json_game_awards(json_writer& writer, const resultdata& game,
                            const std::vector<int>& player_numbers) {
  const std::span<const award_definition> table = award_table();
  json_key(writer, "awards");
  writer.StartArray();
  for (const award_winner& winner : game.award_winners) {
    const award_definition& award = table[static_cast<size_t>(winner.award)];
    const size_t at = static_cast<size_t>(winner.player);
    writer.StartObject();
    write_head(writer, award);
    json_key(writer, "position");
    writer.Int(winner.player + 1);
    json_key(writer, "number");
    const int number = at < player_numbers.size() ? player_numbers[at] : 0;
    if (number > 0) {
      const std::string marked =
          PLAYER_MARK + std::to_string(number) + PLAYER_MARK;
      writer.RawValue(marked.data(), marked.size(), rapidjson::kNumberType);
    } else {
      writer.Null();
    }
    json_key(writer, "name");
    write_json_text(writer, game.get_player(winner.player).name);
    write_value(writer, award, winner.value);
    writer.EndObject();
  }
  writer.EndArray();
}

void write_json_run_awards(json_writer& writer,
                           const std::vector<award_winner>& winners,
                           const std::vector<const player_t*>& by_number) {
  const std::span<const award_definition> table = award_table();
  json_key(writer, "awards");
  writer.StartArray();
  for (const award_winner& winner : winners) {
    const size_t at = static_cast<size_t>(winner.player - 1);
    if (at >= by_number.size() || by_number[at] == nullptr) continue;
    const award_definition& award = table[static_cast<size_t>(winner.award)];
    writer.StartObject();
    write_head(writer, award);
    json_key(writer, "number");
    writer.Int(winner.player);
    json_key(writer, "name");
    write_json_text(writer, by_number[at]->name);
    write_value(writer, award, winner.value);
    writer.EndObject();
  }
  writer.EndArray();
}
