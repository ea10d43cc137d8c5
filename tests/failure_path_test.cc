// Failure paths of a run: each gives its message and status and touches
// nothing outside the output folder (as root: blocked with files where
// folders must go, links to /dev/full and /proc/self/mem).
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "test_util.h"
#include "tools/loggen_game.h"

namespace fs = std::filesystem;

namespace {

const char* const LOG =
    "  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm6\n"
    "  0:01 ClientUserinfoChanged: 0 n\\Alpha\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 1 n\\Beta\\t\\0\n"
    "  0:10 Kill: 0 1 10: x\n  0:20 Kill: 1 0 10: x\n"
    "  0:30 say: Alpha: hi\n  1:00 ShutdownGame:\n";

// The files below root but outside skip, with their bytes (date and
// elapsed time masked).
std::map<std::string, std::string> files_of(const std::string& root,
                                            const std::string& skip = "/") {
  std::map<std::string, std::string> files;
  for (const std::string& name : files_below(root)) {
    if (!name.starts_with(skip)) {
      files[name] = mask_volatile(read_file(root + "/" + name));
    }
  }
  return files;
}

// /proc/self/mem at offset 0 gives an I/O error.
class failure_path_test : public temp_folder_test {};

TEST_F(failure_path_test, each_failure_gives_its_message_and_status) {
  const struct {
    const char* args;
    void (*prepare)();
    const char* message;
    int status = 1;
  } rows[] = {
      {"game.log -l",
       [] {
         write_file("blocker", "a file where a folder must go\n");
         write_file("morv.cfg", "output_directory \"blocker/site\"\n");
       },
       "\nERROR: Couldn't open blocker/site\n\nPress ENTER to exit"},
      {"game.log --json=/dev/full", [] {},
       "\nERROR: Couldn't write /dev/full\n"},
      {"game.log -d", [] { fs::create_directory("morvdata.txt"); },
       "\nERROR: Couldn't write morvdata.txt\n"},
      {"game.log -cfg:folder", [] { fs::create_directory("folder"); },
       "\nERROR: analyzedemo::parse - configfile read error\n"},
      {"'*.log'",
       [] {
         fs::rename("game.log", "a.log");
         fs::create_symlink("/proc/self/mem", "b.log");
       },
       "\nERROR: analyzelog::parse - logfile read error\n"},
      // A dangling link into a missing folder is replaced by the copy.
      {"game.log",
       [] {
         write_file("morv.css", "body { color: red }\n");
         fs::create_directory("site");
         fs::create_symlink("missing/morv.css", "site/morv.css");
       },
       "\nCopied stylesheet file morv.css to results folder", 0},
  };
  int index = 0;
  for (const auto& row : rows) {
    const std::string run_folder = folder + "/run" + std::to_string(index++);
    fs::create_directory(run_folder);
    fs::current_path(run_folder);
    write_file("game.log", LOG);
    write_file("morv.cfg", "output_directory \"site\"\n");
    row.prepare();
    auto before = files_of(".", "site/");
    run_result run = run_morv(run_folder, row.args);
    EXPECT_EQ(row.status, run.status) << row.message;
    EXPECT_NE(std::string::npos, run.output.find(row.message)) << run.output;
    if (row.status == 0) {
      EXPECT_EQ(std::vector<std::string>{}, site_problems("site"));
      EXPECT_FALSE(fs::exists("site/missing"));
    }
    EXPECT_EQ(before, files_of(".", "site/")) << row.message;
  }
  fs::current_path(folder);
}

// A failed run leaves the published site as it was; a later run replaces
// links at the names it writes, leaving their targets alone, and removes
// the files that the earlier run wrote and it does not.
TEST_F(failure_path_test, published_site_survives_failures_links_and_fewer_options) {
  write_file("game.log", LOG);
  write_file("morv.cfg", "output_directory \"site\"\n");
  ASSERT_EQ(run_morv(folder, "game.log -l -top3 --json").status, 0);
  const auto published = files_of("site");
  EXPECT_TRUE(published.contains("top_players.htm"));
  EXPECT_EQ(run_morv(folder, "missing.log -l").status, 1);
  EXPECT_EQ(files_of("site"), published);

  write_file("target.txt", "not Morv's\n");
  for (const char* name : {"site/players_kills.htm", "site/morv_games/game_1.htm",
                           "site/morv_players/player_1.htm"}) {
    fs::remove(name);
    fs::create_symlink(folder + "/target.txt", name);
  }
  ASSERT_EQ(run_morv(folder, "game.log").status, 0);
  EXPECT_EQ(read_file("target.txt"), "not Morv's\n");
  EXPECT_FALSE(fs::is_symlink("site/players_kills.htm"));
  EXPECT_FALSE(fs::is_symlink("site/morv_games/game_1.htm"));
  const auto fewer = files_of("site");
  for (const char* stale : {"top_players.htm", "chat.htm", "morv.json"}) {
    EXPECT_FALSE(fewer.contains(stale)) << stale;
  }
  EXPECT_TRUE(fewer.contains("players.htm"));
  EXPECT_EQ(std::vector<std::string>{}, site_problems("site"));
}

}  // namespace

// SIGTERM during a run ends it with status 143 and leaves the site that an
// earlier run published as it was, with no temporary file behind.
TEST_F(failure_path_test, sigterm_leaves_the_published_site) {
  write_file("game.log", LOG);
  write_file("morv.cfg", "output_directory \"site\"\n");
  ASSERT_EQ(run_morv(folder, "game.log -l").status, 0);
  const auto published = files_of("site");
  loggen::settings big;
  big.games = 1000;
  big.minutes = 1;
  write_file("big.log", loggen::log_text(big));
  // The signal comes once the run has begun to write its games.
  const std::string command =
      "cd '" + folder + "' && { '" MORV_BINARY
      "' big.log -l -d </dev/null >/dev/null & for i in $(seq 1000); do "
      "ls -d site/.morv-tmp-*-morv_games >/dev/null 2>&1 && break; "
      "sleep 0.01; done; kill -TERM $!; wait $!; }";
  EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 143);
  EXPECT_EQ(files_of("site"), published);
  for (const auto& entry : fs::directory_iterator("site")) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".morv-tmp"))
        << entry.path();
  }
  EXPECT_FALSE(fs::exists("morvdata.txt"));
}
