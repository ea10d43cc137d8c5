// Tests of the run sequence: morv run as a process in a temporary folder.
#include "main/morv_main.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "test_util.h"

namespace {

using morv_main_test = temp_folder_test;

const char* const BANNER =
    "\nMorv - Morv Log Analyzer build 071, May  8 2002\n"
    "Copyright (c) the Morv authors\n";

}  // namespace

// No arguments print the usage (status 1, no configuration read); help
// (without tabs) and version run nothing else. A run prints its warnings
// and settings (the recorded runs pin the defaults and switches), heads
// each ranking page with its limits and empties an earlier data file.
TEST_F(morv_main_test, console_texts_and_limits) {
  write_file("morv.cfg", "output_directory \"site\"\n");
  write_file("morvdata.txt", "an earlier run's data");
  write_file("g.log",
             "  0:00 InitGame: \\g_gametype\\0\n"
             "  0:01 ClientUserinfoChanged: 0 n\\A\\t\\0\n"
             "  0:01 ClientUserinfoChanged: 1 n\\C\\t\\0\n"
             "  0:05 Kill: 0 1 10: x\n  1:00 ShutdownGame:\n");
  const std::string help =
      std::string(BANNER) + "\nUsage: morv [OPTION]... LOGFILE";
  const std::string help_end = "upper case or with '/'. See morv(1).\n";
  const struct {
    const char* args;
    int status;
    std::string start, text;
  } rows[] = {
      {"", 1,
       std::string(BANNER) + "\nUsage: morv [OPTIONS] <logfile> "
                             "[OPTIONS]\n\nOptions:\n\n/a\t\t  ",
       "\n\nOptions can be specified in upper or lower case with the prefix "
       "'/' or '-'\n"},
      {"--help", 0, help, help_end},
      {"game.log -x -h", 0, help, help_end},
      {"--version", 0,
       "morv " MORV_VERSION "\nCopyright (c) the Morv authors\n", ""},
      {"-x /y -b -d -max_players:7 -min_kills:3 -min_games:2 "
       "-min_playtime:3725 -top5 -oPT g.log",
       0,
       std::string(BANNER) + "WARNING: unknown command line parameter -X\n"
                             "WARNING: unknown command line parameter /Y\n",
       "\tMax players: 7\n\tTop x players: 5\n\tMin kills: 3\n"
       "\tMin games: 2\n\tMin playing time: 3725\n\tWriting data file: YES\n"
       "\tPrimary sort order: by playtime\n\tSecondary sort order: by team\n"},
  };
  for (const auto& row : rows) {
    run_result run = run_morv(folder, row.args);
    EXPECT_EQ(run.status, row.status) << row.args;
    EXPECT_TRUE(run.output.starts_with(row.start)) << row.args << run.output;
    EXPECT_NE(run.output.find(row.text), std::string::npos) << row.args;
    if (row.start == help) {
      EXPECT_EQ(run.output.find('\t'), std::string::npos) << row.args;
    }
  }
  const std::string limits =
      "<p><b><font size=3>Limits used:</font></b><br>min_kills: 3"
      "<br>min_games: 2<br>min_playtime: 01:02:05 h";
  EXPECT_NE(read_file("site/players_kills.htm")
                .find(limits + "<br>max_players: 7<br>no_bots: true</p>"),
            std::string::npos);
  EXPECT_NE(read_file("site/top_players_name.htm")
                .find(limits + "<br>no_bots: true</p>"),
            std::string::npos);
  EXPECT_TRUE(read_file("morvdata.txt").starts_with("<game>\r\n"));
}

namespace {

// The exit status of morv run with args in folder, input as standard input
// and out.txt and err.txt as output; 124 when not ended after 10 seconds.
int run_apart(const std::string& folder, const std::string& args,
              const std::string& input = "/dev/null") {
  const std::string command = "cd '" + folder +
                              "' && timeout 10 '" MORV_BINARY "' " + args +
                              " <" + input + " >out.txt 2>err.txt";
  return WEXITSTATUS(std::system(command.c_str()));
}

}  // namespace

// A quiet run prints nothing on success and its errors, with their reason,
// on standard error; no error waits for a key unless a person is at a
// terminal.
TEST_F(morv_main_test, quiet_runs_and_errors_never_wait) {
  write_file("g.log",
             "  0:00 InitGame: \\g_gametype\\0\n  1:00 ShutdownGame:\n");
  EXPECT_EQ(run_apart(folder, "--quiet g.log"), 0);
  EXPECT_EQ(read_file("out.txt") + read_file("err.txt"), "");
  EXPECT_EQ(run_apart(folder, "--quiet --config=none.cfg g.log"), 2);
  EXPECT_EQ(read_file("out.txt"), "");
  EXPECT_EQ(read_file("err.txt"),
            "ERROR: Couldn't open none.cfg: No such file or directory\n");
  int ends[2];  // a pipe that stays open and empty
  ASSERT_EQ(pipe(ends), 0);
  EXPECT_EQ(run_apart(folder, "--bogus", "&" + std::to_string(ends[0])), 1);
  close(ends[0]);
  close(ends[1]);
}
