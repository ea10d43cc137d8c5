// The configuration file: value keys, weapon sets, weapon names and aliases.
#include "config/configdata.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "diverse/numbers.h"
#include "diverse/text.h"
#include "diverse/fatal_error.h"

namespace {

// The line reader takes at most this many characters per piece; a longer
// physical line is handled as several lines.
constexpr int CFG_PIECE_BUFFER = 255;

constexpr size_t PATH_CAPACITY = 256;
constexpr size_t FONT_SIZE_CAPACITY = 16;
constexpr size_t WEAPONSET_CAPACITY = 64;
constexpr size_t WEAPONNAME_CAPACITY = 64;
constexpr size_t ALIAS_CAPACITY = 512;
constexpr size_t NUMBER_CAPACITY = 16;

struct file_closer {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using file_ptr = std::unique_ptr<std::FILE, file_closer>;

// The quoted names of an alias line, left to right, at most max_names.
std::vector<std::string> quoted_names(std::string_view text, size_t max_names) {
  std::vector<std::string> names;
  size_t position = 0;
  while (names.size() < max_names) {
    size_t open = text.find('"', position);
    if (open == std::string_view::npos) break;
    size_t close = text.find('"', open + 1);
    if (close == std::string_view::npos) break;
    names.emplace_back(text.substr(open + 1, close - open - 1));
    position = close + 1;
  }
  return names;
}

}  // namespace

void configdata::read_cfg(const std::string& filename) {
  file_ptr file(std::fopen(filename.c_str(), "r"));
  if (!file) {
    std::printf("\nNo CFG found, using default values\n");
    return;
  }
  char piece[CFG_PIECE_BUFFER];
  while (std::fgets(piece, sizeof piece, file.get()) != nullptr) {
    parse_cfg_line(piece);
  }
  // A folder opens but cannot be read: that lands here too.
  if (std::ferror(file.get())) {
    fatal_error("analyzedemo::parse - configfile read error");
  }
}

void configdata::parse_cfg_line(std::string_view line) {
  if (!line.empty() && line[0] == ';') return;
  // Keys are found anywhere in the line, in this order.
  get_quoted_value(line, "output_directory", output_directory, PATH_CAPACITY);
  get_quoted_value(line, "homepage_address", homepage_address, PATH_CAPACITY);
  get_quoted_value(line, "homepage_string", homepage_string, PATH_CAPACITY);
  get_quoted_value(line, "font_size_title", font_size_title,
                   FONT_SIZE_CAPACITY);
  get_quoted_value(line, "font_size_text", font_size_text, FONT_SIZE_CAPACITY);
  get_quoted_value(line, "set_weaponset", set_weaponset, WEAPONSET_CAPACITY);
  get_quoted_value(line, "define_weaponset", define_weaponset,
                   WEAPONSET_CAPACITY);
  if (line.find("define_weaponset") != std::string_view::npos) {
    weapon_sets.push_back({define_weaponset, {}});
  }
  if (line.substr(0, 10) == "weaponname") set_weaponname(line);
  if (line.find("alias") != std::string_view::npos) add_alias(line);
  if (line.find("rating_min_games") != std::string_view::npos) {
    std::string games;
    get_quoted_value(line, "rating_min_games", games, NUMBER_CAPACITY);
    rating_min_games = std::max(0, diverse::string_to_int(games));
  }
}

void configdata::get_quoted_value(std::string_view line, std::string_view key,
                                  std::string& field, size_t capacity) {
  size_t found = line.find(key);
  if (found == std::string_view::npos) return;
  field = diverse::cut(extract_quoted(line, found + key.size()), capacity - 1);
  std::printf("\n- %-20s \"%s\"", std::string(key).c_str(), field.c_str());
}

std::string configdata::extract_quoted(std::string_view line,
                                       size_t position) {
  size_t open = line.find('"', position);
  if (open == std::string_view::npos) return "";
  size_t end = line.find_first_of("\"\r\n", open + 1);
  if (end == std::string_view::npos) end = line.size();
  return std::string(line.substr(open + 1, end - open - 1));
}

void configdata::set_weaponname(std::string_view line) {
  size_t digit = line.find_first_of("0123456789");
  if (digit == std::string_view::npos) return;
  int number = diverse::string_to_int(line.substr(digit));
  std::string name = extract_quoted(line, digit);
  // Names that do not fit, and numbers beyond the table, are only echoed.
  const bool fits =
      name.size() < WEAPONNAME_CAPACITY && number < MAX_WEAPON_NAMES;
  if (fits && !weapon_sets.empty()) weapon_sets.back().names[number] = name;
  if (!diverse::equals_ignore_case(set_weaponset, define_weaponset)) return;
  if (fits) weaponnames[number] = name;
  std::printf("\n- %-12s%-8i \"%s\"", "weaponname", number, name.c_str());
}

bool configdata::auto_weaponset() const {
  return diverse::equals_ignore_case(set_weaponset, "auto");
}

const configdata::weapon_names& configdata::weapon_names_for(
    std::string_view gamename) const {
  if (!auto_weaponset()) return weaponnames;
  const weapon_names* fallback = &weaponnames;
  for (const weapon_set& set : weapon_sets) {
    if (diverse::equals_ignore_case(set.name, gamename)) return set.names;
    if (fallback == &weaponnames &&
        diverse::equals_ignore_case(set.name, "baseq3")) {
      fallback = &set.names;
    }
  }
  return *fallback;
}

void configdata::add_alias(std::string_view line) {
  size_t open = line.find('"');
  if (open == std::string_view::npos) return;
  if (aliases.size() >= MAX_ALIASES) return;
  aliases.push_back(diverse::cut(line.substr(open), ALIAS_CAPACITY - 1));
  alias_count = static_cast<int>(aliases.size());
  std::printf("\n- %-20s %s", "alias", aliases.back().c_str());
}

void configdata::resolve_alias(std::string_view name) {
  // A name belongs to the first line that lists it as a whole name; a
  // substring match would merge unrelated players ("Al" and "Walter").
  // Indexing once keeps a lookup for every player of every game from
  // parsing every line again.
  while (alias_groups.size() < aliases.size()) {
    alias_groups.push_back(
        quoted_names(aliases[alias_groups.size()], MAX_ALIAS_NAMES));
    for (const std::string& listed : alias_groups.back()) {
      alias_index.emplace(diverse::to_lower(listed), alias_groups.size() - 1);
    }
  }
  for (std::string& entry : alias_names) entry.clear();
  auto found = alias_index.find(diverse::to_lower(name));
  if (found == alias_index.end()) {
    alias_names[0] = std::string(name);
    return;
  }
  const std::vector<std::string>& group = alias_groups[found->second];
  std::copy(group.begin(), group.end(), alias_names.begin());
}
