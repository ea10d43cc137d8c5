// The ordered queue: results in the order of submission whichever thread
// did the work, and a caller that runs queued work instead of waiting.
#include "diverse/ordered_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Work that takes longer the earlier it was submitted finishes out of
// order; results come back in order, also while work is still submitted.
TEST(ordered_queue_test, results_come_in_submission_order) {
  diverse::ordered_queue<int> queue;
  constexpr int COUNT = 200;
  int taken = 0;
  for (int k = 0; k < COUNT; ++k) {
    queue.submit([k] {
      std::this_thread::sleep_for(std::chrono::microseconds((COUNT - k) % 7));
      return k;
    });
    if (queue.pending() > 3) {
      EXPECT_EQ(queue.next(), taken++);
    }
  }
  while (queue.pending() > 0) EXPECT_EQ(queue.next(), taken++);
  EXPECT_EQ(taken, COUNT);
}

// The first piece of work ends only once the second has run: the caller
// waiting for the first must run the second itself.
TEST(ordered_queue_test, next_runs_queued_work_instead_of_waiting) {
  std::atomic<bool> flag{false};
  diverse::ordered_queue<int> queue;
  queue.submit([&flag] {
    while (!flag) std::this_thread::yield();
    return 1;
  });
  queue.submit([&flag] {
    flag = true;
    return 2;
  });
  EXPECT_EQ(queue.next(), 1);
  EXPECT_EQ(queue.next(), 2);
}

}  // namespace
