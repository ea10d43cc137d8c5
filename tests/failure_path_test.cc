// Failure paths of a run: each gives its message and status and touches
// nothing outside the output folder (as root: blocked with files where
// folders must go, links to /dev/full and /proc/self/mem).
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

const char* const LOG =
    "  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm6\n"
    "  0:01 ClientUserinfoChanged: 0 n\\Alpha\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 1 n\\Beta\\t\\0\n"
    "  0:10 Kill: 0 1 10: x\n  0:20 Kill: 1 0 10: x\n"
    "  0:30 say: Alpha: hi\n  1:00 ShutdownGame:\n";

class failure_path_test : public temp_folder_test {
 protected:
  void SetUp() override {
    temp_folder_test::SetUp();
    write_file("game.log", LOG);
    write_file("morv.cfg", "output_directory \"site\"\n");
  }
  // The files of the start folder outside the output folder, with bytes.
  std::map<std::string, std::string> start_folder() {
    std::map<std::string, std::string> files;
    for (const std::string& name : files_below(folder)) {
      if (!name.starts_with("site/")) files[name] = read_file(name);
    }
    return files;
  }
};

// The run ended with status 1 and a message holding text.
void expect_fatal(const run_result& run, const std::string& text,
                  const std::string& where = "") {
  EXPECT_EQ(1, run.status) << where;
  EXPECT_NE(std::string::npos, run.output.find(text))
      << where << "\n" << run.output;
}

TEST_F(failure_path_test, output_folder_that_cannot_be_created) {
  write_file("blocker", "a file where a folder must go\n");
  write_file("morv.cfg", "output_directory \"blocker/site\"\n");
  auto before = start_folder();
  run_result run = run_morv(folder, "game.log -l");
  expect_fatal(run,
               "\nERROR: Couldn't open blocker/site\n\nPress ENTER to exit");
  EXPECT_EQ(before, start_folder());  // no page fell back into the start
  EXPECT_EQ("a file where a folder must go\n", read_file("blocker"));
}

TEST_F(failure_path_test, page_that_cannot_be_written_is_fatal) {
  const struct {
    const char* page;  // in the output folder, linked to /dev/full
    const char* options;
  } rows[] = {
      {"games.htm", "game.log"},         {"players.htm", "game.log"},
      {"players_kills.htm", "game.log"}, {"chat.htm", "game.log -l"},
      {"morvdata.txt", "game.log -d"},
      {"top_players_name.htm", "game.log -top3"},
  };
  for (const auto& r : rows) {
    fs::remove_all("site");
    fs::create_directory("site");
    fs::create_symlink("/dev/full", fs::path("site") / r.page);
    auto before = start_folder();
    run_result run = run_morv(folder, r.options);
    expect_fatal(run, "ERROR: Couldn't write", r.page);
    EXPECT_NE(std::string::npos, run.output.find(r.page)) << r.page;
    if (std::string(r.page) != "morvdata.txt") {
      EXPECT_EQ(before, start_folder()) << r.page;
    }
  }
}

TEST_F(failure_path_test, start_folder_data_file_that_cannot_be_written) {
  // -d empties morvdata.txt in the start folder before anything else.
  fs::create_directory("morvdata.txt");
  run_result run = run_morv(folder, "game.log -d");
  expect_fatal(run, "ERROR: Couldn't open morvdata.txt");
  EXPECT_FALSE(fs::exists("site"));  // ended before the analysis
  // A data file that accepts the empty start but no game block.
  fs::remove("morvdata.txt");
  fs::create_symlink("/dev/full", "morvdata.txt");
  run = run_morv(folder, "game.log -d");
  expect_fatal(run, "ERROR: Couldn't write");
}

TEST_F(failure_path_test, stylesheet_that_cannot_be_copied) {
  write_file("morv.css", "body { color: red }\n");
  fs::create_directory("site");
  // A dangling link whose target folder does not exist: neither readable
  // nor creatable.
  fs::create_symlink("missing/morv.css", "site/morv.css");
  auto before = start_folder();
  run_result run = run_morv(folder, "game.log");
  EXPECT_EQ(0, run.status) << run.output;
  EXPECT_NE(std::string::npos,
            run.output.find("Couldn't write morv.css, using default "
                            "stylesheets"))
      << run.output;
  std::string page = read_file("site/players.htm");
  EXPECT_NE(std::string::npos, page.find("<style>"));
  EXPECT_EQ(std::string::npos, page.find("morv.css"));
  EXPECT_FALSE(fs::exists("site/missing"));
  EXPECT_EQ(before, start_folder());
}

TEST_F(failure_path_test, log_file_that_cannot_be_read) {
  // Reading /proc/self/mem at offset 0 fails with an I/O error.
  fs::rename("game.log", "a.log");
  fs::create_symlink("/proc/self/mem", "b.log");
  auto before = start_folder();
  run_result run = run_morv(folder, "'*.log'");
  expect_fatal(run, "ERROR: analyzelog::parse - logfile read error");
  EXPECT_EQ(before, start_folder());
  // What was written before the fatal error stays.
  EXPECT_TRUE(file_exists("site/morv_games/game_1.htm"));
}

}  // namespace
