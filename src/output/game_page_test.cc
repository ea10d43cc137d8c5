// Tests of the game page writer, the game list pages and the game index
// (the recorded runs compare whole pages of one list page).
#include "main/morv_main.h"

#include <filesystem>
#include <string>

#include "analyzelog/analyzelog.h"
#include "output/page_test_util.h"
#include "stats/resultdata.h"

namespace {

namespace fs = std::filesystem;

class game_page_test : public temp_folder_test {
 protected:
  void SetUp() override {
    temp_folder_test::SetUp();
    game.set_gametype(0);
    add("Alice", 3, 1);
    add("Idle", 0, 0);  // neither kills nor deaths: not listed
    add("Bob", 1, 3);
    game.get_player(0).kills[10] = 3;
  }
  void add(const char* name, int kills, int killed) {
    player_t& p = game.get_player(game.add_player());
    p.set_name(name);
    p.kills[0] = static_cast<uint32_t>(kills);
    p.killed[0] = static_cast<uint32_t>(killed);
    p.playtime = 60;
  }
  morv_main driver;
  resultdata game{driver.cfg};
  analyzelog reader{nullptr, game, driver.cfg, driver.chatlog};
};

TEST_F(game_page_test, game_page_leaves_out_idle_players) {
  ASSERT_EQ(driver.write_game(game, reader), 0);
  EXPECT_EQ(driver.games_written, 1);
  EXPECT_FALSE(driver.cfg.in_subfolder);
  EXPECT_EQ(fs::current_path(), fs::path(folder));
  std::string page = read_file("morv_games/game_1.htm");
  EXPECT_NE(page.find("Killchart (Railgun)"), std::string::npos);
  EXPECT_EQ(page.find("Idle"), std::string::npos);
}

TEST_F(game_page_test, game_with_one_player_left_takes_no_number) {
  game.get_player(2).bot_skill = 2;
  driver.cfg.skip_bots = true;
  driver.cfg.write_chatlog = true;
  driver.chatlog.chatfile.open("chat.htm");
  EXPECT_EQ(driver.write_game(game, reader), 1);
  EXPECT_EQ(driver.games_written, 0);
  EXPECT_FALSE(fs::exists("morv_games"));
  game.num_players = 0;
  add("Carol", 2, 0);
  add("Dave", 0, 2);
  EXPECT_EQ(driver.write_game(game, reader), 0);
  EXPECT_TRUE(fs::exists("morv_games/game_1.htm"));
  driver.chatlog.chatfile.close();
  EXPECT_EQ(read_file("chat.htm"), "<p><i><b>Game 2</b></i></p>\r\n");
}

TEST_F(game_page_test, list_pages_by_games_per_file) {
  const struct {
    int per_file, games, pages;
    const char* index_entry;  // of the last list page
  } rows[] = {
      {50, 120, 3, "games3.htm\"><font color=\"#FFFFFF\"><b>Games 101 - 120"},
      {50, 100, 2, "games2.htm\"><font color=\"#FFFFFF\"><b>Games 51 - 100"},
      {1, 3, 3, "games3.htm\"><font color=\"#FFFFFF\"><b>Games 3 - 3"},
  };
  for (const auto& row : rows) {
    fs::remove_all("morv_games");
    driver.games_written = 0;
    driver.cfg.games_per_file = row.per_file;
    for (int g = 1; g <= row.games; ++g) {
      ASSERT_EQ(driver.write_game(game, reader), 0);
      // A full list page is closed at once.
      EXPECT_EQ(driver.gamelist_page.is_open(), g % row.per_file != 0) << g;
    }
    if (driver.gamelist_page.is_open()) driver.finish_gamelist_page();
    driver.write_game_index();
    std::string last = "morv_games/games" + std::to_string(row.pages);
    std::string list = read_file(last + ".htm");
    int first = (row.pages - 1) * row.per_file + 1;
    auto link = [](int n) { return "\"game_" + std::to_string(n) + ".htm\""; };
    EXPECT_NE(list.find(link(first)), std::string::npos) << row.games;
    EXPECT_NE(list.find(link(row.games)), std::string::npos) << row.games;
    EXPECT_EQ(list.find(link(first - 1)), std::string::npos) << row.games;
    EXPECT_FALSE(file_exists("morv_games/games" +
                             std::to_string(row.pages + 1) + ".htm"));
    EXPECT_NE(read_file("morv_games/game_" + std::to_string(first) + ".htm")
                  .find("<a href=\"games" + std::to_string(row.pages) +
                        ".htm\"><font color=red>Game list</font>"),
              std::string::npos)
        << row.games;
    EXPECT_NE(read_file("games.htm").find(row.index_entry), std::string::npos)
        << row.games;
  }
}

TEST_F(game_page_test, index_without_games_links_no_list_page) {
  driver.write_game_index();
  std::string index = read_file("games.htm");
  EXPECT_NE(index.find("<a href=\"players.htm\">"), std::string::npos);
  EXPECT_EQ(index.find("morv_games"), std::string::npos);
}

TEST_F(game_page_test, unusable_files_end_the_run) {
  write_file("morv_games", "a file, not a folder");
  EXPECT_EQ(fatal_message_of([&] { driver.write_game(game, reader); }),
            "Couldn't open morv_games");
  fs::current_path(folder);
  fs::remove("morv_games");
  fs::create_directories("morv_games/game_2.htm");
  fs::create_symlink("/dev/full", "morv_games/game_3.htm");
  for (const char* message :
       {"Couldn't open game_2.htm", "Couldn't write game_3.htm"}) {
    EXPECT_EQ(fatal_message_of([&] { driver.write_game(game, reader); }),
              message);
    fs::current_path(folder);
  }
}

}  // namespace
