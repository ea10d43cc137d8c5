// Tests of the game page writer, the game list pages and the game index.
#include "main/morv_main.h"

#include <filesystem>
#include <string>

#include "analyzelog/analyzelog.h"
#include "output/page_test_util.h"
#include "stats/resultdata.h"

namespace {

namespace fs = std::filesystem;

const char* const kHead =
    "<html>\r\n<head>\r\n<title>Morv results</title>\r\n<style>\r\n<!--\r\n"
    ".text { color: #FFFFFF; font-family: Arial; font-size: 10pt; "
    "text-align: center }\r\n"
    ".title { color: #FFFFFF; font-family: Arial; font-size: 12pt; "
    "text-align: center; font-weight: bold }\r\n"
    "table td { color: #FFFFFF; font-family: Arial; font-size: 10pt }\r\n"
    "table th { color: #FFFFFF; font-family: Arial; font-size: 10pt }\r\n"
    "-->\r\n</style>\r\n</head>\r\n<body text=#FFFFFF bgcolor=#000000 "
    "class=text link=#FFFFFF vlink=#FFFFFF alink=#FFFFFF>\r\n"
    "<p class=text>[DATE]</p>\r\n";
const char* const kFoot =
    "<br><b>DPM</b> is total Deaths Per Minute</p><p  align=center>"
    "<a href=\"https://morv.example.org/\" target=\"_blank\">"
    "<font color=#FF0000>Morv</font></a> build 071, May  8 2002 by "
    "<a href=\"mailto:morv@example.org\"><font color=#FFFFFF>the Morv "
    "authors</font></a></p>\r\n</body>\r\n</html>";

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class game_page_test : public temp_folder_test {
 protected:
  void SetUp() override {
    temp_folder_test::SetUp();
    driver.cfg.homepage_address = "";
    game.mapname = "q3dm<1>";
    game.set_gametype(0);
    add("Alice", 3, 1, 120);
    add("Idle", 0, 0, 30);  // neither kills nor deaths: not listed
    add("Bob", 1, 3, 60);
    game.get_player(0).kills[10] = 3;
  }
  void add(const char* name, int kills, int killed, int playtime) {
    player_t& p = game.get_player(game.add_player());
    p.set_name(name);
    p.kills[0] = static_cast<uint32_t>(kills);
    p.killed[0] = static_cast<uint32_t>(killed);
    p.playtime = playtime;
  }
  // Writes count games and closes the list page as the driver does.
  void write_games(int count) {
    for (int g = 0; g < count; ++g) ASSERT_EQ(driver.write_game(game, reader), 0);
    if (driver.gamelist_page.is_open()) driver.finish_gamelist_page();
    driver.write_game_index();
  }
  static std::string page(const std::string& path) {
    return mask_volatile(read_file(path));
  }
  morv_main driver;
  resultdata game{driver.cfg};
  analyzelog reader{nullptr, game, driver.cfg, driver.chatlog};
};

TEST_F(game_page_test, game_page_frame_and_sections) {
  ASSERT_EQ(driver.write_game(game, reader), 0);
  EXPECT_EQ(driver.games_written, 1);
  EXPECT_FALSE(driver.cfg.in_subfolder);
  EXPECT_EQ(fs::current_path(), fs::path(folder));
  std::string text = page("morv_games/game_1.htm");
  std::string top =
      std::string(kHead) +
      "<p class=\"title\"><a href=\"../players.htm\"><font color=red>All "
      "players</font></a></p><p class=\"title\"><a href=\"../games.htm\">"
      "<font color=red>Game index</font></a></p><p class=\"title\"><a "
      "href=\"games1.htm\"><font color=red>Game list</font></a></p>"
      "<p class=\"title\">Game 1</p><p><b>Game info</b></p>\r\n";
  EXPECT_EQ(text.substr(0, top.size()), top);
  size_t at = 0;
  for (const char* piece :
       {"&lt;1&gt;", "<b>Players (sorted by ratio and name)</b>",
        "<b>Health & Armor pickups</b>", "<b>Powerup pickups</b>",
        "<b>Weapon pickups</b>", "<b>Ammo pickups</b>",
        "<p><b>Killcharts</b></p>", "Killchart (All weapons)",
        "Killchart (Railgun)"}) {
    size_t found = text.find(piece, at);
    EXPECT_NE(found, std::string::npos) << piece;
    at = found;
  }
  EXPECT_EQ(text.find("Idle"), std::string::npos);
  EXPECT_TRUE(ends_with(text, kFoot));
}

TEST_F(game_page_test, list_page_entry) {
  driver.cfg.sort_primary = 4;
  write_games(1);
  std::string text = page("morv_games/games1.htm");
  std::string top =
      std::string(kHead) +
      "<p class=\"title\"><a href=\"../players.htm\"><font color=red>All "
      "players</font></a></p><p class=\"title\"><a href=\"../games.htm\">"
      "<font color=red>Game Index</font></a></p>"
      "<p><b>Games with less than two players are not listed\r\n</b></p>"
      "<p><b>Players without kills or deaths are ignored</b></p>"
      "<p><b>Players are sorted by kills and name</b><br>(in team games by "
      "team and score)</p>"
      "<p><b><font size=\"3\"><a href=\"game_1.htm\"><font color=\"#FF0000\">"
      "Game 1</font></a><br>(q3dm&lt;1&gt; - FFA)</font></b></p>\r\n<table ";
  EXPECT_EQ(text.substr(0, top.size()), top);
  EXPECT_NE(text.find("<td align=left><b>Bob</b></td>"), std::string::npos);
  EXPECT_EQ(text.find("Players (sorted"), std::string::npos);
  EXPECT_TRUE(ends_with(text, kFoot));
}

TEST_F(game_page_test, game_with_one_player_left_takes_no_number) {
  player_t& bob = game.get_player(2);
  bob.bot_skill = 2;
  driver.cfg.skip_bots = true;
  driver.cfg.write_chatlog = true;
  driver.chatlog.chatfile.open("chat.htm");
  EXPECT_EQ(driver.write_game(game, reader), 1);
  EXPECT_EQ(driver.games_written, 0);
  EXPECT_FALSE(fs::exists("morv_games"));
  game.num_players = 0;
  add("Carol", 2, 0, 10);
  add("Dave", 0, 2, 10);
  EXPECT_EQ(driver.write_game(game, reader), 0);
  EXPECT_EQ(driver.games_written, 1);
  EXPECT_TRUE(fs::exists("morv_games/game_1.htm"));
  driver.chatlog.chatfile.close();
  EXPECT_EQ(read_file("chat.htm"), "<p><i><b>Game 2</b></i></p>\r\n");
}

TEST_F(game_page_test, hundred_twenty_games_on_three_list_pages) {
  write_games(120);
  EXPECT_FALSE(driver.gamelist_page.is_open());
  EXPECT_TRUE(fs::exists("morv_games/games3.htm"));
  EXPECT_FALSE(fs::exists("morv_games/games4.htm"));
  std::string third = page("morv_games/games3.htm");
  EXPECT_NE(third.find("\"game_101.htm\""), std::string::npos);
  EXPECT_NE(third.find("\"game_120.htm\""), std::string::npos);
  EXPECT_EQ(third.find("\"game_100.htm\""), std::string::npos);
  EXPECT_TRUE(ends_with(third, kFoot));
  struct {
    const char* game_page;
    const char* list_link;
  } rows[] = {{"game_50.htm", "games1.htm"},
              {"game_51.htm", "games2.htm"},
              {"game_120.htm", "games3.htm"}};
  for (const auto& row : rows) {
    std::string text = page(std::string("morv_games/") + row.game_page);
    EXPECT_NE(text.find(std::string("<a href=\"") + row.list_link +
                        "\"><font color=red>Game list</font>"),
              std::string::npos)
        << row.game_page;
  }
  std::string link = "<p  class=\"title\"><a href=\"morv_games/games%.htm\">"
                     "<font color=\"#FFFFFF\"><b>Games %</b></font></a></p>";
  auto index_link = [&](const char* n, const char* range) {
    std::string text = link;
    text.replace(text.find('%'), 1, n);
    text.replace(text.find('%'), 1, range);
    return text;
  };
  std::string expected_index =
      std::string(kHead) +
      "<p class=\"title\"><a href=\"players.htm\"><font color=red>All "
      "players</font></a></p>" +
      index_link("1", "1 - 50") + index_link("2", "51 - 100") +
      index_link("3", "101 - 120") + "<p  align=center>";
  EXPECT_EQ(page("games.htm").substr(0, expected_index.size()),
            expected_index);
}

TEST_F(game_page_test, hundred_games_close_the_second_page_at_once) {
  for (int g = 0; g < 100; ++g) driver.write_game(game, reader);
  EXPECT_FALSE(driver.gamelist_page.is_open());
  driver.write_game_index();
  std::string index = page("games.htm");
  EXPECT_NE(index.find("<b>Games 51 - 100</b>"), std::string::npos);
  EXPECT_EQ(index.find("games3.htm"), std::string::npos);
}

TEST_F(game_page_test, one_game_per_list_page) {
  driver.cfg.games_per_file = 1;
  driver.cfg.top_players = 5;
  driver.cfg.homepage_address = "http://clan.example/";
  driver.cfg.homepage_string = "Clan";
  write_games(3);
  for (const char* n : {"1", "2", "3"}) {
    std::string list = page(std::string("morv_games/games") + n + ".htm");
    EXPECT_NE(list.find(std::string("\"game_") + n + ".htm\""),
              std::string::npos) << n;
    EXPECT_EQ(list.find("Game 2", list.find("Game " + std::string(n)) + 1),
              std::string::npos) << n;
    std::string game_page = page(std::string("morv_games/game_") + n + ".htm");
    EXPECT_NE(game_page.find(std::string("<a href=\"games") + n + ".htm\">"),
              std::string::npos) << n;
    EXPECT_NE(game_page.find("<p class=\"title\"><a href=\"http://clan."
                             "example/\"><font color=red>Clan</font></a></p>"
                             "<p class=\"title\"><a href=\"../players.htm\">"),
              std::string::npos) << n;
    EXPECT_NE(game_page.find("<a href=\"../top_players.htm\"><font "
                             "color=red>Top 5 players</font></a></p>"),
              std::string::npos) << n;
  }
  std::string index = page("games.htm");
  EXPECT_NE(index.find("<b>Games 3 - 3</b>"), std::string::npos);
  EXPECT_NE(index.find("<a href=\"top_players.htm\"><font color=red>Top 5 "
                       "players</font></a></p>"),
            std::string::npos);
}

TEST_F(game_page_test, index_without_games_links_no_list_page) {
  driver.write_game_index();
  EXPECT_EQ(page("games.htm"),
            std::string(kHead) +
                "<p class=\"title\"><a href=\"players.htm\"><font color=red>"
                "All players</font></a></p><p  align=center><a href=\"https:"
                "//morv.example.org/\" target=\"_blank\"><font color=#FF0000>"
                "Morv</font></a> build 071, May  8 2002 by <a href=\"mailto:"
                "morv@example.org\"><font color=#FFFFFF>the Morv authors"
                "</font></a></p>\r\n</body>\r\n</html>");
}

TEST_F(game_page_test, unusable_files_end_the_run) {
  write_file("morv_games", "a file, not a folder");
  EXPECT_EQ(fatal_message_of([&] { driver.write_game(game, reader); }),
            "Couldn't open morv_games");
  fs::current_path(folder);
  fs::remove("morv_games");
  fs::create_directories("morv_games/game_2.htm");
  fs::create_symlink("/dev/full", "morv_games/game_3.htm");
  struct {
    const char* message;
  } rows[] = {{"Couldn't open game_2.htm"}, {"Couldn't write game_3.htm"}};
  for (const auto& row : rows) {
    EXPECT_EQ(fatal_message_of([&] { driver.write_game(game, reader); }),
              row.message);
    fs::current_path(folder);
  }
}

}  // namespace
