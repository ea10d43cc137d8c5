// Tests of the command-line options, the usage text and the settings.
#include "config/configdata.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "test_util.h"

namespace {

// Parses the blank-separated args as argv[1..] of one pass.
std::unique_ptr<configdata> parse(const std::string& args,
                                  bool warn_unknown = false) {
  std::vector<std::string> words = {"morv"};
  std::istringstream split(args);
  for (std::string word; split >> word;) words.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  auto config = std::make_unique<configdata>();
  config->parse_commandline(static_cast<int>(argv.size()), argv.data(),
                            warn_unknown);
  return config;
}

// One aspect of the settings as a short text, so rows can name it.
std::string aspect(const configdata& c, const std::string& name) {
  auto n = [](int value) { return std::to_string(value); };
  if (name == "sort") return n(c.sort_primary) + "/" + n(c.sort_secondary);
  if (name == "top") return n(c.top_players);
  if (name == "games") return n(c.games_per_file);
  if (name == "cfg") return c.cfg_filename;
  if (name == "logfile") return c.logfile_spec;
  if (name == "filters") {
    return std::string(c.filters_on ? "on " : "off ") + n(c.min_kills) + "/" +
           n(c.min_games) + "/" + n(c.min_playtime) + "/" + n(c.max_players);
  }
  std::string switches;  // name == "switches"
  if (c.open_results) switches += 'a';
  if (c.skip_bots) switches += 'b';
  if (c.write_chatlog) switches += 'l';
  if (c.write_datafile) switches += 'd';
  if (c.no_funnames) switches += 'f';
  return switches;
}

struct option_case {
  const char* args;
  const char* aspect;
  const char* expected;
};

}  // namespace

TEST(commandline_test, option_cases) {
  const option_case cases[] = {
      {"/onr", "sort", "6/1"}, {"-oRQ", "sort", "1/1"},
      {"-open", "sort", "9/2"}, {"-oC", "sort", "8/8"}, {"-OTS", "sort", "0/3"},
      {"-oXE", "sort", "1/2"}, {"-o", "sort", "1/1"}, {"-oK -o", "sort", "4/4"},
      {"-oNK -oXF", "sort", "4/7"},
      {"-data", "switches", "d"}, {"-log", "switches", "l"},
      {"-bots", "switches", "b"}, {"/A -F", "switches", "af"},
      {"-abldf", "switches", "a"},
      {"-top10", "top", "10"}, {"/TOP10", "top", "10"}, {"-top:10", "top", "0"},
      {"-top", "top", "0"}, {"-top-3", "top", "-3"},
      {"-g:20", "games", "20"}, {"-G:7", "games", "7"}, {"-g20", "games", "50"},
      {"-g:0", "games", "50"}, {"-g:-5", "games", "50"},
      {"-g:x", "games", "50"}, {"-g:99999999999", "games", "2147483647"},
      {"-cfg:My.cfg", "cfg", "My.cfg"}, {"-CFG:Other.Cfg", "cfg", "Other.Cfg"},
      {"-cfg:", "cfg", ""}, {"-cfg:a:b", "cfg", "a:b"},
      {"/cfg:/etc/My.cfg", "cfg", "/etc/My.cfg"},
      {"-min_kills:3", "filters", "on 3/0/0/0"},
      {"-MIN_GAMES:2", "filters", "on 0/2/0/0"},
      {"-min_playtime:600", "filters", "on 0/0/600/0"},
      {"-max_players:10", "filters", "on 0/0/0/10"},
      {"-min_kills:", "filters", "on 0/0/0/0"},
      {"-min_kills", "filters", "off 0/0/0/0"},
      {"games.log", "logfile", "GAMES.LOG"}, {"a.log -b b*.log", "logfile", "B*.LOG"},
      {"/var/log/games.log", "logfile", "/VAR/LOG/GAMES.LOG"},
      {"/onr", "logfile", ""}, {"/cfg:/x/y", "logfile", ""}, {"-x", "logfile", ""},
  };
  for (const option_case& row : cases) {
    EXPECT_EQ(aspect(*parse(row.args), row.aspect), row.expected)
        << row.args;
  }
}

TEST(commandline_test, unknown_option_warns_only_when_asked) {
  begin_capture();
  parse("-x /y file.log -", true);
  std::string first = end_capture();
  EXPECT_EQ(first,
            "WARNING: unknown command line parameter -X\n"
            "WARNING: unknown command line parameter /Y\n"
            "WARNING: unknown command line parameter -\n");
  begin_capture();
  parse("-x /y file.log -");
  EXPECT_EQ(end_capture(), "");
}

// The recorded runs and the sample print the default settings and the
// switches; this run prints the limits and the other sort keys.
TEST(commandline_test, settings_printout) {
  auto config = parse("-b -l -f -d -a -max_players:7 -min_kills:3 "
                      "-min_games:2 -min_playtime:60 -top5 -oPT x.log");
  begin_capture();
  config->print_settings();
  EXPECT_EQ(end_capture(),
            "\nCurrent settings:\n\tSkipping bots in log: YES\n"
            "\tWrite chat log: YES\n\tFunnames: NO\n\tMax players: 7\n"
            "\tTop x players: 5\n\tMin kills: 3\n\tMin games: 2\n"
            "\tMin playing time: 60\n\tWriting data file: YES\n"
            "\tPrimary sort order: by playtime\n"
            "\tSecondary sort order: by team\n\n");
}
