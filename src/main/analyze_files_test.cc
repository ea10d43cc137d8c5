// The analysis driver run as a process: log file matching, numbering across
// files, the output folder and the stylesheet rules.
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

TEST_F(analyze_files_test, games_are_numbered_across_files_in_name_order) {
  write_file("b.log", duel("second", "x", "y"));
  write_file("A.LOG", duel("first", "x", "y") + duel("again", "x", "z"));
  run_result run = run_morv(folder, "'*.log'");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_LT(run.output.find("Parsing A.LOG"), run.output.find("Parsing b.log"));
  EXPECT_NE(read_file("morv_games/game_1.htm").find("first"), std::string::npos);
  EXPECT_NE(read_file("morv_games/game_3.htm").find("second"),
            std::string::npos);
}

// As a shell expands *.log: every argument is read, in the order given,
// as one run, its folder part searched; one that matches nothing warns
// where it would have been read.
TEST_F(analyze_files_test, several_log_arguments_are_one_run) {
  fs::create_directory("Logs");
  write_file("b.log", duel("second", "x", "y"));
  write_file("Logs/a.log", duel("first", "x", "y"));
  run_result run = run_morv(folder, "b.log 'none*.log' 'Logs/A*.LOG'");
  ASSERT_EQ(run.status, 0) << run.output;
  const size_t b = run.output.find("\nParsing b.log [");
  const size_t none =
      run.output.find("\nWARNING: no logfile matches none*.log\n");
  const size_t a = run.output.find("\nParsing Logs/a.log [");
  EXPECT_TRUE(b < none && none < a && a != std::string::npos) << run.output;
  EXPECT_NE(read_file("morv_games/game_2.htm").find("first"),
            std::string::npos);
}

TEST_F(analyze_files_test, stylesheet_is_copied_once_and_kept) {
  write_file("morv.cfg", "output_directory \"site\"\n");
  write_file("morv.css", "body { color: red }");
  write_file("g.log", duel("q3dm1", "a", "b"));
  run_result first = run_morv(folder, "g.log");
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_NE(first.output.find("Reading morv.css\n\nCopied stylesheet file "
                              "morv.css to results folder\n"),
            std::string::npos) << first.output;
  EXPECT_EQ(read_file("site/morv.css"), "body { color: red }");
  EXPECT_NE(read_file("site/morv_games/game_1.htm").find("HREF=\"../morv.css\""),
            std::string::npos);

  write_file("morv.css", "body { color: blue }");
  write_file("site/morv_games/stale.htm", "old");
  run_result second = run_morv(folder, "g.log");
  EXPECT_NE(second.output.find("\nUsing existing stylesheet file morv.css\n"),
            std::string::npos);
  EXPECT_EQ(read_file("site/morv.css"), "body { color: red }");
  EXPECT_FALSE(file_exists("site/morv_games/stale.htm"));
}

// Missing parents are made (as mkdir -p); a file in the way is fatal.
TEST_F(analyze_files_test, output_folder_is_made_with_its_parents) {
  write_file("g.log", duel("q3dm1", "a", "b"));
  write_file("blocker", "a file where a folder must go");
  const struct {
    const char* folder;
    int status;
    const char* output_end;
  } rows[] = {
      {"out/deep/site", 0, "seconds elapsed\n"},
      {"blocker/site", 1,
       "\nERROR: Couldn't open blocker/site\n\nPress ENTER to exit"},
  };
  for (const auto& row : rows) {
    write_file("morv.cfg", std::string("output_directory \"") + row.folder +
                               "\"\n");
    run_result run = run_morv(folder, "g.log");
    EXPECT_EQ(run.status, row.status) << row.folder;
    EXPECT_TRUE(run.output.ends_with(row.output_end)) << run.output;
    EXPECT_EQ(file_exists(std::string(row.folder) + "/morv_games/game_1.htm"),
              row.status == 0)
        << row.folder;
  }
}

}  // namespace
