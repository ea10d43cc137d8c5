// Tests of a game's bounded chat.
#include "stats/game_chat.h"

#include <gtest/gtest.h>

#include <string>

// Whichever cap a flood reaches first, the first lines are kept whole, the
// rest only counted, and a later short line does not slip in after a cut.
TEST(game_chat_test, keeps_the_first_lines_within_both_caps) {
  struct {
    size_t message_size;
    size_t kept;
  } cases[] = {{9, game_chat::MAX_LINES},
               {1023, game_chat::MAX_BYTES / 1024}};
  for (const auto& flood : cases) {
    game_chat chat;
    const std::string message(flood.message_size, 'm');
    for (int i = 0; i < 600; ++i) chat.add(i, "n", message, i == 1);
    chat.add(600, "n", "", false);
    ASSERT_EQ(flood.kept, chat.size()) << flood.message_size;
    EXPECT_EQ(601 - static_cast<int64_t>(flood.kept), chat.cut());
    const game_chat::line last = chat.at(flood.kept - 1);
    EXPECT_EQ(static_cast<int>(flood.kept) - 1, last.time);
    EXPECT_EQ("n", last.name);
    EXPECT_EQ(message, last.message);
    EXPECT_TRUE(chat.at(1).spectator);
    chat.clear();
    EXPECT_EQ(0u, chat.size());
    EXPECT_EQ(0, chat.cut());
  }
}
