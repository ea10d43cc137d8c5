// One game of the export: settings, teams in the Teams table's order,
// players in the kill chart's order, and the kill matrix.
#include <cstdint>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "output/json_text.h"
#include "output/json_writer.h"
#include "stats/resultdata.h"
#include "stats/weapons.h"

namespace {

// Team codes by name; codes without a name (-1 unknown, or odd values from
// the log) are null.
const char* team_name(int code) {
  switch (code) {
    case 0: return "free";
    case 1: return "red";
    case 2: return "blue";
    case 3: return "spectator";
    default: return nullptr;
  }
}

// The row of the Teams table, with its numbers: Frags there is the team's
// score (frags less team kills), and Score takes the team kills off once
// more.
void write_team(json_writer& writer, const player_t& team, const char* name) {
  const int64_t score = team.score();
  writer.StartObject();
  json_key(writer, "team");
  writer.String(name);
  json_key(writer, "eff");
  write_json_number(writer, team.eff());
  json_key(writer, "skill");
  write_json_number(writer, team.skill());
  json_key(writer, "score");
  writer.Int64(score - team.teamkills[0]);
  json_key(writer, "frags");
  writer.Int64(score);
  json_key(writer, "kills");
  writer.Uint(team.kills[0]);
  json_key(writer, "killed");
  writer.Uint(team.killed[0]);
  json_key(writer, "suicides");
  writer.Uint(team.suicides[0]);
  json_key(writer, "world_deaths");
  writer.Uint(team.deaths);
  json_key(writer, "total_deaths");
  writer.Int(team.total_deaths());
  json_key(writer, "team_kills");
  writer.Uint(team.teamkills[0]);
  writer.EndObject();
}

// The leading team first; blue leads on equal scores, as on the page.
void write_teams(json_writer& writer, const resultdata& game) {
  json_key(writer, "teams");
  writer.StartArray();
  if (game.teamgame) {
    const player_t& red = game.get_team(1);
    const player_t& blue = game.get_team(2);
    if (red.score() > blue.score()) {
      write_team(writer, red, "red");
      write_team(writer, blue, "blue");
    } else {
      write_team(writer, blue, "blue");
      write_team(writer, red, "red");
    }
  }
  writer.EndArray();
}

void write_team_members(json_writer& writer, const player_t& player) {
  json_key(writer, "team");
  const char* team = team_name(player.team);
  if (team == nullptr) {
    writer.Null();
  } else {
    writer.String(team);
  }
  // The collapsed history, as the Team column's marks show it.
  json_key(writer, "team_history");
  writer.StartArray();
  for (char code : player.team_history) {
    if (code >= 1 && code <= 3) writer.String(team_name(code));
  }
  writer.EndArray();
}

void write_pickups(json_writer& writer, const player_t& player) {
  json_key(writer, "pickups");
  writer.StartObject();
  for (int item = 0; item < ITEM_CLASSES; ++item) {
    const uint32_t count = player.pickups[static_cast<size_t>(item)];
    if (count == 0) continue;
    const std::string_view name = item_class_name(item);
    writer.Key(name.data(), static_cast<rapidjson::SizeType>(name.size()));
    writer.Uint(count);
  }
  writer.EndObject();
}

// The run-wide number goes in as marks that the export replaces (by the
// number, or null for a player without a page).
void write_player_number(json_writer& writer, int number) {
  json_key(writer, "number");
  if (number <= 0) {
    writer.Null();
    return;
  }
  const std::string marked = PLAYER_MARK + std::to_string(number) + PLAYER_MARK;
  writer.RawValue(marked.data(), marked.size(), rapidjson::kNumberType);
}

void write_game_player(json_writer& writer, const player_t& player,
                       const weapon_slot_names& weapon_names,
                       const resultdata& game, int position, int number) {
  writer.StartObject();
  json_key(writer, "position");
  writer.Int(position);
  write_player_number(writer, number);
  json_key(writer, "name");
  write_json_text(writer, player.name);
  json_key(writer, "plain");
  write_json_plain(writer, player.name);
  write_team_members(writer, player);
  json_key(writer, "bot_skill");
  write_json_optional(writer, player.bot_skill >= 0, player.bot_skill);
  write_json_counts(writer, player);
  json_key(writer, "team_kills");
  writer.Uint(player.teamkills[0]);
  json_key(writer, "score");
  writer.Int(player.score());
  // The game page's Avg. life: playtime per life, whole seconds.
  json_key(writer, "average_life");
  writer.Int64(player.playtime /
               (static_cast<int64_t>(player.total_deaths()) + 1));
  json_key(writer, "longest_streak");
  writer.Uint(player.mkiol);
  json_key(writer, "longest_streak_time");
  writer.Uint(player.mkiol_time);
  write_json_weapons(writer, player, weapon_names);
  write_pickups(writer, player);
  write_json_player_mod(writer, player.mod, game.mod);
  // The belief in the game's pool before and after the game, for a player
  // rated in it.
  if (player.rating.rated) {
    json_key(writer, "rating_before");
    write_json_skill(writer, player.rating.before);
    json_key(writer, "rating_after");
    write_json_skill(writer, player.rating.after);
  }
  writer.EndObject();
}

// [killer position, victim position, slot, count] for every non-zero cell
// of slots 1 to 39, slot by slot; a suicide is a cell with killer = victim.
void write_kill_matrix(json_writer& writer, const resultdata& game) {
  json_key(writer, "kills");
  writer.StartArray();
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    if (!game.weapon_in_matrix(slot)) continue;
    for (int k = 0; k < game.num_players; ++k) {
      // A large game's matrix is mostly zero: scan each row in place.
      const uint16_t* row = &game.kill_matrix[game.matrix_index(k, 0, slot)];
      for (int v = 0; v < game.num_players; ++v) {
        const int count = row[v];
        if (count == 0) continue;
        writer.StartArray();
        writer.Int(k + 1);
        writer.Int(v + 1);
        writer.Int(slot);
        writer.Int(count);
        writer.EndArray();
      }
    }
  }
  writer.EndArray();
}

// The game's public chat as its page shows it: each kept line's time from
// the game's start (the log's own time without an InitGame time), speaker
// and words; then how many lines were read but not kept.
void write_chat(json_writer& writer, const resultdata& game) {
  json_key(writer, "chat");
  writer.StartArray();
  for (size_t i = 0; i < game.chat.size(); ++i) {
    const game_chat::line line = game.chat.at(i);
    writer.StartObject();
    json_key(writer, "time");
    writer.Int64(game.init_time < 0
                     ? int64_t{line.time}
                     : int64_t{line.time} - game.init_time);
    json_key(writer, "name");
    write_json_text(writer, line.name);
    json_key(writer, "plain");
    write_json_plain(writer, line.name);
    json_key(writer, "said");
    write_json_text(writer, line.said());
    json_key(writer, "spectator");
    writer.Bool(line.spectator);
    writer.EndObject();
  }
  writer.EndArray();
  json_key(writer, "chat_cut");
  writer.Int64(game.chat.cut());
}

}  // namespace

void write_json_game(json_writer& writer, const resultdata& game, int number,
                     std::string_view log_path,
                     const std::vector<int>& player_numbers) {
  writer.StartObject();
  json_key(writer, "number");
  writer.Int(number);
  json_key(writer, "log");
  write_json_text(writer, json_log_name(log_path));
  json_key(writer, "hostname");
  if (game.hostname.empty()) {
    writer.Null();
  } else {
    write_json_text(writer, game.hostname);
  }
  json_key(writer, "started");
  if (game.started.empty()) {
    writer.Null();
  } else {
    writer.String(game.started.data(),
                  static_cast<rapidjson::SizeType>(game.started.size()));
  }
  json_key(writer, "duration");
  write_json_optional(writer, game.duration >= 0, game.duration);
  json_key(writer, "map");
  write_json_text(writer, game.mapname);
  json_key(writer, "gametype");
  writer.Int(game.gametype);
  json_key(writer, "gametype_name");
  write_json_text(writer, game.gametype_name);
  json_key(writer, "gamename");
  write_json_text(writer, game.gamename);
  json_key(writer, "timelimit");
  writer.Int(game.timelimit);
  json_key(writer, "fraglimit");
  writer.Int(game.fraglimit);
  json_key(writer, "team_game");
  writer.Bool(game.teamgame);
  json_key(writer, "rating_pool");
  if (game.rated_pool == NOT_RATED) {
    writer.Null();
  } else {
    writer.String(rating_pool_name(game.rated_pool));
  }
  write_teams(writer, game);
  write_json_game_mod(writer, game.mod);
  json_key(writer, "players");
  writer.StartArray();
  weapon_slot_names weapon_names;
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    weapon_names[static_cast<size_t>(slot)] = game.weapon_name(slot);
  }
  for (int i = 0; i < game.num_players; ++i) {
    const size_t at = static_cast<size_t>(i);
    write_game_player(writer, game.get_player(i), weapon_names, game, i + 1,
                      at < player_numbers.size() ? player_numbers[at] : 0);
  }
  writer.EndArray();
  write_kill_matrix(writer, game);
  write_json_game_awards(writer, game, player_numbers);
  write_chat(writer, game);
  writer.EndObject();
}
