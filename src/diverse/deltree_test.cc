// Tests of the folder tree removal and its wildcard match.
#include "diverse/deltree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "diverse/folders.h"
#include "test_util.h"

namespace fs = std::filesystem;

using deltree_test = temp_folder_test;

TEST_F(deltree_test, removes_matching_trees_but_not_link_targets) {
  fs::create_directories("morv_games/a/b");
  fs::create_directories("morv_games/c/.hidden");
  fs::create_directories("outside/inner");
  fs::create_directory("logs");
  write_file("morv_games/c/file.htm", "x");
  write_file("logs/x2.log", "z");
  write_file("outside/precious.txt", "p");
  write_file("outside/inner/also.txt", "q");
  fs::create_directory_symlink(folder + "/outside", "morv_games/a/dir_link");
  fs::create_symlink(folder + "/outside/precious.txt", "morv_games/file_link");
  fs::create_symlink(folder + "/nowhere", "morv_games/a/b/dangling");
  fs::create_directory_symlink(folder + "/outside", "morv_players");
  diverse::deltree("MORV_?AMES");
  diverse::deltree("morv_players");  // a link named by the pattern itself
  diverse::deltree("nothing*");
  const diverse::folder_handle logs("logs");
  diverse::deltree(logs.descriptor(), "X*");
  for (const char* gone :
       {"morv_games/a", "morv_games/file_link", "morv_games/c/file.htm",
        "logs/x2.log", "morv_players"}) {
    EXPECT_FALSE(fs::exists(fs::symlink_status(gone))) << gone;
  }
  // Dot folders stay, and with them the folders above.
  EXPECT_TRUE(fs::exists("morv_games/c/.hidden"));
  EXPECT_EQ(read_file("outside/precious.txt"), "p");
  EXPECT_EQ(read_file("outside/inner/also.txt"), "q");
  EXPECT_EQ(fs::current_path(), folder);
}

TEST(wildcard_match_test, wildcard_match) {
  const struct {
    const char* pattern;
    const char* name;
    bool expected;
  } cases[] = {
      {"*.LOG", "a.log.old", false},  {"*.log*", "a.log.old", true},
      {"*.*", "noext", true},         {"g?mes.log", "gmes.log", false},
      {"*", "", true},                {"?", "", false},
      {"a*b*c", "aXbYbZc", true},     {"a*b*c", "aXbYbZ", false},
      {"", "a", false},               {"[a]", "a", false},
      {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::wildcard_match(row.pattern, row.name), row.expected)
        << row.pattern << " ~ " << row.name;
  }
}
