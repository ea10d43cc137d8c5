// Tests of the chat log page: head, chat lines, headings and the close.
#include "output/chat_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analyzelog/log_test_util.h"

namespace {

const char* const HEAD =
    "<html><title>Morv chatlog</title>\r\n"
    "<body text=#FFFFFF bgcolor=#000000 class=text link=#FFFFFF "
    "vlink=#FFFFFF alink=#FFFFFF>\r\n"
    "<p><i><b>Game 1</b></i></p>\r\n";

const char* const ONE_ON_ONE_GAME =
    "  0:00 say: Early: before the game\n"
    "  0:00 InitGame: \\g_gametype\\1\n"
    "  0:01 ClientUserinfoChanged: 1 n\\^1A\\t\\0\n"
    "  0:01 ClientUserinfoChanged: 2 n\\Spec\\t\\3\n"
    "  0:05 say: ^1A: hi <b>&\n"
    "  0:06 say: Spec: watching\n"
    "  0:07 say: Unknown: x\r\n"
    "  0:08 sayteam: ^1A: secret\n"
    "  0:09 ShutdownGame:\n";

std::string finish_output(chat_log& chat) {
  begin_capture();
  chat.finish();
  return end_capture();
}

std::string size_report(const std::string& page) {
  return "\n\nWrote chat.htm [" + std::to_string(page.size()) + " byte]";
}

}  // namespace

using chat_log_test = log_test;

TEST_F(chat_log_test, page_with_lines_headings_and_end) {
  config.write_chatlog = true;
  open_log(std::string(ONE_ON_ONE_GAME) +
           "  0:10 InitGame: \\g_gametype\\0\n"
           "  0:11 ClientUserinfoChanged: 2 n\\Spec\\t\\3\n"
           "  0:12 say: Spec: again\n"
           "  0:13 ShutdownGame:\n");
  EXPECT_EQ(next_game(), 1);
  chat.write_game_heading(2);  // as the game page writer does
  EXPECT_EQ(next_game(), 1);
  EXPECT_EQ(next_game(), 0);
  std::string output = finish_output(chat);
  std::string page = read_file("chat.htm");
  EXPECT_EQ(page, std::string(HEAD) +
                      "<b>Early</b>: before the game<br>\r\n"
                      "<b><font color=\"red\">A</font></b>: hi &lt;b&gt;&amp;"
                      "<br>\r\n"
                      "<b>[---- Spec</b>: watching ----]<br>\r\n"
                      "<b>Unknown</b>: x<br>\r\n"
                      "<p><i><b>Game 2</b></i></p>\r\n"
                      "<b>Spec</b>: again<br>\r\n"
                      "</body></html>");
  EXPECT_EQ(output, size_report(page));
  EXPECT_FALSE(chat.is_open());
  EXPECT_EQ(finish_output(chat), "");  // finishing twice does nothing
}

TEST_F(chat_log_test, one_page_for_several_logs) {
  config.write_chatlog = true;
  open_log("  0:00 say: A: first log\n");
  count_games();
  open_log("  0:00 say: B: second log\n");
  count_games();
  std::filesystem::create_directory("elsewhere");
  std::filesystem::current_path("elsewhere");  // the driver moves on
  std::string output = finish_output(chat);
  std::filesystem::current_path(folder);
  std::string page = read_file("chat.htm");
  EXPECT_EQ(page, std::string(HEAD) +
                      "<b>A</b>: first log<br>\r\n"
                      "<b>B</b>: second log<br>\r\n"
                      "</body></html>");
  EXPECT_EQ(output, size_report(page));
  EXPECT_FALSE(file_exists("elsewhere/chat.htm"));
}

TEST_F(chat_log_test, chat_is_written_while_events_are_ignored) {
  config.write_chatlog = true;
  open_log(
      "  0:00 InitGame: \\g_gametype\\0\n"
      "  0:01 Warmup:\n"
      "  0:02 say: Warm: up <script>\n");
  count_games();
  EXPECT_TRUE(ignore_events);
  finish_output(chat);
  EXPECT_NE(read_file("chat.htm").find("<b>Warm</b>: up &lt;script&gt;<br>\r\n"),
            std::string::npos);
}
