// The log generator's bytes are pinned: benchmarks and tests rely on the
// same options giving the same log, whatever options are added later.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "tools/loggen_game.h"

namespace {

uint64_t fnv1a(const std::string& bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3ull;
  return hash;
}

TEST(loggen_test, default_bytes_are_pinned) {
  struct row {
    loggen::settings config;
    size_t size;
    uint64_t hash;
  };
  loggen::settings a, b, c;
  a.games = 3;
  b.seed = 9, b.size = 300 << 10, b.players = 32, b.names = 50, b.crlf = true;
  c.seed = 4, c.games = 2, c.stress = true, c.minutes = 2, c.fresh = 90;
  const row rows[] = {{a, 116339, 0x2e20e008d3e68b74ull},
                      {b, 307200, 0x958eb20cae4abd42ull},
                      {c, 2812714, 0x23a2d1a9dfe3817bull}};
  for (const row& r : rows) {
    std::string log = loggen::log_text(r.config);
    EXPECT_EQ(log.size(), r.size) << "seed " << r.config.seed;
    EXPECT_EQ(fnv1a(log), r.hash) << "seed " << r.config.seed;
  }
}

}  // namespace
