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
  if (name == "spec") return c.logfile_spec;
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
      {"", "sort", "1/6"},
      {"-oK", "sort", "4/4"},
      {"/onr", "sort", "6/1"},
      {"-oRQ", "sort", "1/1"},
      {"-open", "sort", "9/2"},
      {"-oC", "sort", "8/8"},
      {"-OTS", "sort", "0/3"},
      {"-oXE", "sort", "1/2"},
      {"-o", "sort", "1/1"},
      {"-oK -o", "sort", "4/4"},
      {"-oNK -oXF", "sort", "4/7"},
      {"", "switches", ""},
      {"-data", "switches", "d"},
      {"-log", "switches", "l"},
      {"-bots", "switches", "b"},
      {"/A -F", "switches", "af"},
      {"-abldf", "switches", "a"},
      {"-top10", "top", "10"},
      {"/TOP10", "top", "10"},
      {"-top:10", "top", "0"},
      {"-top", "top", "0"},
      {"-top-3", "top", "-3"},
      {"-g:20", "games", "20"},
      {"-G:7", "games", "7"},
      {"-g20", "games", "50"},
      {"-g:0", "games", "50"},
      {"-g:-5", "games", "50"},
      {"-g:x", "games", "50"},
      {"-g:99999999999", "games", "2147483647"},
      {"-cfg:My.cfg", "cfg", "My.cfg"},
      {"-CFG:Other.Cfg", "cfg", "Other.Cfg"},
      {"-cfg:", "cfg", ""},
      {"-cfg:a:b", "cfg", "a:b"},
      {"/cfg:/etc/My.cfg", "cfg", "/etc/My.cfg"},
      {"", "filters", "off 0/0/0/0"},
      {"-min_kills:3", "filters", "on 3/0/0/0"},
      {"-MIN_GAMES:2", "filters", "on 0/2/0/0"},
      {"-min_playtime:600", "filters", "on 0/0/600/0"},
      {"-max_players:10", "filters", "on 0/0/0/10"},
      {"-min_kills:", "filters", "on 0/0/0/0"},
      {"-min_kills", "filters", "off 0/0/0/0"},
      {"games.log", "spec", "GAMES.LOG"},
      {"a.log -b b*.log", "spec", "B*.LOG"},
      {"/var/log/games.log", "spec", "/VAR/LOG/GAMES.LOG"},
      {"/onr", "spec", ""},
      {"/cfg:/x/y", "spec", ""},
      {"-x", "spec", ""},
  };
  for (const option_case& row : cases) {
    EXPECT_EQ(aspect(*parse(row.args), row.aspect), row.expected)
        << row.args;
  }
}

TEST(commandline_test, find_option_matches_rows_by_prefix) {
  const struct {
    const char* rest;
    int row;
  } cases[] = {
      {"", -1},         {"a", 0},          {"ABC", 0},       {"b", 1},
      {"L", 2},         {"d", 3},          {"f", 4},         {"o", 5},
      {"cfg:", 6},      {"cfg", -1},       {"g:", 7},        {"g", -1},
      {"MIN_KILLS:5", 8}, {"min_kill", -1}, {"min_games:", 9},
      {"min_playtime:", 10}, {"max_players:", 11}, {"top", 12},
      {"to", -1},       {"x", -1},         {"-a", -1},
  };
  configdata config;
  for (const auto& row : cases) {
    EXPECT_EQ(config.find_option(row.rest), row.row) << row.rest;
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

TEST(commandline_test, usage_text) {
  configdata config;
  begin_capture();
  config.print_usage();
  EXPECT_EQ(end_capture(),
            "\nUsage: morv [OPTIONS] <logfile> [OPTIONS]\n"
            "\nOptions:\n"
            "\n/a\t\t  open results after analysis"
            "\n/b\t\t  don't include bots in results"
            "\n/l\t\t  write chat log"
            "\n/d\t\t  write data file (morvdata.txt)"
            "\n/f\t\t  don't use \"funnames\""
            "\n/o<x[y]>\t  sortorder (x,y can be N,R,E,S,F,K,P,T - see readme)"
            "\n/cfg:<filespec>\t  use custom CFG - no spaces in <filespec> "
            "allowed"
            "\n/min_kills:<x>\t  exclude players with less than <x> kills "
            "from player stats"
            "\n/min_games:<x>\t  exclude players with less than <x> games "
            "from player stats"
            "\n/min_playtime:<x> exclude players with less than <x> seconds "
            "playtime"
            "\n/max_players:<x>  no more than <x> players in player stats"
            "\n/g:<x>            no more than <x> games per html file "
            "(default: 50)"
            "\n/top<x>           write additional top <x> players file");
}

TEST(commandline_test, settings_printout) {
  const struct {
    const char* args;
    const char* expected;
  } cases[] = {
      {"", "\nCurrent settings:\n\tSkipping bots in log: NO\n"
           "\tWrite chat log: NO\n\tFunnames: YES\n\tMax players: 0\n"
           "\tTop x players: 0\n\tMin kills: 0\n\tMin games: 0\n"
           "\tMin playing time: 0\n\tWriting data file: NO\n"
           "\tPrimary sort order: by ratio\n"
           "\tSecondary sort order: by name\n\n"},
      {"-b -l -f -d -a -max_players:7 -min_kills:3 -min_games:2 "
       "-min_playtime:60 -top5 -oSF x.log",
       "\nCurrent settings:\n\tSkipping bots in log: YES\n"
       "\tWrite chat log: YES\n\tFunnames: NO\n\tMax players: 7\n"
       "\tTop x players: 5\n\tMin kills: 3\n\tMin games: 2\n"
       "\tMin playing time: 60\n\tWriting data file: YES\n"
       "\tPrimary sort order: by skill\n"
       "\tSecondary sort order: by frags\n\n"},
      {"-top12 -oPT",
       "\nCurrent settings:\n\tSkipping bots in log: NO\n"
       "\tWrite chat log: NO\n\tFunnames: YES\n\tMax players: 0\n"
       "\tTop x players: 12\n\tMin kills: 0\n\tMin games: 0\n"
       "\tMin playing time: 0\n\tWriting data file: NO\n"
       "\tPrimary sort order: by playtime\n"
       "\tSecondary sort order: by team\n\n"},
  };
  for (const auto& row : cases) {
    auto config = parse(row.args);
    begin_capture();
    config->print_settings();
    EXPECT_EQ(end_capture(), row.expected) << row.args;
  }
}

TEST(commandline_test, settings_show_filters_only_when_on) {
  configdata config;
  config.max_players = 9;
  config.min_kills = 8;
  config.min_games = 7;
  config.min_playtime = 6;
  config.sort_secondary = SORT_KILLED;
  begin_capture();
  config.print_settings();
  std::string off = end_capture();
  EXPECT_NE(off.find("\tMax players: 0\n"), std::string::npos);
  EXPECT_NE(off.find("\tMin playing time: 0\n"), std::string::npos);
  EXPECT_NE(off.find("\tSecondary sort order: by killed\n"), std::string::npos);
  config.filters_on = true;
  begin_capture();
  config.print_settings();
  std::string on = end_capture();
  EXPECT_NE(on.find("\tMax players: 9\n"), std::string::npos);
  EXPECT_NE(on.find("\tMin kills: 8\n\tMin games: 7\n\tMin playing time: 6\n"),
            std::string::npos);
}

TEST(sortkey_test, names) {
  const char* const names[] = {"team", "ratio", "eff",   "skill", "kills",
                               "killed", "name", "frags", "score", "playtime"};
  for (int key = 0; key < 10; ++key) {
    EXPECT_STREQ(sortkey_name(key), names[key]) << key;
  }
  EXPECT_STREQ(sortkey_name(-1), "");
  EXPECT_STREQ(sortkey_name(10), "");
}
