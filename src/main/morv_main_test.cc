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

TEST_F(morv_main_test, no_arguments_print_banner_and_usage) {
  write_file("morv.cfg", "output_directory \"never read\"\n");
  run_result run = run_morv(folder, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, usage_text());
}

// Help and version run nothing else: no settings, no warning, status 0.
TEST_F(morv_main_test, help_and_version) {
  for (const char* args : {"--help", "-h", "game.log -x --help"}) {
    run_result run = run_morv(folder, args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_TRUE(run.output.starts_with(usage_text() + "\nLong options:\n"))
        << args << run.output;
    EXPECT_NE(run.output.find("--json[=PATH]"), std::string::npos) << args;
  }
  run_result run = run_morv(folder, "--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "morv " MORV_VERSION "\nCopyright (c) the Morv authors\n");
}

// An unknown option warns; the configuration file named is read and echoed
// (the settings that follow are pinned by the recorded runs).
TEST_F(morv_main_test, run_prints_banner_warning_and_cfg) {
  write_file("my.cfg", "homepage_string \"Clan\"\nalias \"A\" \"B\"\n");
  run_result run = run_morv(folder, "-x -cfg:my.cfg");
  std::string expected = std::string(BANNER) +
      "WARNING: unknown command line parameter -X\n"
      "\nReading CFG: my.cfg"
      "\n- homepage_string      \"Clan\""
      "\n- alias                \"A\" \"B\"\n"
      "\n\nCurrent settings:\n";
  EXPECT_EQ(run.output.substr(0, expected.size()), expected);
}

TEST_F(morv_main_test, data_option_empties_the_data_file_first) {
  write_file("morvdata.txt", "an earlier run's data");
  run_morv(folder, "-d");
  EXPECT_TRUE(file_exists("morvdata.txt"));
  EXPECT_EQ(read_file("morvdata.txt"), "");
}
