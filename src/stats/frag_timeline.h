// The running score of one player (or team) over one game, for the score
// chart: a bounded, evenly thinned list of (time, score) changes.
#ifndef MORV_STATS_FRAG_TIMELINE_H_
#define MORV_STATS_FRAG_TIMELINE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

struct score_point {
  int32_t time = 0;  // seconds, as the log's time stamps give them
  int32_t score = 0;
};

// Part of a game's player and team records; empty in run-wide records.
// Holds at most MAX_POINTS points whatever the log: every stride-th change
// is kept, and when the list is full every other point goes and the
// stride doubles, so the points stay spread evenly over the changes. The
// latest change is always known exactly (last).
class frag_timeline {
 public:
  static constexpr size_t MAX_POINTS = 64;

  // Notes score at time when it differs from the score noted last (0
  // before any).
  void note(int time, int score);
  void clear();
  // The kept points, oldest first; last() may follow the last of them.
  const std::vector<score_point>& points() const { return kept; }
  const score_point& last() const { return latest; }
  uint32_t changes() const { return change_count; }

 private:
  std::vector<score_point> kept;
  score_point latest;
  uint32_t change_count = 0;
  uint32_t stride = 1;
};

#endif  // MORV_STATS_FRAG_TIMELINE_H_
