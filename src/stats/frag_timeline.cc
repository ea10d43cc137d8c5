// Noting and thinning a game's running score.
#include "stats/frag_timeline.h"

void frag_timeline::note(int time, int score) {
  if (score == latest.score) return;
  latest = {time, score};
  if (++change_count % stride != 0) return;
  if (kept.size() == MAX_POINTS) {
    // The kept points are the changes stride, 2 stride, ...: those at
    // even multiples of it stay.
    size_t to = 0;
    for (size_t from = 1; from < kept.size(); from += 2)
      kept[to++] = kept[from];
    kept.resize(to);
    stride *= 2;
    if (change_count % stride != 0) return;
  }
  kept.push_back(latest);
}

void frag_timeline::clear() {
  kept.clear();
  latest = {};
  change_count = 0;
  stride = 1;
}
