// The analysis driver as a process: log files, output folder, stylesheet.
#include <filesystem>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

// One finished game in which a beats b once on map.
std::string duel(const std::string& map, const std::string& a,
                 const std::string& b) {
  return "  0:00 InitGame: \\g_gametype\\0\\mapname\\" + map +
         "\\gamename\\baseq3\n"
         "  0:01 ClientUserinfoChanged: 0 n\\" + a + "\\t\\0\n"
         "  0:01 ClientUserinfoChanged: 1 n\\" + b + "\\t\\0\n"
         "  0:05 Kill: 0 1 10: x\n"
         "  0:06 say: " + a + ": hi\n"
         "  1:00 ShutdownGame:\n";
}

class analyze_files_test : public temp_folder_test {};

TEST_F(analyze_files_test, no_matching_file_is_fatal) {
  fs::create_directory("folder.log");
  write_file(".hidden.log", duel("q3dm1", "a", "b"));
  for (const char* args :
       {"-x", "'*.log'", "missing.log", "none.log other.log"}) {
    run_result run = run_morv(folder, args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_TRUE(run.output.ends_with(
        "\nERROR: No logfiles found\n\nPress ENTER to exit"))
        << args << run.output;
  }
}

// As a shell expands *.log: every argument is read, in the order given,
// as one run, its matches in name order whatever the letter case, its
// folder part searched; one that matches nothing warns where it would have
// been read. Games are numbered across the files.
TEST_F(analyze_files_test, several_log_arguments_are_one_run) {
  fs::create_directory("Logs");
  write_file("b.log", duel("second", "x", "y"));
  write_file("A.LOG", duel("first", "x", "y") + duel("again", "x", "z"));
  write_file("Logs/c.log", duel("fourth", "x", "y"));
  run_result run = run_morv(folder, "'*.log' 'none*.log' 'Logs/C*.LOG'");
  ASSERT_EQ(run.status, 0) << run.output;
  const size_t a = run.output.find("\nParsing A.LOG [");
  const size_t b = run.output.find("\nParsing b.log [");
  const size_t none =
      run.output.find("\nWARNING: no logfile matches none*.log\n");
  const size_t c = run.output.find("\nParsing Logs/c.log [");
  EXPECT_TRUE(a < b && b < none && none < c && c != std::string::npos)
      << run.output;
  EXPECT_NE(read_file("morv_games/game_1.htm").find("first"), std::string::npos);
  EXPECT_NE(read_file("morv_games/game_3.htm").find("second"),
            std::string::npos);
  EXPECT_NE(read_file("morv_games/game_4.htm").find("fourth"),
            std::string::npos);
}

// The output folder's missing parents are made, as mkdir -p does (a file in
// the way: tests/failure_path_test.cc).
TEST_F(analyze_files_test, stylesheet_is_copied_once_and_kept) {
  write_file("morv.cfg", "output_directory \"out/site\"\n");
  write_file("morv.css", "body { color: red }");
  write_file("g.log", duel("q3dm1", "a", "b"));
  run_result first = run_morv(folder, "g.log");
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_NE(first.output.find("Reading morv.css\n\nCopied stylesheet file "
                              "morv.css to results folder\n"),
            std::string::npos) << first.output;
  EXPECT_EQ(read_file("out/site/morv.css"), "body { color: red }");
  EXPECT_NE(
      read_file("out/site/morv_games/game_1.htm").find("HREF=\"../morv.css\""),
      std::string::npos);

  write_file("morv.css", "body { color: blue }");
  write_file("out/site/morv_games/stale.htm", "old");
  run_result second = run_morv(folder, "g.log");
  EXPECT_NE(second.output.find("\nUsing existing stylesheet file morv.css\n"),
            std::string::npos);
  EXPECT_EQ(read_file("out/site/morv.css"), "body { color: red }");
  EXPECT_FALSE(file_exists("out/site/morv_games/stale.htm"));
}

}  // namespace
