// The modern site end to end: every page well-formed and linked, hostile
// texts escaped, slugs safe, classic files left alone, and a foreign
// folder refused.
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

class modern_site_test : public temp_folder_test {};

const char* const HOSTILE_LOG =
    "  0:00 InitGame: \\mapname\\<SCRIPT>\"map\\gamename\\<img src=y>"
    "\\sv_hostname\\^1<b>host\n"
    "  0:01 ClientUserinfoChanged: 0 n\\<script>alert(1)</script>\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 1 n\\^1<b>^2\"red\"&'\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 2 n\\../../etc/J\xfcrgen\x01\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 3 n\\bob!\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 4 n\\bob?\\t\\0\n"
    "  0:10 Kill: 0 1 10: x\n  0:11 Kill: 1 2 10: x\n  0:12 Kill: 2 3 6: x\n"
    "  0:13 Kill: 3 4 1: x\n  0:14 Kill: 4 0 3: x\n"
    "  0:50 Award: 1 2: x gained the <script>a award!\n"
    "  0:59 Weapon_Stats: 0 <script>w:10:1:0:0\n"
    "  0:20 say: <script>alert(1)</script>: <img src=y>\"&'\x01 J\xfcrgen "
    "^1<b>x\n"
    "  0:21 sayteam: ^1<b>host: team only\n"
    "  1:00 ShutdownGame:\n";

// Problems of one page: its frame, raw markup, inline script or style,
// and links or sources that leave the site or name no file.
void check_page(const fs::path& root, const fs::path& page,
                std::vector<std::string>& problems) {
  const std::string text = read_file(page.string());
  const std::string name = fs::relative(page, root).string();
  for (const char* needed :
       {"<!doctype html>\n<html lang=\"en\">", "<meta charset=\"utf-8\">",
        "name=\"viewport\"", "<title>", "</html>\n"}) {
    if (text.find(needed) == std::string::npos) {
      problems.push_back(name + " lacks " + needed);
    }
  }
  static const std::regex raw(R"(<(img|script>|style)|style=|\son[a-z]+=)",
                              std::regex::icase);
  if (std::regex_search(text, raw)) problems.push_back(name + ": raw markup");
  static const std::regex link(R"re((href|src)="([^"]*)")re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), link);
       it != std::sregex_iterator(); ++it) {
    const fs::path target =
        fs::weakly_canonical(page.parent_path() / (*it)[2].str());
    const std::string inside = fs::relative(target, root).string();
    if (inside.starts_with("..") || !fs::is_regular_file(target)) {
      problems.push_back(name + ": bad link " + (*it)[2].str());
    }
  }
}

TEST_F(modern_site_test, hostile_run_gives_a_sound_escaped_site) {
  write_file("hostile.log", HOSTILE_LOG);
  write_file("morv.cfg", "output_directory \"site\"\n");
  ASSERT_EQ(0, run_morv(folder, "hostile.log").status);
  const std::string classic = read_file("site/players.htm");
  // The second run replaces the first's modern site and no classic file.
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(0, run_morv(folder, "hostile.log --site=a/b/new --no-classic "
                                  "--json -l").status);
  }
  EXPECT_EQ(classic, read_file("site/players.htm"));
  EXPECT_FALSE(file_exists("site/chat.htm"));
  EXPECT_TRUE(file_exists("site/morv.json"));
  const fs::path root = fs::canonical("a/b/new");
  std::vector<std::string> problems;
  std::vector<std::string> players;
  for (const std::string& file : files_below(root.string())) {
    if (file.ends_with(".html")) check_page(root, root / file, problems);
    if (file.starts_with("players/")) players.push_back(file.substr(8));
  }
  EXPECT_EQ(std::vector<std::string>{}, problems);
  static const std::regex safe_slug("[a-z0-9]+(-[a-z0-9]+)*\\.html");
  for (const std::string& player : players) {
    EXPECT_TRUE(std::regex_match(player, safe_slug)) << player;
  }
  EXPECT_EQ(5u, players.size());  // bob! and bob? apart
  const std::string game = read_file((root / "games/1.html").string());
  for (const char* shown :
       {"&lt;script&gt;alert(1)&lt;/script&gt;",
        "<span class=\"c1\">&lt;b&gt;</span><span class=\"c2\">&quot;red&quot;"
        "&amp;&#39;</span>",
        "../../etc/J\xc3\xbcrgen\xef\xbf\xbd", "&lt;script&gt;&quot;map",
        "&lt;script&gt;w</th>", "&lt;script&gt;a 1", "<h2>Frags over time",
        "alert(1)&lt;/script&gt;</a>: &lt;img src=y&gt;&quot;&amp;&#39;"
        "\xef\xbf\xbd J\xc3\xbcrgen <span class=\"c1\">&lt;b&gt;x</span>"}) {
    EXPECT_NE(std::string::npos, game.find(shown)) << shown;
  }
  EXPECT_EQ(std::string::npos, game.find("team only"));
}

// A game page shows the chat read with its game (warm-up chat before its
// start), cut after the first 500 lines; the classic chat log and console
// stay as they are without the modern site.
TEST_F(modern_site_test, game_page_shows_its_own_chat_bounded) {
  const std::string players =
      "  0:05 ClientUserinfoChanged: 0 n\\Alice\\t\\0\n"
      "  0:05 ClientUserinfoChanged: 1 n\\Bob\\t\\0\n"
      "  0:06 Kill: 0 1 10: x\n  0:07 Kill: 1 0 10: x\n";
  std::string log = "  0:00 say: early: before the start\n"
                    "  0:05 InitGame: \\mapname\\q3dm1\n" + players +
                    "  0:30 say: Alice: hello ^2there\n";
  for (int i = 0; i < 600; ++i) log += "  0:40 say: Bob: flood\n";
  log += "  1:00 ShutdownGame:\n  0:00 InitGame: \\mapname\\q3dm2\n" +
         players + "  0:10 say: Bob: next game\n  1:00 ShutdownGame:\n";
  write_file("chat.log", log);
  write_file("morv.cfg", "output_directory \"site\"\n");
  const run_result classic = run_morv(folder, "chat.log -l");
  const std::string chat_log = read_file("site/chat.htm");
  const run_result both = run_morv(folder, "chat.log -l --site=new");
  ASSERT_EQ(0, both.status);
  EXPECT_EQ(chat_log, read_file("site/chat.htm"));
  EXPECT_EQ(mask_volatile(classic.output),
            mask_volatile(std::regex_replace(
                both.output, std::regex("\nWrote the site new .*"), "")));
  const std::string first = read_file("new/games/1.html");
  for (const char* shown :
       {"<li><span class=\"at\">\xe2\x88\x92" "0:05</span><span>early: before "
        "the start</span></li>\n<li><span class=\"at\">0:25</span><span><a "
        "href=\"../players/alice.html\">Alice</a>: hello <span "
        "class=\"c2\">there</span></span></li>",
        "<p class=\"sub\">… 102 more lines not shown.</p>"}) {
    EXPECT_NE(std::string::npos, first.find(shown)) << shown;
  }
  EXPECT_EQ(std::string::npos, first.find("next game"));
  EXPECT_NE(std::string::npos, read_file("new/games/2.html").find(
                                   "</a>: next game</span>"));
}

TEST_F(modern_site_test, a_foreign_folder_is_refused_and_kept) {
  write_file("hostile.log", HOSTILE_LOG);
  fs::create_directory("www");
  write_file("www/index.html", "theirs");
  const run_result run =
      run_morv(folder, "hostile.log --site=www --no-classic");
  EXPECT_EQ(1, run.status);
  EXPECT_NE(std::string::npos,
            run.output.find("www is not empty and was not made by morv"));
  EXPECT_EQ("theirs", read_file("www/index.html"));
  const std::set<std::string> left = {"hostile.log", "www/index.html"};
  EXPECT_EQ(left, files_below(folder));
}

}  // namespace
