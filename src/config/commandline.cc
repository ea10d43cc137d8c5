// Command-line options: the option table, parsing, usage and settings texts.
#include "config/configdata.h"

#include <array>
#include <cstdio>
#include <string>

#include "diverse/fatal_error.h"
#include "diverse/numbers.h"
#include "diverse/text.h"

namespace {

// Option numbers select the action of a row.
enum option_number {
  OPT_OPEN_RESULTS = 0,
  OPT_SKIP_BOTS = 1,
  OPT_CHATLOG = 2,
  OPT_DATAFILE = 3,
  OPT_NO_FUNNAMES = 4,
  OPT_SORT = 5,
  OPT_CFG = 6,
  OPT_GAMES_PER_FILE = 7,
  OPT_MIN_KILLS = 8,
  OPT_MIN_GAMES = 9,
  OPT_MIN_PLAYTIME = 10,
  OPT_MAX_PLAYERS = 11,
  OPT_TOP = 12,
};

struct option_row {
  const char* name;  // matched as a prefix of the argument, ignoring case
  bool is_switch;    // takes no value
  int number;
};

// Looked up in this order: the first row whose name starts the argument wins.
constexpr std::array<option_row, 13> OPTIONS = {{
    {"a", true, OPT_OPEN_RESULTS},
    {"b", true, OPT_SKIP_BOTS},
    {"l", true, OPT_CHATLOG},
    {"d", true, OPT_DATAFILE},
    {"f", true, OPT_NO_FUNNAMES},
    {"o", false, OPT_SORT},
    {"cfg:", false, OPT_CFG},
    {"g:", false, OPT_GAMES_PER_FILE},
    {"min_kills:", false, OPT_MIN_KILLS},
    {"min_games:", false, OPT_MIN_GAMES},
    {"min_playtime:", false, OPT_MIN_PLAYTIME},
    {"max_players:", false, OPT_MAX_PLAYERS},
    {"top", false, OPT_TOP},
}};

struct usage_line {
  int number;
  const char* description;
};

// The usage lists the options in this order, not in table order.
constexpr std::array<usage_line, 13> USAGE_LINES = {{
    {OPT_OPEN_RESULTS, "\t\t  open results after analysis"},
    {OPT_SKIP_BOTS, "\t\t  don't include bots in results"},
    {OPT_CHATLOG, "\t\t  write chat log"},
    {OPT_DATAFILE, "\t\t  write data file (morvdata.txt)"},
    {OPT_NO_FUNNAMES, "\t\t  don't use \"funnames\""},
    {OPT_SORT, "<x[y]>\t  sortorder (x,y can be N,R,E,S,F,K,P,T - see readme)"},
    {OPT_CFG, "<filespec>\t  use custom CFG - no spaces in <filespec> allowed"},
    {OPT_MIN_KILLS,
     "<x>\t  exclude players with less than <x> kills from player stats"},
    {OPT_MIN_GAMES,
     "<x>\t  exclude players with less than <x> games from player stats"},
    {OPT_MIN_PLAYTIME,
     "<x> exclude players with less than <x> seconds playtime"},
    {OPT_MAX_PLAYERS, "<x>  no more than <x> players in player stats"},
    {OPT_GAMES_PER_FILE,
     "<x>            no more than <x> games per html file (default: 50)"},
    {OPT_TOP, "<x>           write additional top <x> players file"},
}};

// The sort key of a letter of the sort option, or -1 for any other byte.
int sortkey_of_letter(char letter) {
  switch (letter) {
    case 'T': return SORT_TEAM;
    case 'R': return SORT_RATIO;
    case 'E': return SORT_EFF;
    case 'S': return SORT_SKILL;
    case 'K': return SORT_KILLS;
    case 'N': return SORT_NAME;
    case 'F': return SORT_FRAGS;
    case 'C': return SORT_SCORE;
    case 'P': return SORT_PLAYTIME;
    default: return -1;
  }
}

// An absolute path such as /var/log/games.log names log files; /onr or
// /top10 (no further slash) and /cfg:/some/file stay options.
bool is_option(const std::string& upper) {
  if (upper.empty() || upper == "-") return false;  // "-": standard input
  if (upper[0] == '-') return true;
  if (upper[0] != '/') return false;
  if (upper.compare(0, 5, "/CFG:") == 0) return true;
  return upper.find('/', 1) == std::string::npos;
}

// The number after the first ':' of the argument (0 when there is none).
int number_after_colon(const std::string& upper) {
  size_t colon = upper.find(':');
  if (colon == std::string::npos) return 0;
  return diverse::string_to_int(std::string_view(upper).substr(colon + 1));
}

const char* yes_no(bool value) { return value ? "YES" : "NO"; }

}  // namespace

int configdata::find_option(std::string_view rest) const {
  if (rest.empty()) return -1;
  for (size_t row = 0; row < OPTIONS.size(); ++row) {
    std::string_view name = OPTIONS[row].name;
    if (name.size() <= rest.size() &&
        diverse::equals_ignore_case(rest.substr(0, name.size()), name)) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

void configdata::parse_commandline(int argc, const char* const* argv,
                                   bool warn_unknown) {
  // The current key carries over from one sort option to the next within a
  // pass, so that -o without letters repeats the last key given.
  int current_key = SORT_RATIO;
  logfile_args.clear();
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (apply_long_option(argument)) continue;
    std::string upper = diverse::to_upper(argument);
    if (!is_option(upper)) {
      logfile_spec = upper;
      logfile_arg = argument;
      logfile_args.push_back(argument);
      continue;
    }
    int row = find_option(std::string_view(upper).substr(1));
    if (row < 0) {
      if (warn_unknown) {
        warning_at_line_start("unknown command line parameter %s\n",
                              upper.c_str());
      }
      continue;
    }
    apply_option(OPTIONS[row].number, argument, upper, current_key);
  }
}

void configdata::apply_option(int number, const std::string& argument,
                              const std::string& upper, int& current_key) {
  switch (number) {
    case OPT_OPEN_RESULTS: open_results = true; break;
    case OPT_SKIP_BOTS: skip_bots = true; break;
    case OPT_CHATLOG: write_chatlog = true; break;
    case OPT_DATAFILE: write_datafile = true; break;
    case OPT_NO_FUNNAMES: no_funnames = true; break;
    case OPT_SORT:
      // The letters stand right after the option letter: "-oKN".
      for (size_t at = 2; at < 4; ++at) {
        int key = at < upper.size() ? sortkey_of_letter(upper[at]) : -1;
        if (key >= 0) current_key = key;
        (at == 2 ? sort_primary : sort_secondary) = current_key;
      }
      break;
    case OPT_CFG:
      // The file name keeps its letter case.
      cfg_filename = argument.substr(argument.find(':') + 1);
      cfg_named = true;
      break;
    case OPT_GAMES_PER_FILE:
      games_per_file = number_after_colon(upper);
      // The list pages divide by this value.
      if (games_per_file < 1) games_per_file = DEFAULT_GAMES_PER_FILE;
      break;
    case OPT_TOP:
      top_players = diverse::string_to_int(std::string_view(upper).substr(4));
      break;
    default: apply_filter(number, number_after_colon(upper)); break;
  }
}

void configdata::apply_filter(int number, int value) {
  switch (number) {
    case OPT_MIN_KILLS: min_kills = value; break;
    case OPT_MIN_GAMES: min_games = value; break;
    case OPT_MIN_PLAYTIME: min_playtime = value; break;
    case OPT_MAX_PLAYERS: max_players = value; break;
    default: return;
  }
  filters_on = true;
}

void configdata::print_usage() const {
  std::printf("\nUsage: morv [OPTIONS] <logfile> [OPTIONS]\n");
  std::printf("\nOptions:\n");
  for (const usage_line& line : USAGE_LINES) {
    std::string names;
    for (const option_row& row : OPTIONS) {
      if (row.number != line.number) continue;
      if (!names.empty()) names += ",";
      names += row.name;
    }
    std::printf("\n/%s%s", names.c_str(), line.description);
  }
}

void configdata::print_settings() const {
  std::printf("\nCurrent settings:\n");
  std::printf("\tSkipping bots in log: %s\n", yes_no(skip_bots));
  std::printf("\tWrite chat log: %s\n", yes_no(write_chatlog));
  std::printf("\tFunnames: %s\n", yes_no(!no_funnames));
  std::printf("\tMax players: %i\n", filters_on ? max_players : 0);
  std::printf("\tTop x players: %i\n", top_players);
  std::printf("\tMin kills: %i\n", filters_on ? min_kills : 0);
  std::printf("\tMin games: %i\n", filters_on ? min_games : 0);
  std::printf("\tMin playing time: %i\n", filters_on ? min_playtime : 0);
  std::printf("\tWriting data file: %s\n", yes_no(write_datafile));
  std::printf("\tPrimary sort order: by %s\n", sortkey_name(sort_primary));
  std::printf("\tSecondary sort order: by %s\n", sortkey_name(sort_secondary));
  std::printf("\n");
}
