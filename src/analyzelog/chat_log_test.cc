// Tests of the chat log page: head, chat lines and the close.
#include "analyzelog/chat_log.h"

#include <gtest/gtest.h>

#include <string>

#include "analyzelog/log_test_util.h"

using chat_log_test = log_test;

// One page for all logs of the run; chat counts while events are ignored.
TEST_F(chat_log_test, one_page_for_the_run) {
  config.write_chatlog = true;
  open_log(
      "  0:00 say: Early: before the game\n"
      "  0:00 InitGame: \\g_gametype\\1\n"
      "  0:01 ClientUserinfoChanged: 1 n\\^1A\\t\\0\n"
      "  0:01 ClientUserinfoChanged: 2 n\\Spec\\t\\3\n"
      "  0:05 say: ^1A: hi <b>&\n  0:06 say: Spec: watching\n"
      "  0:07 say: Unknown: x\r\n  0:08 sayteam: ^1A: secret\n"
      "  0:09 ShutdownGame:\n");
  EXPECT_EQ(read_games(), "^1ASpec;");
  open_log("  0:00 InitGame: \\g_gametype\\0\n  0:01 Warmup:\n"
           "  0:02 say: Warm: up\n");
  read_games();
  EXPECT_TRUE(ignore_events);
  begin_capture();
  chat.finish();
  chat.finish();  // finishing twice does nothing
  std::string output = end_capture();
  std::string page = read_file("chat.htm");
  // The head and the game headings are pinned by the recorded runs.
  EXPECT_TRUE(page.ends_with(
      "<p><i><b>Game 1</b></i></p>\r\n<b>Early</b>: before the game<br>\r\n"
      "<b><font color=\"red\">A</font></b>: hi &lt;b&gt;&amp;<br>\r\n"
      "<b>[---- Spec</b>: watching ----]<br>\r\n<b>Unknown</b>: x<br>\r\n"
      "<b>Warm</b>: up<br>\r\n</body></html>"))
      << page;
  EXPECT_EQ(output, "\n\nWrote chat.htm [" + std::to_string(page.size()) +
                        " byte]");
}
