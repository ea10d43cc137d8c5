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

// The first and last lines of the usage text, after the banner.
const char* const USAGE_START =
    "\nUsage: morv [OPTIONS] <logfile> [OPTIONS]\n\nOptions:\n\n/a\t\t  ";
const char* const USAGE_END =
    "\n/top<x>           write additional top <x> players file"
    "\n\nOptions can be specified in upper or lower case with the prefix "
    "'/' or '-'\n";

}  // namespace

// No arguments print the usage (status 1, no configuration read). Help and
// version run nothing else: no settings, no warning, status 0.
TEST_F(morv_main_test, usage_help_and_version) {
  write_file("morv.cfg", "output_directory \"never read\"\n");
  run_result run = run_morv(folder, "");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.output.starts_with(std::string(BANNER) + USAGE_START));
  EXPECT_TRUE(run.output.ends_with(USAGE_END)) << run.output;
  // Help lists the options in their Linux form, with spaces, not tabs.
  for (const char* args : {"--help", "-h", "game.log -x --help"}) {
    run = run_morv(folder, args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_TRUE(run.output.starts_with(std::string(BANNER) +
                                       "\nUsage: morv [OPTION]... LOGFILE"))
        << args << run.output;
    for (const char* option : {"-cfg:FILE", "C score", "--quiet", "--output="}) {
      EXPECT_NE(run.output.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(run.output.find('\t'), std::string::npos) << args;
  }
  run = run_morv(folder, "--version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "morv " MORV_VERSION "\nCopyright (c) the Morv authors\n");
}

namespace {

// The exit status of morv run with args in folder, standard output and
// standard error going to out.txt and err.txt there.
int run_apart(const std::string& folder, const std::string& args) {
  const std::string command = "cd '" + folder + "' && '" MORV_BINARY "' " +
                              args + " </dev/null >out.txt 2>err.txt";
  return WEXITSTATUS(std::system(command.c_str()));
}

// Whether morv --bogus ends within seconds while its standard input is a
// pipe that stays open and empty.
bool ends_with_open_pipe(int seconds) {
  int ends[2];
  if (pipe(ends) != 0) return false;
  const pid_t child = fork();
  if (child == 0) {
    dup2(ends[0], 0);
    close(ends[1]);
    if (std::freopen("/dev/null", "w", stdout) == nullptr) _exit(3);
    execl(MORV_BINARY, "morv", "--bogus", static_cast<char*>(nullptr));
    _exit(3);
  }
  close(ends[0]);
  bool ended = false;
  for (int tenth = 0; tenth < seconds * 10 && !ended; ++tenth) {
    usleep(100000);
    ended = waitpid(child, nullptr, WNOHANG) == child;
  }
  close(ends[1]);
  if (!ended) waitpid(child, nullptr, 0);
  return ended;
}

}  // namespace

// A quiet run prints nothing on success and its errors, with their reason,
// on standard error; no error waits for a key unless a person is at a
// terminal.
TEST_F(morv_main_test, quiet_runs_and_errors_never_wait) {
  write_file("g.log", "  0:00 InitGame: \\g_gametype\\0\n  1:00 ShutdownGame:\n");
  EXPECT_EQ(run_apart(folder, "--quiet g.log"), 0);
  EXPECT_EQ(read_file("out.txt") + read_file("err.txt"), "");
  EXPECT_EQ(run_apart(folder, "--quiet --config=none.cfg g.log"), 2);
  EXPECT_EQ(read_file("out.txt"), "");
  EXPECT_EQ(read_file("err.txt"),
            "ERROR: Couldn't open none.cfg: No such file or directory\n");
  EXPECT_TRUE(ends_with_open_pipe(10));
}

// An unknown option warns once; the configuration file named is read and
// echoed; the settings are printed (the recorded runs pin the defaults and
// the switches, this run the limits and two more sort keys) and the limits
// head each ranking page (the name page has no length); -d empties the data
// file in the start folder before it gets the game.
TEST_F(morv_main_test, run_prints_warnings_cfg_settings_and_limits) {
  write_file("my.cfg", "output_directory \"site\"\nalias \"A\" \"B\"\n");
  write_file("morvdata.txt", "an earlier run's data");
  write_file("g.log",
             "  0:00 InitGame: \\g_gametype\\0\n"
             "  0:01 ClientUserinfoChanged: 0 n\\A\\t\\0\n"
             "  0:01 ClientUserinfoChanged: 1 n\\C\\t\\0\n"
             "  0:05 Kill: 0 1 10: x\n  1:00 ShutdownGame:\n");
  run_result run = run_morv(folder,
                            "-x /y -cfg:my.cfg -b -l -f -d -max_players:7 "
                            "-min_kills:3 -min_games:2 -min_playtime:3725 "
                            "-top5 -oPT g.log");
  std::string expected = std::string(BANNER) +
      "WARNING: unknown command line parameter -X\n"
      "WARNING: unknown command line parameter /Y\n"
      "\nReading CFG: my.cfg"
      "\n- output_directory     \"site\""
      "\n- alias                \"A\" \"B\"\n"
      "\n\nCurrent settings:\n\tSkipping bots in log: YES\n"
      "\tWrite chat log: YES\n\tFunnames: NO\n\tMax players: 7\n"
      "\tTop x players: 5\n\tMin kills: 3\n\tMin games: 2\n"
      "\tMin playing time: 3725\n\tWriting data file: YES\n"
      "\tPrimary sort order: by playtime\n"
      "\tSecondary sort order: by team\n\n";
  EXPECT_EQ(run.output.substr(0, expected.size()), expected);
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
