// The export's texts and numbers, the counts every player object shares,
// and the run-wide players with their opponents.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "config/configdata.h"
#include "output/json_text.h"
#include "output/json_writer.h"
#include "output/player_cells.h"
#include "stats/player_t.h"

void move_json(rapidjson::StringBuffer& buffer, outputfile& file) {
  file.write(std::string_view(buffer.GetString(), buffer.GetSize()));
  buffer.Clear();
}

void write_json_text(json_writer& writer, std::string_view bytes) {
  // Most texts are ASCII, which is UTF-8 as it stands.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80;
  });
  const std::string text = ascii ? std::string() : json_text(bytes);
  const std::string_view utf8 = ascii ? bytes : std::string_view(text);
  writer.String(utf8.data(), static_cast<rapidjson::SizeType>(utf8.size()));
}

void write_json_plain(json_writer& writer, std::string_view raw_name) {
  const std::string plain = json_plain_text(raw_name);
  writer.String(plain.data(), static_cast<rapidjson::SizeType>(plain.size()));
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
  json_key(writer, "kills");
  writer.Uint(player.kills[0]);
  json_key(writer, "killed");
  writer.Uint(player.killed[0]);
  json_key(writer, "suicides");
  writer.Uint(player.suicides[0]);
  json_key(writer, "world_deaths");
  writer.Uint(player.deaths);
  json_key(writer, "total_deaths");
  writer.Int(player.total_deaths());
  json_key(writer, "frags");
  writer.Int(player.frags());
  // Without playtime the ratio is a sentinel that the pages show as "ERR".
  json_key(writer, "ratio");
  const double ratio = player.ratio();
  if (ratio_is_error(ratio)) {
    writer.Null();
  } else {
    write_json_number(writer, ratio);
  }
  json_key(writer, "eff");
  write_json_number(writer, player.eff());
  json_key(writer, "skill");
  write_json_number(writer, player.skill());
  json_key(writer, "fpm");
  write_json_number(writer, per_minute(player.frags(), player.playtime));
  json_key(writer, "dpm");
  write_json_number(writer, per_minute(player.total_deaths(), player.playtime));
  json_key(writer, "playtime");
  writer.Int(player.playtime);
  // The average as the ranking pages compute it.
  json_key(writer, "ping");
  write_json_optional(writer, player.ping_count != 0,
                      player.ping_count == 0 ? 0 : average_ping(player));
}

void write_json_weapons(json_writer& writer, const player_t& player,
                        const weapon_slot_names& names) {
  json_key(writer, "weapons");
  writer.StartArray();
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    const uint32_t kills = player.kills[slot];
    const uint32_t killed = player.killed[slot];
    const uint32_t suicides = player.suicides[slot];
    if (kills == 0 && killed == 0 && suicides == 0) continue;
    writer.StartObject();
    json_key(writer, "slot");
    writer.Int(slot);
    json_key(writer, "name");
    write_json_text(writer, names[static_cast<size_t>(slot)]);
    json_key(writer, "kills");
    writer.Uint(kills);
    json_key(writer, "killed");
    writer.Uint(killed);
    json_key(writer, "suicides");
    writer.Uint(suicides);
    writer.EndObject();
  }
  writer.EndArray();
}

void write_json_skill(json_writer& writer, const skill& belief) {
  writer.StartObject();
  json_key(writer, "mu");
  write_json_number(writer, belief.mu);
  json_key(writer, "sigma");
  write_json_number(writer, belief.sigma);
  writer.EndObject();
}

namespace {

// The player's rating in each pool with a rated game: belief, the
// conservative rating mu - 3 sigma, games, and whether there are enough
// of them for the player to be ranked.
void write_ratings(json_writer& writer, const player_t& player,
                   const configdata& config) {
  json_key(writer, "ratings");
  writer.StartObject();
  for (int pool = 0; pool < RATING_POOLS; ++pool) {
    const pool_rating& rating = player.ratings[static_cast<size_t>(pool)];
    if (rating.games == 0) continue;
    writer.Key(rating_pool_name(pool));
    writer.StartObject();
    json_key(writer, "mu");
    write_json_number(writer, rating.belief.mu);
    json_key(writer, "sigma");
    write_json_number(writer, rating.belief.sigma);
    json_key(writer, "rating");
    write_json_number(writer, rating.belief.conservative());
    json_key(writer, "games");
    writer.Int(rating.games);
    json_key(writer, "ranked");
    writer.Bool(rating.games >= config.rating_min_games);
    writer.EndObject();
  }
  writer.EndObject();
}

// The opponents a player page counts (those with kills or deaths), in its
// order; each named after its own run-wide record.
void write_opponents(json_writer& writer, const player_t& player) {
  json_key(writer, "opponents");
  writer.StartArray();
  for (const p2p_t& opponent : player.opponents) {
    if (opponent.kills[0] == 0 && opponent.deaths[0] == 0) continue;
    const player_t* record = opponent.opponent;
    writer.StartObject();
    json_key(writer, "plain");
    write_json_plain(writer, record != nullptr ? record->name : opponent.name);
    json_key(writer, "number");
    write_json_optional(writer, record != nullptr && record->listed,
                        record != nullptr ? record->number : 0);
    json_key(writer, "kills");
    writer.Uint(opponent.kills[0]);
    json_key(writer, "deaths");
    writer.Uint(opponent.deaths[0]);
    writer.EndObject();
  }
  writer.EndArray();
}

}  // namespace

void write_json_player(json_writer& writer, const player_t& player,
                       const configdata& config,
                       const weapon_slot_names& weapon_names) {
  writer.StartObject();
  json_key(writer, "number");
  write_json_optional(writer, player.listed, player.number);
  json_key(writer, "name");
  write_json_text(writer, player.name);
  json_key(writer, "plain");
  write_json_plain(writer, player.name);
  json_key(writer, "bot_skill");
  write_json_optional(writer, player.bot_skill >= 0, player.bot_skill);
  json_key(writer, "games");
  writer.Int(player.games);
  write_json_counts(writer, player);
  write_json_weapons(writer, player, weapon_names);
  write_opponents(writer, player);
  write_ratings(writer, player, config);
  writer.EndObject();
}
