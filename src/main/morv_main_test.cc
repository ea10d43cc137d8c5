// Tests of the run sequence: morv run as a process in a temporary folder.
#include "main/morv_main.h"

#include <gtest/gtest.h>

#include <string>

#include "test_util.h"

namespace {

using morv_main_test = temp_folder_test;

const char* const BANNER =
    "\nMorv - Morv Log Analyzer build 071, May  8 2002\n"
    "Copyright (c) the Morv authors\n";

// The usage text that no arguments, --help and -h print after the banner.
std::string usage_text() {
  return std::string(BANNER) +
      "\nUsage: morv [OPTIONS] <logfile> [OPTIONS]\n\nOptions:\n"
      "\n/a\t\t  open results after analysis"
      "\n/b\t\t  don't include bots in results"
      "\n/l\t\t  write chat log"
      "\n/d\t\t  write data file (morvdata.txt)"
      "\n/f\t\t  don't use \"funnames\""
      "\n/o<x[y]>\t  sortorder (x,y can be N,R,E,S,F,K,P,T - see readme)"
      "\n/cfg:<filespec>\t  use custom CFG - no spaces in <filespec> allowed"
      "\n/min_kills:<x>\t  exclude players with less than <x> kills from "
      "player stats"
      "\n/min_games:<x>\t  exclude players with less than <x> games from "
      "player stats"
      "\n/min_playtime:<x> exclude players with less than <x> seconds "
      "playtime"
      "\n/max_players:<x>  no more than <x> players in player stats"
      "\n/g:<x>            no more than <x> games per html file (default: 50)"
      "\n/top<x>           write additional top <x> players file"
      "\n\nOptions can be specified in upper or lower case with the prefix "
      "'/' or '-'\n";
}

}  // namespace

// No arguments print the usage (status 1, no configuration read). Help and
// version run nothing else: no settings, no warning, status 0.
TEST_F(morv_main_test, usage_help_and_version) {
  write_file("morv.cfg", "output_directory \"never read\"\n");
  run_result run = run_morv(folder, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, usage_text());
  for (const char* args : {"--help", "-h", "game.log -x --help"}) {
    run = run_morv(folder, args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_TRUE(run.output.starts_with(usage_text() + "\nLong options:\n"))
        << args << run.output;
    EXPECT_NE(run.output.find("--json[=PATH]"), std::string::npos) << args;
  }
  run = run_morv(folder, "--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "morv " MORV_VERSION "\nCopyright (c) the Morv authors\n");
}

// An unknown option warns once; the configuration file named is read and
// echoed; the settings are printed (the recorded runs pin the defaults and
// the switches, this run the limits and two more sort keys); -d empties the
// data file in the start folder.
TEST_F(morv_main_test, run_prints_warnings_cfg_and_settings) {
  write_file("my.cfg", "homepage_string \"Clan\"\nalias \"A\" \"B\"\n");
  write_file("morvdata.txt", "an earlier run's data");
  run_result run = run_morv(folder,
                            "-x /y - -cfg:my.cfg -b -l -f -d -max_players:7 "
                            "-min_kills:3 -min_games:2 -min_playtime:60 -top5 "
                            "-oPT");
  std::string expected = std::string(BANNER) +
      "WARNING: unknown command line parameter -X\n"
      "WARNING: unknown command line parameter /Y\n"
      "WARNING: unknown command line parameter -\n"
      "\nReading CFG: my.cfg"
      "\n- homepage_string      \"Clan\""
      "\n- alias                \"A\" \"B\"\n"
      "\n\nCurrent settings:\n\tSkipping bots in log: YES\n"
      "\tWrite chat log: YES\n\tFunnames: NO\n\tMax players: 7\n"
      "\tTop x players: 5\n\tMin kills: 3\n\tMin games: 2\n"
      "\tMin playing time: 60\n\tWriting data file: YES\n"
      "\tPrimary sort order: by playtime\n"
      "\tSecondary sort order: by team\n\n";
  EXPECT_EQ(run.output.substr(0, expected.size()), expected);
  EXPECT_TRUE(file_exists("morvdata.txt"));
  EXPECT_EQ(read_file("morvdata.txt"), "");
}
