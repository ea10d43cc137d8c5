// A second thread that puts pages together and writes them while the
// run's own thread reads the next game or writes other pages.
#ifndef MORV_MAIN_PAGE_WORKER_H_
#define MORV_MAIN_PAGE_WORKER_H_

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "diverse/folders.h"
#include "diverse/outputfile.h"
#include "stats/resultdata.h"

class configdata;

// Owned by the driver for one analysis; runs the jobs it is given one at
// a time, in the order given. A job prints nothing, opens no file by a
// path relative to the current folder and meets no fatal error: pages are
// written into folders held open, and the driver reports what came of
// them in the run's order.
class page_worker {
 public:
  page_worker();
  ~page_worker();  // runs the jobs given, then ends the thread
  page_worker(const page_worker&) = delete;
  page_worker& operator=(const page_worker&) = delete;

  // Queues job for the worker's thread and returns at once with its
  // ticket.
  uint64_t start(std::function<void()> job);
  // Waits until the job of ticket (and every job before it) has ended.
  void wait(uint64_t ticket);

 private:
  void run();

  std::deque<std::function<void()>> jobs;
  uint64_t started = 0;
  uint64_t ended = 0;
  std::mutex mutex;
  std::condition_variable changed;
  bool stopping = false;
  std::thread thread;  // started last, once the fields above exist
};

// One game whose files the worker puts together: its list entry and, with
// the data file option, its per-player lines and kill-matrix block stay
// in memory for the driver to place; its page is written into the games
// folder at once.
class game_pieces {
 public:
  game_pieces(const configdata& config, const std::string& games_folder);

  // Copies the finished game numbered number; put_together then makes its
  // pieces on any thread (every page sets its table cell attribute before
  // its first cell, so none depends on the thread's last page).
  void take(const resultdata& game, int number);
  void put_together();
  // The ticket of the job putting the game together.
  uint64_t ticket = 0;

  const resultdata& game() const { return copy; }
  int number() const { return game_number; }
  outputfile list_entry;
  outputfile player_lines;
  outputfile datafile_block;
  // What came of writing the page.
  outputfile::save_result page_saved = outputfile::save_result::saved;

 private:
  const configdata& config;
  diverse::folder_handle games_folder;
  resultdata copy;
  int game_number = 0;
  outputfile page;
};

#endif  // MORV_MAIN_PAGE_WORKER_H_
