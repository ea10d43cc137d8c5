// A second thread that runs submitted work, with the results handed back
// in the order the work was submitted.
#ifndef MORV_DIVERSE_ORDERED_QUEUE_H_
#define MORV_DIVERSE_ORDERED_QUEUE_H_

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace diverse {

// Owned by one calling thread, which alone submits and takes results. The
// work runs on the queue's own thread, oldest first, or on the caller's
// while it would otherwise wait. Work must not end the run: it keeps any
// failure in its result, for the caller to report in order. Everything
// the work refers to must outlive the queue (declare the queue last).
template <typename result>
class ordered_queue {
 public:
  // Starts the thread; where none can be made (a process or container
  // limit), each piece of work runs at once when it is submitted.
  ordered_queue() {
    try {
      thread = std::thread([this] { serve(); });
    } catch (const std::system_error&) {
    }
  }
  // Work not yet started is dropped (only a run that ends early leaves
  // any); work under way finishes first.
  ~ordered_queue() {
    if (!thread.joinable()) return;
    {
      std::lock_guard<std::mutex> lock(mutex);
      stopping = true;
    }
    changed.notify_all();
    thread.join();
  }
  ordered_queue(const ordered_queue&) = delete;
  ordered_queue& operator=(const ordered_queue&) = delete;

  void submit(std::function<result()> work) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      jobs.push_back({std::move(work), std::nullopt});
    }
    if (!thread.joinable()) {
      std::unique_lock<std::mutex> lock(mutex);
      run_first_queued(lock);
      return;
    }
    changed.notify_all();
  }

  // The result of the oldest work not yet taken; there must be one. While
  // it is not done the caller runs queued work itself, so that neither
  // core idles while there is work.
  result next() {
    std::unique_lock<std::mutex> lock(mutex);
    while (!jobs.front().done) {
      if (first_queued < jobs.size()) {
        run_first_queued(lock);
      } else {
        changed.wait(lock);
      }
    }
    result taken = std::move(*jobs.front().done);
    jobs.pop_front();
    --first_queued;
    return taken;
  }

  // Submitted work whose result has not been taken.
  size_t pending() const {
    std::lock_guard<std::mutex> lock(mutex);
    return jobs.size();
  }

 private:
  struct job {
    std::function<result()> work;
    std::optional<result> done;
  };

  void serve() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      changed.wait(lock,
                   [this] { return first_queued < jobs.size() || stopping; });
      if (stopping) return;
      run_first_queued(lock);
    }
  }

  // Runs the oldest work not started, with the lock released. A job stays
  // where it is in the deque until its result is taken, and taking only
  // ever removes the front, which is done: the reference stays valid.
  void run_first_queued(std::unique_lock<std::mutex>& lock) {
    job& oldest = jobs[first_queued++];
    lock.unlock();
    result outcome = oldest.work();
    lock.lock();
    oldest.done = std::move(outcome);
    changed.notify_all();
  }

  std::deque<job> jobs;     // not yet taken, oldest first
  size_t first_queued = 0;  // jobs before this have been started
  mutable std::mutex mutex;
  std::condition_variable changed;
  bool stopping = false;
  std::thread thread;  // started last, once the fields above exist
};

}  // namespace diverse

#endif  // MORV_DIVERSE_ORDERED_QUEUE_H_
