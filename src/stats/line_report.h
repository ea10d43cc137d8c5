// The reading report of one log: the lines its reader had no use for,
// counted by line type.
#ifndef MORV_STATS_LINE_REPORT_H_
#define MORV_STATS_LINE_REPORT_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Owned by the log's reader. The types come from the log, so they are
// capped: each is cut to MAX_TYPE bytes, and once MAX_TYPES types are
// counted, lines of any further type count under OTHER_TYPES. The fixed
// keys hold a blank, which a type taken from a log line never does.
class line_report {
 public:
  static constexpr size_t MAX_TYPES = 64;
  static constexpr size_t MAX_TYPE = 32;
  static constexpr std::string_view OTHER_TYPES = "(other types)";
  static constexpr std::string_view NO_TIME_STAMP = "(no time stamp)";
  static constexpr std::string_view NO_TYPE = "(no type)";

  // Counts one line of the type (NO_TYPE for an empty one).
  void count(std::string_view type);
  // The types with their counts, most lines first (equal counts by type).
  std::vector<std::pair<std::string, int64_t>> entries() const;

 private:
  std::map<std::string, int64_t, std::less<>> counts;
};

#endif  // MORV_STATS_LINE_REPORT_H_
