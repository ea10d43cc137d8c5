// The GNU-style long options added beside the classic single-dash ones,
// and the help that lists every option in its Linux form.
#include <cstdio>
#include <string_view>

#include "config/configdata.h"

namespace {

struct help_line {
  const char* name;
  const char* help;
};

// Continuation lines start under the text of the first.
constexpr help_line HELP_LINES[] = {
    {"-a", "open players.htm when the run is done"},
    {"-b", "leave bots out of the results"},
    {"-l", "write the chat log chat.htm"},
    {"-d", "write the data file morvdata.txt"},
    {"-f", "show names without their colour codes"},
    {"-oX[Y]", "sort players by X, then by Y: N name, R ratio, E efficiency,\n"
               "                     S skill, F frags, K kills, C score,\n"
               "                     P playing time, T team"},
    {"-cfg:FILE", "read settings from FILE (default morv.cfg; defaults when\n"
                  "                     FILE does not exist)"},
    {"-g:N", "at most N games per game list page (default 50)"},
    {"-min_kills:N", "leave out players with fewer than N kills"},
    {"-min_games:N", "leave out players with fewer than N games"},
    {"-min_playtime:N", "leave out players with fewer than N seconds played"},
    {"-max_players:N", "at most N players on the ranking pages"},
    {"-topN", "also write the top_players*.htm pages of the best N"},
    {"--output=DIR", "write the site into DIR (made when missing; overrides\n"
                     "                     output_directory)"},
    {"--config=FILE", "read settings from FILE, which must exist"},
    {"--site=DIR", "also write the modern site into DIR (made when missing;\n"
                   "                     a non-empty DIR must be one morv made)"},
    {"--no-classic", "write none of the classic pages nor chat.htm (-d and\n"
                     "                     --json as before)"},
    {"--json[=PATH]", "also write every game and player as JSON: morv.json\n"
                      "                     in the output folder, PATH from the "
                      "start folder,\n"
                      "                     or - for standard output"},
    {"--quiet", "print nothing on success; warnings and errors go to\n"
                "                     standard error"},
    {"-h, --help", "print this help and exit"},
    {"--version", "print the version and exit"},
};

constexpr std::string_view JSON_OPTION = "--json";

// The text after "--name=" when argument is that option with a value.
bool option_value(std::string_view argument, std::string_view name,
                  std::string& value) {
  if (argument.size() <= name.size() + 1 ||
      argument.substr(0, name.size()) != name || argument[name.size()] != '=') {
    return false;
  }
  value = argument.substr(name.size() + 1);
  return true;
}

}  // namespace

bool configdata::apply_long_option(std::string_view argument) {
  if (argument == JSON_OPTION) {
    json_export = true;
    json_path.clear();
    return true;
  }
  if (option_value(argument, JSON_OPTION, json_path)) {
    json_export = true;
    // The document on standard output leaves no room for the console.
    if (json_path == "-") quiet = true;
    return true;
  }
  if (argument == "--quiet") {
    quiet = true;
    return true;
  }
  if (argument == "--no-classic") {
    no_classic = true;
    return true;
  }
  if (option_value(argument, "--site", site_directory)) return true;
  if (option_value(argument, "--config", cfg_filename)) {
    cfg_required = true;
    return true;
  }
  return option_value(argument, "--output", output_directory);
}

void configdata::print_long_options() {
  std::printf("\nUsage: morv [OPTION]... LOGFILE... (- for standard input)\n");
  for (const help_line& line : HELP_LINES) {
    std::printf("\n  %-18s %s", line.name, line.help);
  }
  std::printf(
      "\n\nLOGFILE may hold * and ?; plain or gzip-compressed logs, rotated\n"
      "logs (games.log.2.gz, games.log.1, games.log) oldest first. Single-dash\n"
      "options may also be written in upper case or with '/'. See morv(1).\n");
}
