// A second thread that puts pages together and writes them while the
// run's own thread reads the next game or writes other pages.
#ifndef MORV_MAIN_PAGE_WORKER_H_
#define MORV_MAIN_PAGE_WORKER_H_

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "diverse/folders.h"
#include "diverse/outputfile.h"
#include "stats/resultdata.h"

class configdata;
class json_export;

// A piece of page work that either thread can do.
class page_task {
 public:
  virtual ~page_task() = default;
  virtual void run() = 0;

 private:
  friend class page_worker;
  bool ended = true;  // guarded by the worker's mutex
};

// Owned by the driver for one analysis; runs the tasks it is given, oldest
// first. A task prints nothing, opens no file by a path relative to the
// current folder and meets no fatal error: pages are written into folders
// held open, and the driver reports what came of them in the run's order.
class page_worker {
 public:
  page_worker();
  ~page_worker();  // runs the tasks given, then ends the thread
  page_worker(const page_worker&) = delete;
  page_worker& operator=(const page_worker&) = delete;

  // Queues task and returns at once; task must live until it has ended.
  void start(page_task& task);
  // Returns once task has ended. Meanwhile the calling thread does queued
  // tasks itself rather than wait, so neither core idles while there is
  // work.
  void finish(page_task& task);

 private:
  void run();
  // Runs the oldest queued task with the lock released.
  void run_oldest(std::unique_lock<std::mutex>& lock);

  std::deque<page_task*> queued;
  std::mutex mutex;
  std::condition_variable changed;
  bool stopping = false;
  std::thread thread;  // started last, once the fields above exist; none
                       // when it could not be made
};

// Finishes a task that lives on the stack when its scope ends, also when a
// fatal error unwinds the stack (the fuzz targets' fatal hook throws), so
// that the task outlives the worker's use of it.
class task_finisher {
 public:
  task_finisher(page_worker& worker, page_task& task)
      : worker(worker), task(task) {}
  ~task_finisher() { worker.finish(task); }
  task_finisher(const task_finisher&) = delete;
  task_finisher& operator=(const task_finisher&) = delete;

 private:
  page_worker& worker;
  page_task& task;
};

// One game whose files the worker puts together: its list entry, with the
// data file option its per-player lines and kill-matrix block, and with
// the data export its JSON object stay in memory for the driver to place;
// its page is written into the games folder at once.
class game_pieces : public page_task {
 public:
  // json: the run's data export, or null.
  game_pieces(const configdata& config, const std::string& games_folder,
              const json_export* json);

  // Copies the finished game numbered number; put_together then makes its
  // pieces on any thread (every page sets its table cell attribute before
  // its first cell, so none depends on the thread's last page).
  void take(const resultdata& game, int number);
  void run() override { put_together(); }
  void put_together();

  const resultdata& game() const { return copy; }
  int number() const { return game_number; }
  outputfile list_entry;
  outputfile player_lines;
  outputfile datafile_block;
  outputfile json_game;  // with the data export
  // What came of writing the page.
  outputfile::save_result page_saved = outputfile::save_result::saved;

 private:
  const configdata& config;
  diverse::folder_handle games_folder;
  const json_export* json;
  std::string log_path;  // the export's current log
  resultdata copy;
  int game_number = 0;
  outputfile page;
};

#endif  // MORV_MAIN_PAGE_WORKER_H_
