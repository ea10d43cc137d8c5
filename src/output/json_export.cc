// The data export: the games' spool while the logs are read, and the
// document assembled from it at the end.
#include "output/json_export.h"

#include <fcntl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/configdata.h"
#include "config/sortkey.h"
#include "diverse/fatal_error.h"
#include "output/json_text.h"
#include "output/json_writer.h"
#include "stats/awards.h"
#include "stats/line_report.h"
#include "stats/player_rating.h"
#include "stats/player_t.h"

namespace {

// The version of the document's layout; raised when a field changes its
// meaning or goes away (new fields keep it).
constexpr int FORMAT = 2;
// The text gathered before it goes to the file.
constexpr size_t BLOCK = size_t{1} << 16;

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
  json_key(writer, "morv");
  writer.StartObject();
  json_key(writer, "version");
  writer.String(MORV_VERSION);
  json_key(writer, "format");
  writer.Int(FORMAT);
  writer.EndObject();
  json_key(writer, "generated");
  writer.String(utc_now_text().c_str());
}

// The limits count only when a limit option switched them on, as the
// settings the run prints.
void write_options(json_writer& writer, const configdata& config) {
  const bool limits = config.filters_on;
  json_key(writer, "options");
  writer.StartObject();
  json_key(writer, "skip_bots");
  writer.Bool(config.skip_bots);
  json_key(writer, "sort_primary");
  writer.String(sortkey_name(config.sort_primary));
  json_key(writer, "sort_secondary");
  writer.String(sortkey_name(config.sort_secondary));
  json_key(writer, "min_kills");
  writer.Int(limits ? config.min_kills : 0);
  json_key(writer, "min_games");
  writer.Int(limits ? config.min_games : 0);
  json_key(writer, "min_playtime");
  writer.Int(limits ? config.min_playtime : 0);
  json_key(writer, "max_players");
  writer.Int(limits ? config.max_players : 0);
  json_key(writer, "top_players");
  writer.Int(config.top_players);
  json_key(writer, "games_per_page");
  writer.Int(config.games_per_file);
  json_key(writer, "weapon_set");
  if (config.set_weaponset.empty()) {
    writer.Null();
  } else {
    write_json_text(writer, config.set_weaponset);
  }
  writer.EndObject();
}

// The rating's model and its constants, and after how many rated games
// in a pool a player is ranked there.
void write_rating_model(json_writer& writer, const configdata& config) {
  json_key(writer, "rating_model");
  writer.StartObject();
  json_key(writer, "name");
  writer.String("Weng-Lin Plackett-Luce");
  json_key(writer, "mu");
  writer.Double(RATING_PARAMS.mu);
  json_key(writer, "sigma");
  writer.Double(RATING_PARAMS.sigma);
  json_key(writer, "beta");
  writer.Double(RATING_PARAMS.beta);
  json_key(writer, "kappa");
  writer.Double(RATING_PARAMS.kappa);
  json_key(writer, "tau");
  writer.Double(RATING_PARAMS.tau);
  json_key(writer, "ranked_after");
  writer.Int(config.rating_min_games);
  writer.EndObject();
}

void write_logs(json_writer& writer,
                const std::vector<json_export::log_entry>& logs) {
  json_key(writer, "logs");
  writer.StartArray();
  for (const json_export::log_entry& log : logs) {
    writer.StartObject();
    json_key(writer, "path");
    write_json_text(writer, log.path);
    json_key(writer, "bytes");
    writer.Int64(log.bytes);
    json_key(writer, "games");
    writer.Int(log.games);
    json_key(writer, "ignored_lines");
    write_json_tally(writer, log.ignored_lines);
    writer.EndObject();
  }
  writer.EndArray();
}

// The spooled games' text with each pair of player marks replaced by the
// number between them, or null when listed says that player has no page.
// Fed in blocks, as they come: a mark may straddle two blocks.
class player_mark_filter {
 public:
  player_mark_filter(outputfile& document, const std::vector<bool>& listed)
      : document(document), listed(listed) {}

  void write(const char* text, size_t size) {
    const char* const end = text + size;
    while (text < end) {
      if (!in_mark) {
        const size_t left = static_cast<size_t>(end - text);
        const char* mark =
            static_cast<const char*>(std::memchr(text, PLAYER_MARK, left));
        if (mark == nullptr) {
          document.write(std::string_view(text, left));
          break;
        }
        document.write(
            std::string_view(text, static_cast<size_t>(mark - text)));
        text = mark;
        in_mark = true;
        digits.clear();
      } else if (*text != PLAYER_MARK) {
        digits += *text;
      } else {
        const size_t number = std::strtoul(digits.c_str(), nullptr, 10);
        const bool shown = number < listed.size() && listed[number];
        document.write(shown ? std::string_view(digits) : "null");
        in_mark = false;
      }
      ++text;
    }
  }

 private:
  outputfile& document;
  const std::vector<bool>& listed;
  bool in_mark = false;
  std::string digits;
};

// Appends the spool's bytes to the document in blocks, the player marks
// replaced.
void copy_spool(const std::string& spool_name, outputfile& document,
                const std::vector<bool>& listed) {
  std::FILE* spool = std::fopen(spool_name.c_str(), "rb");
  if (spool == nullptr) fatal_error("Couldn't open %s", spool_name.c_str());
  player_mark_filter filter(document, listed);
  char block[BLOCK];
  size_t size;
  while ((size = std::fread(block, 1, sizeof block, spool)) > 0) {
    filter.write(block, size);
  }
  const bool failed = std::ferror(spool) != 0;
  std::fclose(spool);
  if (failed) fatal_error("Couldn't read %s", spool_name.c_str());
}

}  // namespace

json_export::json_export(const configdata& config, destination document,
                         std::string spool_path)
    : config(config),
      document(std::move(document)),
      spool_name(std::move(spool_path)) {
  spool.open_at(AT_FDCWD, spool_name.c_str(), spool_name);
}

json_export::~json_export() {
  std::error_code ignored;
  std::filesystem::remove(spool_name, ignored);
  if (!finished && !document.write_through) {
    std::filesystem::remove(document.path, ignored);
  }
}

void json_export::begin_log(const std::string& path, int64_t bytes) {
  logs.push_back({std::string(json_log_name(path)), bytes, 0, {}});
}

void json_export::end_log(const line_report& report) {
  if (!logs.empty()) logs.back().ignored_lines = report.entries();
}

void json_export::add_game(outputfile& json_object) {
  if (spooled_games > 0) spool.write(",");
  json_object.copy_to(spool);
  ++spooled_games;
  ++logs.back().games;
}

void json_export::set_players(
    std::vector<const player_t*> order,
    const std::array<std::string, MAX_WEAPONS>& names) {
  players = std::move(order);
  weapon_names = names;
}

void json_export::set_awards(std::vector<award_winner> winners) {
  awards = std::move(winners);
}

uint64_t json_export::finish() {
  spool.close();
  outputfile file;
  file.open_at(AT_FDCWD, document.path.c_str(), document.shown,
               document.write_through ? outputfile::open_mode::write_through
                                      : outputfile::open_mode::create);
  rapidjson::StringBuffer buffer;
  json_writer writer(buffer);
  writer.StartObject();
  write_head(writer);
  write_options(writer, config);
  write_rating_model(writer, config);
  write_logs(writer, logs);
  // The spool holds the games as finished JSON values separated by commas:
  // the writer opens the array and the spool's bytes follow as they stand.
  json_key(writer, "games");
  writer.RawValue("[", 1, rapidjson::kArrayType);
  move_json(buffer, file);
  // A player is listed (has a page) once the rankings are made.
  std::vector<bool> listed;
  for (const player_t* player : players) {
    const size_t number = static_cast<size_t>(player->number);
    if (listed.size() <= number) listed.resize(number + 1);
    listed[number] = player->listed;
  }
  copy_spool(spool_name, file, listed);
  file.write("]");
  json_key(writer, "players");
  writer.StartArray();
  for (const player_t* player : players) {
    write_json_player(writer, *player, config, weapon_names);
    if (buffer.GetSize() >= BLOCK) move_json(buffer, file);
  }
  writer.EndArray();
  std::vector<const player_t*> by_number(players.size());
  for (const player_t* player : players) {
    const size_t at = static_cast<size_t>(player->number - 1);
    if (at < by_number.size()) by_number[at] = player;
  }
  write_json_run_awards(writer, awards, by_number);
  writer.EndObject();
  move_json(buffer, file);
  file.write("\n");
  file.close();
  const uint64_t size = file.bytes_written();
  finished = true;
  std::remove(spool_name.c_str());
  return size;
}
