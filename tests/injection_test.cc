// Markup injection: hostile player names, chat lines, map and game names
// must appear escaped on every page that shows them.
#include <string>
#include <vector>

#include "test_util.h"
#include "tests/site_check.h"

namespace {

// Names chosen by strangers; each must come out with '<', '>' and '&'
// escaped and nothing else changed (quotes stay).
const char* const SCRIPT_NAME = "<script>alert(1)</script>";
const char* const IMG_NAME = "<img src=x onerror=alert(1)>";
const char* const QUOTE_NAME = "Tom & \"Jerry\" 'q'";
const char* const COLOUR_NAME = "^1<b>^2red&";

// Every player kills every other once, so each player page lists all.
std::string every_kill() {
  std::string lines;
  for (int killer = 0; killer < 4; ++killer) {
    for (int victim = 0; victim < 4; ++victim) {
      if (killer == victim) continue;
      lines += "  0:10 Kill: " + std::to_string(killer) + " " +
               std::to_string(victim) + " 10: x\n";
    }
  }
  return lines;
}

std::string hostile_log() {
  return std::string(
      "  0:00 InitGame: \\g_gametype\\0\\mapname\\<SCRIPT>map&\"1\\gamename\\"
      "<img src=y onerror=alert(2)>\n"
      "  0:01 ClientUserinfoChanged: 0 n\\") + SCRIPT_NAME + "\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 1 n\\" + IMG_NAME + "\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 2 n\\" + QUOTE_NAME + "\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 3 n\\" + COLOUR_NAME + "\\t\\0\n"
      + every_kill() +
      "  0:14 say: " + SCRIPT_NAME + ": <script>steal()</script> & "
      "<img src=z onerror=alert(3)> ^1\"q\"\n"
      "  1:00 ShutdownGame:\n";
}

struct page_expectation {
  const char* page;
  std::vector<std::string> escaped;  // texts that must appear
};

const std::string SCRIPT_ESC = "&lt;script&gt;alert(1)&lt;/script&gt;";
const std::string IMG_ESC = "&lt;img src=x onerror=alert(1)&gt;";
const std::string QUOTE_ESC = "Tom &amp; \"Jerry\" 'q'";
const std::string MAP_ESC = "&lt;script&gt;map&amp;\"1";
const std::string GAME_ESC = "&lt;img src=y onerror=alert(2)&gt;";

std::vector<page_expectation> expectations(bool plain) {
  std::string colour = plain ? "&lt;b&gt;red&amp;"
                             : "<font color=\"red\">&lt;b&gt;</font>"
                               "<font color=\"lime\">red&amp;</font>";
  std::vector<std::string> names = {SCRIPT_ESC, IMG_ESC, QUOTE_ESC, colour};
  std::vector<std::string> game_page = names;
  game_page.push_back(MAP_ESC);
  game_page.push_back(GAME_ESC);
  std::vector<std::string> list_page = names;
  list_page.push_back(MAP_ESC);
  std::vector<std::string> chat = {
      "&lt;script&gt;steal()&lt;/script&gt; &amp; "
      "&lt;img src=z onerror=alert(3)&gt; "};
  return {
      {"site/morv_games/game_1.htm", game_page},
      {"site/morv_games/games1.htm", list_page},
      {"site/players.htm", names},
      {"site/players_name.htm", names},
      {"site/top_players.htm", names},
      {"site/morv_players/player_1.htm", names},
      {"site/chat.htm", chat},
  };
}

class injection_test : public temp_folder_test {};

TEST_F(injection_test, hostile_texts_are_escaped_on_every_page) {
  write_file("hostile.log", hostile_log());
  write_file("morv.cfg", "output_directory \"site\"\n");
  for (bool plain : {false, true}) {
    run_result run = run_morv(folder, plain ? "hostile.log -l -top5 -f"
                                            : "hostile.log -l -top5");
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"))
        << "plain " << plain;
    for (const page_expectation& row : expectations(plain)) {
      std::string page = read_file(folder + "/" + row.page);
      for (const std::string& text : row.escaped) {
        EXPECT_NE(std::string::npos, page.find(text))
            << row.page << " lacks " << text << " (plain " << plain << ")";
      }
    }
  }
}

TEST_F(injection_test, raw_tags_appear_on_no_page) {
  write_file("hostile.log", hostile_log());
  write_file("morv.cfg", "output_directory \"site\"\n");
  ASSERT_EQ(0, run_morv(folder, "hostile.log -l -d -top5").status);
  std::vector<std::string> pages = pages_below(folder + "/site");
  EXPECT_GE(pages.size(), 20u);
  for (const std::string& page : pages) {
    std::string text = read_file(folder + "/site/" + page);
    for (const char* raw : {"<script", "<SCRIPT", "<img", "<b>red"}) {
      EXPECT_EQ(std::string::npos, text.find(raw)) << page << " holds " << raw;
    }
  }
}

}  // namespace
