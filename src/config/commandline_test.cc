// Tests of the command-line options (their printout: morv_main_test.cc).
#include "config/configdata.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Parses the blank-separated args as argv[1..] of one pass.
std::unique_ptr<configdata> parse(const std::string& args) {
  std::vector<std::string> words = {"morv"};
  std::istringstream split(args);
  for (std::string word; split >> word;) words.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  auto config = std::make_unique<configdata>();
  config->parse_commandline(static_cast<int>(argv.size()), argv.data(), false);
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

}  // namespace

TEST(commandline_test, option_cases) {
  const struct {
    const char* args;
    const char* aspect;
    const char* expected;
  } cases[] = {
      {"/onr", "sort", "6/1"}, {"-oRQ", "sort", "1/1"}, {"-o", "sort", "1/1"},
      {"-oC", "sort", "8/8"}, {"-OTS", "sort", "0/3"}, {"-oXE", "sort", "1/2"},
      {"-open", "sort", "9/2"}, {"-oK -o", "sort", "4/4"},
      {"-oNK -oXF", "sort", "4/7"}, {"-data", "switches", "d"},
      {"-log", "switches", "l"}, {"-bots", "switches", "b"},
      {"/A -F", "switches", "af"}, {"-abldf", "switches", "a"},
      {"/TOP10", "top", "10"}, {"-top:10", "top", "0"}, {"-top", "top", "0"},
      {"-top-3", "top", "-3"}, {"-G:7", "games", "7"}, {"-g20", "games", "50"},
      {"-g:0", "games", "50"}, {"-g:-5", "games", "50"},
      {"-g:x", "games", "50"}, {"-g:99999999999", "games", "2147483647"},
      {"-CFG:Other.Cfg", "cfg", "Other.Cfg"}, {"-cfg:", "cfg", ""},
      {"-cfg:a:b", "cfg", "a:b"}, {"/cfg:/etc/My.cfg", "cfg", "/etc/My.cfg"},
      {"-min_kills:3 -MIN_GAMES:2 -min_playtime:600 -max_players:10", "filters",
       "on 3/2/600/10"},
      {"-min_kills:", "filters", "on 0/0/0/0"},
      {"-min_kills", "filters", "off 0/0/0/0"},
      {"games.log", "logfile", "GAMES.LOG"}, {"-x", "logfile", ""},
      {"a.log -b b*.log", "logfile", "B*.LOG"}, {"/onr", "logfile", ""},
      {"/var/log/games.log", "logfile", "/VAR/LOG/GAMES.LOG"},
      {"/cfg:/x/y", "logfile", ""},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(aspect(*parse(row.args), row.aspect), row.expected)
        << row.args;
  }
}
