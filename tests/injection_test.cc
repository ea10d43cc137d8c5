// Markup injection: hostile names, chat, map and game names come out
// escaped on every page that shows them, and no page holds a raw tag.
#include <string>
#include <vector>

#include "test_util.h"

namespace {

// Names chosen by strangers; '<', '>' and '&' must come out escaped and
// nothing else changed (quotes stay). Everyone kills everyone once, so
// every player page lists all of them.
std::string hostile_log() {
  const char* names[] = {"<script>alert(1)</script>",
                         "<img src=x onerror=alert(1)>", "Tom & \"Jerry\" 'q'",
                         "^1<b>^2red&"};
  std::string log =
      "  0:00 InitGame: \\g_gametype\\0\\mapname\\<SCRIPT>map&\"1\\gamename\\"
      "<img src=y onerror=alert(2)>\n";
  for (int c = 0; c < 4; ++c) {
    log += "  0:01 ClientUserinfoChanged: " + std::to_string(c) + " n\\" +
           names[c] + "\\t\\0\n";
  }
  for (int killer = 0; killer < 4; ++killer) {
    for (int victim = 0; victim < 4; ++victim) {
      if (killer == victim) continue;
      log += "  0:10 Kill: " + std::to_string(killer) + " " +
             std::to_string(victim) + " 10: x\n";
    }
  }
  return log + "  0:14 say: " + names[0] +
         ": <script>steal()</script> & <img src=z onerror=alert(3)> ^1\"q\"\n"
         "  1:00 ShutdownGame:\n";
}

class injection_test : public temp_folder_test {};

TEST_F(injection_test, hostile_texts_are_escaped_on_every_page) {
  write_file("hostile.log", hostile_log());
  write_file("morv.cfg", "output_directory \"site\"\n");
  run_result run = run_morv(folder, "hostile.log -l -d -top5");
  ASSERT_EQ(0, run.status) << run.output;
  EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"));

  const std::vector<std::string> names = {
      "&lt;script&gt;alert(1)&lt;/script&gt;",
      "&lt;img src=x onerror=alert(1)&gt;", "Tom &amp; \"Jerry\" 'q'",
      "<font color=\"red\">&lt;b&gt;</font><font color=\"lime\">red&amp;"
      "</font>"};
  const std::string map = "&lt;script&gt;map&amp;\"1";
  const struct {
    const char* page;
    std::vector<std::string> texts;  // that must appear
  } rows[] = {
      {"morv_games/game_1.htm",
       {names[0], names[1], names[2], names[3], map, "&lt;b&gt;red&amp;",
        "&lt;img src=y onerror=alert(2)&gt;"}},
      {"morv_games/games1.htm", {names[0], names[1], names[2], names[3], map}},
      {"players.htm", names},
      {"top_players.htm", names},
      {"morv_players/player_1.htm", names},
      {"chat.htm",
       {"&lt;script&gt;steal()&lt;/script&gt; &amp; "
        "&lt;img src=z onerror=alert(3)&gt; "}},
      {"morvdata.txt", {",&lt;b&gt;red&amp;,"}},
  };
  for (const auto& row : rows) {
    std::string page = read_file(folder + "/site/" + row.page);
    for (const std::string& text : row.texts) {
      EXPECT_NE(std::string::npos, page.find(text))
          << row.page << " lacks " << text;
    }
  }
  for (const std::string& file : files_below(folder + "/site")) {
    EXPECT_EQ(std::string::npos,
              read_file(folder + "/site/" + file).find("<b>red"))
        << file;
  }
}

}  // namespace
