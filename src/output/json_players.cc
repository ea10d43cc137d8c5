// The export's texts and numbers, the counts every player object shares,
// and the run-wide players with their opponents.
#include <cmath>
#include <cstdint>

#include "config/configdata.h"
#include "diverse/funname.h"
#include "output/json_text.h"
#include "output/json_writer.h"
#include "output/player_cells.h"
#include "stats/player_t.h"

void write_json_text(json_writer& writer, std::string_view bytes) {
  const std::string text = json_text(bytes);
  writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void write_json_plain(json_writer& writer, std::string_view raw_name) {
  write_json_text(writer, diverse::funname_to_text(raw_name));
}

void write_json_number(json_writer& writer, double value) {
  if (std::isfinite(value)) {
    writer.Double(value);
  } else {
    writer.Null();
  }
}

void write_json_optional(json_writer& writer, bool present, int64_t value) {
  if (present) {
    writer.Int64(value);
  } else {
    writer.Null();
  }
}

void write_json_counts(json_writer& writer, const player_t& player) {
  writer.Key("kills");
  writer.Uint(player.kills[0]);
  writer.Key("killed");
  writer.Uint(player.killed[0]);
  writer.Key("suicides");
  writer.Uint(player.suicides[0]);
  writer.Key("world_deaths");
  writer.Uint(player.deaths);
  writer.Key("total_deaths");
  writer.Int(player.total_deaths());
  writer.Key("frags");
  writer.Int(player.frags());
  // Without playtime the ratio is a sentinel that the pages show as "ERR".
  writer.Key("ratio");
  const double ratio = player.ratio();
  if (ratio_is_error(ratio)) {
    writer.Null();
  } else {
    write_json_number(writer, ratio);
  }
  writer.Key("eff");
  write_json_number(writer, player.eff());
  writer.Key("skill");
  write_json_number(writer, player.skill());
  writer.Key("fpm");
  write_json_number(writer, per_minute(player.frags(), player.playtime));
  writer.Key("dpm");
  write_json_number(writer, per_minute(player.total_deaths(), player.playtime));
  writer.Key("playtime");
  writer.Int(player.playtime);
  // The average as the ranking pages compute it, in unsigned division.
  writer.Key("ping");
  write_json_optional(writer, player.ping_count != 0,
                      player.ping_count == 0
                          ? 0
                          : static_cast<uint32_t>(player.ping_sum) /
                                static_cast<uint32_t>(player.ping_count));
}

void write_json_weapons(json_writer& writer, const player_t& player,
                        const configdata& config) {
  writer.Key("weapons");
  writer.StartArray();
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    const uint32_t kills = player.kills[slot];
    const uint32_t killed = player.killed[slot];
    const uint32_t suicides = player.suicides[slot];
    if (kills == 0 && killed == 0 && suicides == 0) continue;
    writer.StartObject();
    writer.Key("slot");
    writer.Int(slot);
    writer.Key("name");
    write_json_text(writer, config.weaponnames[static_cast<size_t>(slot)]);
    writer.Key("kills");
    writer.Uint(kills);
    writer.Key("killed");
    writer.Uint(killed);
    writer.Key("suicides");
    writer.Uint(suicides);
    writer.EndObject();
  }
  writer.EndArray();
}

namespace {

// The opponents a player page counts (those with kills or deaths), in its
// order; each named after its own run-wide record.
void write_opponents(json_writer& writer, const player_t& player) {
  writer.Key("opponents");
  writer.StartArray();
  for (const p2p_t& opponent : player.opponents) {
    if (opponent.kills[0] == 0 && opponent.deaths[0] == 0) continue;
    const player_t* record = opponent.opponent;
    writer.StartObject();
    writer.Key("plain");
    write_json_plain(writer, record != nullptr ? record->name : opponent.name);
    writer.Key("number");
    write_json_optional(writer, record != nullptr && record->listed,
                        record != nullptr ? record->number : 0);
    writer.Key("kills");
    writer.Uint(opponent.kills[0]);
    writer.Key("deaths");
    writer.Uint(opponent.deaths[0]);
    writer.EndObject();
  }
  writer.EndArray();
}

}  // namespace

void write_json_player(json_writer& writer, const player_t& player,
                       const configdata& config) {
  writer.StartObject();
  writer.Key("number");
  write_json_optional(writer, player.listed, player.number);
  writer.Key("name");
  write_json_text(writer, player.name);
  writer.Key("plain");
  write_json_plain(writer, player.name);
  writer.Key("bot_skill");
  write_json_optional(writer, player.bot_skill >= 0, player.bot_skill);
  writer.Key("games");
  writer.Int(player.games);
  write_json_counts(writer, player);
  write_json_weapons(writer, player, config);
  write_opponents(writer, player);
  writer.EndObject();
}
