// Failure paths of a run: each gives its message and status and touches
// nothing outside the output folder (as root: blocked with files where
// folders must go, links to /dev/full and /proc/self/mem).
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

const char* const LOG =
    "  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm6\n"
    "  0:01 ClientUserinfoChanged: 0 n\\Alpha\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 1 n\\Beta\\t\\0\n"
    "  0:10 Kill: 0 1 10: x\n  0:20 Kill: 1 0 10: x\n"
    "  0:30 say: Alpha: hi\n  1:00 ShutdownGame:\n";

// The files of the current folder outside the output folder, with bytes.
std::map<std::string, std::string> start_folder() {
  std::map<std::string, std::string> files;
  for (const std::string& name : files_below(fs::current_path())) {
    if (!name.starts_with("site/")) files[name] = read_file(name);
  }
  return files;
}

void link_to_full(const char* path) {
  std::error_code no_folder;  // when path names none
  fs::create_directories(fs::path(path).parent_path(), no_folder);
  fs::create_symlink("/dev/full", path);
}

// The output folder; a ranking page and the chat log, written last; the
// data file in the start folder (-d empties it before anything else, so
// only those rows change the start folder); a log that cannot be read
// (/proc/self/mem at offset 0 gives an I/O error); a stylesheet that
// cannot be copied, which only warns.
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
      {"game.log", [] { link_to_full("site/players_kills.htm"); },
       "\nERROR: Couldn't write players_kills.htm\n"},
      {"game.log -l", [] { link_to_full("site/chat.htm"); },
       "\nERROR: Couldn't write chat.htm\n"},
      {"game.log -d", [] { fs::create_directory("morvdata.txt"); },
       "\nERROR: Couldn't open morvdata.txt\n"},
      {"game.log -d", [] { link_to_full("morvdata.txt"); },
       "\nERROR: Couldn't write morvdata.txt\n"},
      {"'*.log'",
       [] {
         fs::rename("game.log", "a.log");
         fs::create_symlink("/proc/self/mem", "b.log");
       },
       "\nERROR: analyzelog::parse - logfile read error\n"},
      // A dangling link into a missing folder: neither readable nor
      // creatable. The pages fall back to the inline style.
      {"game.log",
       [] {
         write_file("morv.css", "body { color: red }\n");
         fs::create_directory("site");
         fs::create_symlink("missing/morv.css", "site/morv.css");
       },
       "\nCouldn't write morv.css, using default stylesheets", 0},
  };
  int index = 0;
  for (const auto& row : rows) {
    const std::string run_folder = folder + "/run" + std::to_string(index++);
    fs::create_directory(run_folder);
    fs::current_path(run_folder);
    write_file("game.log", LOG);
    write_file("morv.cfg", "output_directory \"site\"\n");
    row.prepare();
    auto before = start_folder();
    run_result run = run_morv(run_folder, row.args);
    EXPECT_EQ(row.status, run.status) << row.message;
    EXPECT_NE(std::string::npos, run.output.find(row.message)) << run.output;
    if (row.status == 0) {
      EXPECT_EQ(std::vector<std::string>{}, site_problems("site"));
      EXPECT_FALSE(fs::exists("site/missing"));
    }
    if (!std::string(row.args).ends_with("-d")) {
      EXPECT_EQ(before, start_folder()) << row.message;
    }
  }
  fs::current_path(folder);
}

}  // namespace
