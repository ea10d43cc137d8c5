// The page worker's thread and its hand-over with the driver, and the
// pieces of one game.
#include "main/page_worker.h"

#include <system_error>

#include "config/configdata.h"
#include "output/game_page.h"
#include "output/json_export.h"

page_worker::page_worker() {
  // Where no thread can be made (a process or container limit), each
  // task runs on the calling thread when it is started.
  try {
    thread = std::thread([this] { run(); });
  } catch (const std::system_error&) {
  }
}

page_worker::~page_worker() {
  if (!thread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
  }
  changed.notify_all();
  thread.join();
}

void page_worker::start(page_task& task) {
  if (!thread.joinable()) {
    task.run();
    return;
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    task.ended = false;
    queued.push_back(&task);
  }
  changed.notify_all();
}

void page_worker::finish(page_task& task) {
  std::unique_lock<std::mutex> lock(mutex);
  while (!task.ended) {
    if (queued.empty()) {
      changed.wait(lock);
    } else {
      run_oldest(lock);
    }
  }
}

void page_worker::run() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return !queued.empty() || stopping; });
    if (queued.empty()) return;
    run_oldest(lock);
  }
}

void page_worker::run_oldest(std::unique_lock<std::mutex>& lock) {
  page_task* task = queued.front();
  queued.pop_front();
  lock.unlock();
  task->run();
  lock.lock();
  task->ended = true;
  changed.notify_all();
}

game_pieces::game_pieces(const configdata& config,
                         const std::string& games_folder,
                         const json_export* json)
    : config(config), games_folder(games_folder), json(json), copy(config) {}

void game_pieces::take(const resultdata& game, int number) {
  copy.copy_finished(game);
  game_number = number;
  if (json) log_path = json->current_log();
}

// The same pieces in the same order as the driver writes them itself.
void game_pieces::put_together() {
  list_entry.open_in_memory("");
  write_game_list_entry(list_entry, copy, config, game_number);
  page.open_detached(games_folder.descriptor(),
                     game_page_name(game_number).c_str());
  write_game_page(page, copy, config, game_number);
  page_saved = page.close_detached();
  if (config.write_datafile) {
    player_lines.open_in_memory("");
    copy.write_player_lines(player_lines, game_number);
    datafile_block.open_in_memory("");
    copy.write_datafile_block(datafile_block);
  }
  if (json) {
    json_game.open_in_memory("");
    json->write_game(json_game, copy, game_number, log_path);
  }
}
