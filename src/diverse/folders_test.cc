// The order in which one wildcard's matches are read.
#include "diverse/folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using names = std::vector<std::string>;

// Each row: the names as listed (byte-wise), and the order they are read.
TEST(folders_test, rotated_logs_are_read_oldest_first) {
  const struct {
    names listed;
    names read;
  } rows[] = {
      {{"games.log", "games.log.1", "games.log.10.gz", "games.log.2.gz",
        "games.log.3"},
       {"games.log.10.gz", "games.log.3", "games.log.2.gz", "games.log.1",
        "games.log"}},
      // The group stands where its base does; other names keep their order.
      {{"a.log", "games.log", "games.log-old", "games.log.1", "z.log"},
       {"a.log", "games.log.1", "games.log", "games.log-old", "z.log"}},
      {{"q.log.1", "q.log.2.gz", "q.log.x"},
       {"q.log.2.gz", "q.log.1", "q.log.x"}},
      // A lone numbered name, and suffixes that are no numbers.
      {{"b.1.gz", "server-x", "server.3", "x.log", "x.log.1a", "x.log.gz"},
       {"b.1.gz", "server-x", "server.3", "x.log", "x.log.1a", "x.log.gz"}},
      // Numbers compare as numbers, however long; equal ones byte-wise.
      {{"g", "g.01", "g.1.gz", "g.100", "g.99999999999999999999", "g.9"},
       {"g.99999999999999999999", "g.100", "g.9", "g.01", "g.1.gz", "g"}},
  };
  for (const auto& row : rows) {
    names sorted = row.listed;
    diverse::sort_rotated_logs(sorted);
    EXPECT_EQ(sorted, row.read) << testing::PrintToString(row.listed);
  }
}

}  // namespace
