// Markup injection: hostile names, chat, map and game names come out
// escaped on every page that shows them, and no page holds a raw tag.
#include <string>
#include <vector>

#include "test_util.h"

namespace {

class injection_test : public temp_folder_test {};

// Everyone kills everyone, so every player page lists every name. '<', '>'
// and '&' come out escaped, quotes unchanged.
TEST_F(injection_test, hostile_texts_are_escaped_on_every_page) {
  const std::string names[] = {"<script>alert(1)</script>", "<img src=x>",
                               "^1<b>^2\"red\"&"};
  std::string log =
      "  0:00 InitGame: \\g_gametype\\0\\mapname\\<SCRIPT>map\\gamename\\"
      "<img src=y>\n";
  for (int c = 0; c < 3; ++c) {
    log += "  0:01 ClientUserinfoChanged: " + std::to_string(c) + " n\\" +
           names[c] + "\\t\\0\n";
    for (int v = 0; v < 3; ++v) {
      log += "  0:10 Kill: " + std::to_string(c) + " " + std::to_string(v) +
             " 10: x\n";
    }
  }
  write_file("hostile.log", log + "  0:14 say: " + names[0] +
                                ": <script>steal()</script> &\n"
                                "  1:00 ShutdownGame:\n");
  write_file("morv.cfg", "output_directory \"site\"\n");
  ASSERT_EQ(0, run_morv(folder, "hostile.log -l -d -top5").status);
  EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"));
  const std::string name =
      "<font color=\"red\">&lt;b&gt;</font><font color=\"lime\">\"red\"&amp;";
  const std::pair<const char*, std::string> rows[] = {
      {"morv_games/game_1.htm", name}, {"morv_games/games1.htm", name},
      {"players.htm", name}, {"top_players.htm", name},
      {"morv_players/player_1.htm", name},
      {"chat.htm", ": &lt;script&gt;steal()&lt;/script&gt; &amp;<br>"},
      {"morvdata.txt", ",&lt;b&gt;\"red\"&amp;,"}};
  for (const auto& [page, text] : rows) {
    EXPECT_NE(std::string::npos,
              read_file(folder + "/site/" + page).find(text))
        << page << " lacks " << text;
  }
}

}  // namespace
