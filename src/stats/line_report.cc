// The reading report: capped counts of the line types a reader left unread.
#include "stats/line_report.h"

#include <algorithm>

void line_report::count(std::string_view type) {
  if (type.empty()) type = NO_TYPE;
  type = type.substr(0, MAX_TYPE);
  auto found = counts.find(type);
  if (found == counts.end()) {
    // The overflow key is one of the MAX_TYPES + 1 keys at most.
    if (counts.size() >= MAX_TYPES) type = OTHER_TYPES;
    found = counts.try_emplace(std::string(type), 0).first;
  }
  ++found->second;
}

std::vector<std::pair<std::string, int64_t>> line_report::entries() const {
  std::vector<std::pair<std::string, int64_t>> list(counts.begin(),
                                                    counts.end());
  std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
    return a.second > b.second;
  });
  return list;
}
