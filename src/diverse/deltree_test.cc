// Tests of the folder tree removal and the wildcard match it builds on (the
// log file search is tested through whole runs).
#include "diverse/deltree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "diverse/folders.h"
#include "test_util.h"

namespace fs = std::filesystem;

using deltree_test = temp_folder_test;

TEST_F(deltree_test, removes_matching_trees_and_keeps_current_folder) {
  fs::create_directories("morv_games/a/b");
  fs::create_directories("morv_games/c/.hidden");
  write_file("morv_games/a/b/deep.htm", "3");
  write_file("morv_games/c/file.htm", "x");
  write_file("x2.log", "z");
  write_file("keep.txt", "k");
  std::string before = diverse::current_folder();
  diverse::deltree("MORV_?AMES");
  diverse::deltree("X*");
  diverse::deltree("nothing*");
  EXPECT_FALSE(fs::exists("morv_games/a"));
  EXPECT_FALSE(fs::exists("morv_games/c/file.htm"));
  EXPECT_FALSE(fs::exists("x2.log"));
  // Dot folders stay, and with them the folders above.
  EXPECT_TRUE(fs::exists("morv_games/c/.hidden"));
  EXPECT_TRUE(fs::exists("keep.txt"));
  EXPECT_EQ(diverse::current_folder(), before);
}

TEST_F(deltree_test, links_are_removed_but_their_targets_survive) {
  fs::create_directories("morv_games/a/b");
  fs::create_directories("outside/inner");
  write_file("outside/precious.txt", "p");
  write_file("outside/inner/also.txt", "q");
  fs::create_directory_symlink(folder + "/outside", "morv_games/a/dir_link");
  fs::create_symlink(folder + "/outside/precious.txt", "morv_games/file_link");
  fs::create_symlink(folder + "/nowhere", "morv_games/a/b/dangling");
  fs::create_directory_symlink(folder + "/outside", "morv_players");
  diverse::deltree("morv_games");
  diverse::deltree("morv_players");  // a link named by the pattern itself
  EXPECT_FALSE(fs::exists(fs::symlink_status("morv_games")));
  EXPECT_FALSE(fs::exists(fs::symlink_status("morv_players")));
  EXPECT_EQ(read_file("outside/precious.txt"), "p");
  EXPECT_EQ(read_file("outside/inner/also.txt"), "q");
}

TEST(wildcard_match_test, wildcard_match) {
  const struct {
    const char* pattern;
    const char* name;
    bool expected;
  } cases[] = {
      {"GAMES.LOG", "games.log", true},  {"games.log", "games.lo", false},
      {"*.LOG", "a.log.old", false},     {"*.log*", "a.log.old", true},
      {"g?mes.log", "games.log", true},  {"g?mes.log", "gmes.log", false},
      {"*", "", true},                   {"?", "", false},
      {"*.*", "noext", true},            {"a*b*c", "aXbYbZc", true},
      {"a*b*c", "aXbYbZ", false},        {"", "a", false},
      {"[a]", "a", false},
      {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(diverse::wildcard_match(row.pattern, row.name), row.expected)
        << row.pattern << " ~ " << row.name;
  }
}
