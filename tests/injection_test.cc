// Markup injection: hostile names, chat, map and game names come out
// escaped on every page that shows them, and no page holds a raw tag.
#include <string>
#include <vector>

#include "test_util.h"

namespace {

class injection_test : public temp_folder_test {};

// Every page lists both players; '<', '>' and '&' come out escaped, quotes
// unchanged.
TEST_F(injection_test, hostile_texts_are_escaped_on_every_page) {
  write_file(
      "hostile.log",
      "  0:00 InitGame: \\mapname\\<SCRIPT>map\\gamename\\<img src=y>\n"
      "  0:01 ClientUserinfoChanged: 0 n\\<script>alert(1)</script>\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 1 n\\^1<b>^2\"red\"&\\t\\0\n"
      "  0:10 Kill: 0 1 10: x\n  0:11 Kill: 1 0 10: x\n"
      "  0:14 say: <img src=x>: <script>steal()</script> &\n"
      "  1:00 ShutdownGame:\n");
  write_file("morv.cfg", "output_directory \"site\"\n");
  ASSERT_EQ(0, run_morv(folder, "hostile.log -l -d -top5").status);
  EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"));
  const std::string name =
      "<font color=\"red\">&lt;b&gt;</font><font color=\"lime\">\"red\"&amp;";
  const std::pair<const char*, std::string> rows[] = {
      {"morv_games/game_1.htm", name},
      {"morv_games/games1.htm", name},
      {"players.htm", name},
      {"top_players.htm", name},
      {"morv_players/player_1.htm", name},
      {"chat.htm", ": &lt;script&gt;steal()&lt;/script&gt; &amp;<br>"},
      {"morvdata.txt", ",&lt;b&gt;\"red\"&amp;,"}};
  for (const auto& [page, text] : rows) {
    EXPECT_NE(std::string::npos, read_file(folder + "/site/" + page).find(text))
        << page << " lacks " << text;
  }
}

}  // namespace
