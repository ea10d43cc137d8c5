// The data export: the games' spool while the logs are read, and the
// document assembled from it at the end.
#include "output/json_export.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/fatal_error.h"
#include "output/json_writer.h"
#include "stats/resultdata_total.h"

namespace {

// The version of the document's layout; raised when a field changes its
// meaning or goes away (new fields keep it).
constexpr int FORMAT = 1;

std::string utc_now_text() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  char text[32] = "";
  if (gmtime_r(&now, &utc) != nullptr) {
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  }
  return text;
}

void write_head(json_writer& writer) {
  writer.Key("morv");
  writer.StartObject();
  writer.Key("version");
  writer.String(MORV_VERSION);
  writer.Key("format");
  writer.Int(FORMAT);
  writer.EndObject();
  writer.Key("generated");
  writer.String(utc_now_text().c_str());
}

// The limits count only when a limit option switched them on, as the
// settings the run prints.
void write_options(json_writer& writer, const configdata& config) {
  const bool limits = config.filters_on;
  writer.Key("options");
  writer.StartObject();
  writer.Key("skip_bots");
  writer.Bool(config.skip_bots);
  writer.Key("sort_primary");
  writer.String(sortkey_name(config.sort_primary));
  writer.Key("sort_secondary");
  writer.String(sortkey_name(config.sort_secondary));
  writer.Key("min_kills");
  writer.Int(limits ? config.min_kills : 0);
  writer.Key("min_games");
  writer.Int(limits ? config.min_games : 0);
  writer.Key("min_playtime");
  writer.Int(limits ? config.min_playtime : 0);
  writer.Key("max_players");
  writer.Int(limits ? config.max_players : 0);
  writer.Key("top_players");
  writer.Int(config.top_players);
  writer.Key("games_per_page");
  writer.Int(config.games_per_file);
  writer.Key("weapon_set");
  if (config.set_weaponset.empty()) {
    writer.Null();
  } else {
    write_json_text(writer, config.set_weaponset);
  }
  writer.EndObject();
}

void write_logs(json_writer& writer,
                const std::vector<json_export::log_entry>& logs) {
  writer.Key("logs");
  writer.StartArray();
  for (const json_export::log_entry& log : logs) {
    writer.StartObject();
    writer.Key("path");
    write_json_text(writer, log.path);
    writer.Key("bytes");
    writer.Int64(log.bytes);
    writer.Key("games");
    writer.Int(log.games);
    writer.EndObject();
  }
  writer.EndArray();
}

// One game at a time from the spool, each a finished JSON value.
void copy_games(json_writer& writer, const std::string& spool_name) {
  writer.Key("games");
  writer.StartArray();
  std::ifstream games(spool_name, std::ios::binary);
  if (!games) fatal_error("Couldn't open %s", spool_name.c_str());
  std::string game;
  while (std::getline(games, game)) {
    writer.RawValue(game.data(), game.size(), rapidjson::kObjectType);
  }
  if (games.bad()) fatal_error("Couldn't open %s", spool_name.c_str());
  writer.EndArray();
}

}  // namespace

json_export::json_export(const configdata& config, std::string target)
    : config(config),
      target(std::move(target)),
      spool_name(this->target + ".games"),
      part_name(this->target + ".part") {
  spool.open(spool_name.c_str());
}

json_export::~json_export() {
  std::error_code ignored;
  if (spool.is_open()) {
    spool.close();
    std::filesystem::remove(spool_name, ignored);
  }
  std::filesystem::remove(part_name, ignored);
}

void json_export::begin_log(const std::string& path, int64_t bytes) {
  logs.push_back({path, bytes, 0});
}

void json_export::add_game(const resultdata& game, int number) {
  json_sink sink(spool);
  json_writer writer(sink);
  write_json_game(writer, game, config, number, logs.back().path);
  // The writer escapes every line end inside strings: one game per line.
  spool.write("\n");
  ++logs.back().games;
}

void json_export::keep_player_order(const resultdata_total& totals) {
  players.clear();
  players.reserve(totals.players.size());
  for (const auto& player : totals.players) players.push_back(player.get());
}

uint64_t json_export::finish() {
  spool.close();
  outputfile document;
  document.open(part_name.c_str());
  json_sink sink(document);
  json_writer writer(sink);
  writer.StartObject();
  write_head(writer);
  write_options(writer, config);
  write_logs(writer, logs);
  copy_games(writer, spool_name);
  writer.Key("players");
  writer.StartArray();
  for (const player_t* player : players) {
    write_json_player(writer, *player, config);
  }
  writer.EndArray();
  writer.EndObject();
  document.write("\n");
  document.close();

  if (std::rename(part_name.c_str(), target.c_str()) != 0) {
    fatal_error("Couldn't write %s", target.c_str());
  }
  std::remove(spool_name.c_str());
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(target, error);
  return error ? 0 : static_cast<uint64_t>(size);
}
