// End-to-end run over the shipped sample log: the whole site is written and
// its key contents follow the documented formats.
#include <filesystem>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

class sample_test : public temp_folder_test {
 protected:
  void SetUp() override {
    temp_folder_test::SetUp();
    fs::copy_file(MORV_SOURCE_DIR "/sample/sample.log", "sample.log");
    run = run_morv(folder, "sample.log -l -d -top5");
  }
  run_result run;
};

TEST_F(sample_test, run_writes_every_page) {
  ASSERT_EQ(run.status, 0) << run.output;
  const char* const pages[] = {
      "games.htm", "chat.htm", "morvdata.txt", "players.htm",
      "players_ratio.htm", "players_name.htm", "players_eff.htm",
      "players_skill.htm", "players_frags.htm", "players_kills.htm",
      "players_playtime.htm", "top_players.htm", "top_players_playtime.htm",
      "morv_games/games1.htm", "morv_games/game_1.htm",
      "morv_games/game_2.htm", "morv_players/player_1.htm",
      "morv_players/player_5.htm"};
  for (const char* page : pages) EXPECT_TRUE(file_exists(page)) << page;
  // The one-player game is skipped and the cut-off game dropped.
  EXPECT_FALSE(file_exists("morv_games/game_3.htm"));
  EXPECT_FALSE(file_exists("morv_players/player_6.htm"));
}

TEST_F(sample_test, console_reports_progress_and_warning) {
  std::string console = mask_volatile(run.output);
  EXPECT_NE(console.find("\nParsing sample.log [4392 byte]"), std::string::npos);
  EXPECT_NE(console.find("\nWARNING: weapon id > MAX_WEAPONS, weapon id reset "
                         "to zero\n"),
            std::string::npos);
  EXPECT_NE(console.find("\nWriting morvdata.txt\n\nWrote chat.htm ["),
            std::string::npos);
  EXPECT_NE(console.find("\nS.SS seconds elapsed\n"), std::string::npos);
}

TEST_F(sample_test, team_game_has_teams_and_free_for_all_has_none) {
  std::string ffa = read_file("morv_games/game_1.htm");
  std::string team = read_file("morv_games/game_2.htm");
  EXPECT_EQ(ffa.find("<b>Teams</b>"), std::string::npos);
  EXPECT_NE(team.find("<b>Teams</b>"), std::string::npos);
  EXPECT_NE(team.find("<p><b>Players (sorted by team and score)</b></p>"),
            std::string::npos);
  EXPECT_NE(ffa.find("<b>Killchart (Rocket)</b>"), std::string::npos);
  EXPECT_EQ(ffa.find("<b>Killchart (Lightning gun)</b>"), std::string::npos);
}

TEST_F(sample_test, names_and_chat_are_escaped) {
  std::string chat = read_file("chat.htm");
  EXPECT_NE(chat.find("<b><font color=\"red\">Ra</font><font color=\"white\">"
                      "zor</font></b>: gg &amp; &lt;3<br>\r\n"),
            std::string::npos);
  EXPECT_EQ(chat.find("<3"), std::string::npos);
  EXPECT_TRUE(chat.ends_with("</body></html>"));
}

TEST_F(sample_test, data_files_hold_blocks_and_player_lines) {
  std::string data = read_file("morvdata.txt");
  EXPECT_NE(data.find("1,Razor,5,2,0,0,00:02:00 h,"), std::string::npos);
  EXPECT_NE(data.find("<game>\r\nplayer 0: \"^1Ra^7zor\"\r\n"),
            std::string::npos);
  EXPECT_NE(data.find("kills (0,6): 0 0 2 1 \r\n"), std::string::npos);
  EXPECT_NE(data.find("</game>\r\n\r\n"), std::string::npos);
}

}  // namespace
