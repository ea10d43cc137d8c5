// All settings of a run: defaults, command-line options and the
// configuration file with weapon sets and aliases.
#ifndef MORV_CONFIG_CONFIGDATA_H_
#define MORV_CONFIG_CONFIGDATA_H_

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/sortkey.h"

// The one settings object of a run, owned by morv_main. Filled by the
// constructor (defaults), parse_commandline, read_cfg and parse_commandline
// again; read-only afterwards except css_present, alias_names and the
// alias index that resolve_alias keeps. Text fields keep the capacities of
// their fixed buffers: a value is cut to the capacity minus one.
class configdata {
 public:
  static constexpr int MAX_ALIASES = 2048;
  static constexpr int MAX_ALIAS_NAMES = 16;
  static constexpr int MAX_WEAPON_NAMES = 64;
  static constexpr int DEFAULT_GAMES_PER_FILE = 50;
  // Display names by weapon number; slot 0 names the sum of all weapons.
  using weapon_names = std::array<std::string, MAX_WEAPON_NAMES>;
  // A define_weaponset block of the configuration file.
  struct weapon_set {
    std::string name;
    weapon_names names;
  };

  configdata();
  configdata(const configdata&) = delete;
  configdata& operator=(const configdata&) = delete;

  // Sets fields from the arguments (argv[1..argc-1]). warn_unknown prints
  // "WARNING: unknown command line parameter %s\n" for an option that
  // matches no row (the run asks for it in the first pass only).
  void parse_commandline(int argc, const char* const* argv,
                         bool warn_unknown = false);
  // Applies a long option this program adds (--json[=PATH]); false for
  // any other argument. --help and --version end the run before parsing.
  bool apply_long_option(std::string_view argument);
  // Returns the option row (0 to 12) whose name starts rest, or -1.
  int find_option(std::string_view rest) const;
  void print_usage() const;
  // The long options after the usage text of --help (long_options.cc).
  static void print_long_options();
  void print_settings() const;

  // Reads the configuration file; prints its echo lines. A missing file
  // prints "\nNo CFG found, using default values\n".
  void read_cfg(const std::string& filename);
  void parse_cfg_line(std::string_view line);
  // When key occurs in line: field = the quoted value after it (cut to
  // capacity - 1), echoed as "\n- %-20s \"%s\"".
  void get_quoted_value(std::string_view line, std::string_view key,
                        std::string& field, size_t capacity);
  // The text between the first '"' at or after position and the next '"',
  // CR, LF or the end of line; "" when there is no '"'.
  static std::string extract_quoted(std::string_view line, size_t position);
  // A weaponname line: stored (and echoed) when its block is the set
  // selected by name, and stored in its block's entry of weapon_sets.
  void set_weaponname(std::string_view line);
  // True when set_weaponset is "auto" (any case): each game is named by
  // the set defined under its InitGame's gamename.
  bool auto_weaponset() const;
  // The names of a game whose InitGame gave gamename: with "auto" the set
  // defined under that gamename (ignoring case), else the "baseq3" set,
  // else weaponnames; otherwise weaponnames. Valid as long as this object.
  const weapon_names& weapon_names_for(std::string_view gamename) const;
  void add_alias(std::string_view line);
  // Fills alias_names with the quoted names (at most 16) of the first alias
  // line among whose names name is, ignoring the case of A-Z; with no such
  // line, name alone. Entries not used are empty. Lines appended to aliases
  // since the last call are indexed first, each line once.
  void resolve_alias(std::string_view name);

  int alias_count = 0;
  std::vector<std::string> aliases;  // at most MAX_ALIASES lines (511 chars)
  std::array<std::string, MAX_ALIAS_NAMES> alias_names;
  std::string logfile_spec;                 // upper-cased, capacity 256
  // The last log file argument as typed: its folder part keeps its letter
  // case.
  std::string logfile_arg;
  // Every log file argument as typed, in order (each pass starts afresh).
  std::vector<std::string> logfile_args;
  // --json[=PATH]: write the JSON export, to PATH (from the start folder)
  // or, when json_path is empty, to morv.json in the output folder.
  bool json_export = false;
  std::string json_path;
  // --quiet (also implied by --json=-): nothing on standard output.
  bool quiet = false;
  // --site=DIR: also write the modern site into DIR (from the start
  // folder); "" for none.
  std::string site_directory;
  // --no-classic: write none of the classic pages nor the chat log; the
  // data files and the export are written as before.
  bool no_classic = false;
  // The classic pages and chat log are written.
  bool classic_pages() const { return !no_classic; }
  // --config=FILE names cfg_filename and requires it to exist; -cfg:FILE
  // names it (a missing one gives the defaults).
  bool cfg_required = false;
  bool cfg_named = false;
  std::string output_directory;             // capacity 256
  // True when the site goes to a folder of its own: output_directory is
  // set and not ".".
  bool uses_output_folder() const {
    return !output_directory.empty() && output_directory != ".";
  }
  std::string homepage_address;             // capacity 256
  std::string homepage_string;              // capacity 256
  std::string font_size_title;              // capacity 16
  std::string font_size_text;               // capacity 16
  std::string cfg_filename;                 // capacity 256 (used whole)
  weapon_names weaponnames;                 // each of capacity 64
  std::vector<weapon_set> weapon_sets;      // every block, in file order
  std::string set_weaponset;                // capacity 64
  std::string define_weaponset;             // capacity 64
  int min_kills = 0;
  int min_games = 0;
  int min_playtime = 0;
  int max_players = 0;
  int top_players = 0;
  int games_per_file = DEFAULT_GAMES_PER_FILE;  // always >= 1
  bool filters_on = false;
  bool skip_bots = false;
  bool no_funnames = false;
  bool write_datafile = false;
  bool open_results = false;
  bool css_present = false;
  bool write_chatlog = false;
  // rating_min_games: a player is ranked in a rating pool after this many
  // rated games there (the export's ratings.*.ranked).
  int rating_min_games = 10;
  int sort_primary = SORT_RATIO;
  int sort_secondary = SORT_NAME;

 private:
  // Acts on one matched option; current_key is the pass's sort key.
  void apply_option(int number, const std::string& argument,
                    const std::string& upper, int& current_key);
  // The four filter options set their value and filters_on.
  void apply_filter(int number, int value);

  // The quoted names of each alias line indexed so far, in line order, and
  // each lower-case name's first group among them.
  std::vector<std::vector<std::string>> alias_groups;
  std::unordered_map<std::string, size_t> alias_index;
};

#endif  // MORV_CONFIG_CONFIGDATA_H_
