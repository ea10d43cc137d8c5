// A second thread that puts a game's list entry and page together while
// the reader goes on with the next game.
#ifndef MORV_MAIN_PAGE_WORKER_H_
#define MORV_MAIN_PAGE_WORKER_H_

#include <condition_variable>
#include <mutex>
#include <thread>

#include "diverse/outputfile.h"
#include "stats/resultdata.h"

class configdata;

// Owned by the driver for one analysis. The worker only formats: its
// pieces are in-memory pages, so it touches no file, prints nothing and
// meets no fatal error; the driver writes them in the run's order. While
// a game is being put together the driver must not write table cells
// (the page frame's cell attribute is shared), which the reader never
// does.
class page_worker {
 public:
  explicit page_worker(const configdata& config);
  ~page_worker();  // ends the thread
  page_worker(const page_worker&) = delete;
  page_worker& operator=(const page_worker&) = delete;

  // Copies the finished game numbered number and starts on its pieces;
  // returns at once. The previous game must have been taken (wait).
  void start(const resultdata& game, int number);
  // Waits until the game last started is put together. Its copy, number,
  // list entry and page stay valid until the next start.
  void wait();
  bool has_game() const { return holds_game; }
  // The driver has written the game: the worker holds none.
  void release_game() { holds_game = false; }

  const resultdata& game() const { return copy; }
  int number() const { return game_number; }
  // In memory: the game's list entry, page, and (with the data file
  // option) its per-player lines and kill-matrix block.
  outputfile list_entry;
  outputfile page;
  outputfile player_lines;
  outputfile datafile_block;

 private:
  void run();
  void put_together();

  const configdata& config;
  resultdata copy;
  int game_number = 0;
  bool holds_game = false;
  std::mutex mutex;
  std::condition_variable changed;
  bool working = false;
  bool stopping = false;
  std::thread thread;  // started last, once the fields above exist
};

#endif  // MORV_MAIN_PAGE_WORKER_H_
