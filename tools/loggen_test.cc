// Tests of the log generator: same bytes for the same settings, exact
// sizes, every kind of line and the 511-player stress game.
#include <gtest/gtest.h>

#include <string>

#include "tools/loggen_game.h"

namespace {

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + 1)) {
    ++n;
  }
  return n;
}

}  // namespace

TEST(loggen_test, same_settings_give_same_bytes_and_exact_sizes) {
  loggen::settings config;
  config.size = 300000;
  std::string big = loggen::log_text(config);
  EXPECT_EQ(big.size(), 300000u);
  EXPECT_EQ(big, loggen::log_text(config));
  config.size = 123457;
  std::string small = loggen::log_text(config);
  EXPECT_EQ(small.size(), 123457u);
  EXPECT_EQ(big.compare(0, small.size(), small), 0);
  config.seed = 2;
  EXPECT_NE(small, loggen::log_text(config));
}

// The reader tests and the benchmarks rely on every kind of line.
TEST(loggen_test, logs_hold_every_kind_of_line) {
  loggen::settings config;
  config.games = 60;
  config.players = 24;
  std::string log = loggen::log_text(config);
  for (const char* needle :
       {"Warmup:", "ClientDisconnect: ", "\\t\\3\\", "\\skill\\", "Kill: 1022 ",
        " 44: ", "say: ", "sayteam: ", "Exit: ", "score: ", "Item: ",
        "\\g_gametype\\1\\", "\\g_gametype\\3\\", "\\g_gametype\\4\\",
        "\\gamename\\arena\\", "^", "<", "&"}) {
    EXPECT_NE(log.find(needle), std::string::npos) << needle;
  }
}

TEST(loggen_test, stress_game_has_511_lasting_human_clients) {
  loggen::settings config;
  config.games = 0;
  config.stress = true;
  std::string log = loggen::log_text(config);
  std::string stress = log.substr(0, log.find("ShutdownGame:"));
  EXPECT_EQ(count(stress, "ClientConnect: "), 511u);
  EXPECT_NE(stress.find("ClientConnect: 510\n"), std::string::npos);
  EXPECT_EQ(count(stress, "ClientDisconnect: "), 0u);
  EXPECT_EQ(count(stress, "\\skill\\"), 0u);
}
