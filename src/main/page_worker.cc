// The page worker's thread and its hand-over with the driver.
#include "main/page_worker.h"

#include "config/configdata.h"
#include "output/game_page.h"

page_worker::page_worker(const configdata& config)
    : config(config), copy(config), thread([this] { run(); }) {}

page_worker::~page_worker() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
  }
  changed.notify_all();
  thread.join();
}

void page_worker::start(const resultdata& game, int number) {
  copy.copy_finished(game);
  game_number = number;
  holds_game = true;
  {
    std::lock_guard<std::mutex> lock(mutex);
    working = true;
  }
  changed.notify_all();
}

void page_worker::wait() {
  std::unique_lock<std::mutex> lock(mutex);
  changed.wait(lock, [this] { return !working; });
}

void page_worker::run() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return working || stopping; });
    if (stopping) return;
    lock.unlock();
    put_together();
    lock.lock();
    working = false;
    changed.notify_all();
  }
}

// The same pieces in the same order as the driver writes them itself.
void page_worker::put_together() {
  list_entry.open_in_memory("");
  write_game_list_entry(list_entry, copy, config, game_number);
  page.open_in_memory(game_page_name(game_number).c_str());
  write_game_page(page, copy, config, game_number);
  if (config.write_datafile) {
    player_lines.open_in_memory("");
    copy.write_player_lines(player_lines, game_number);
    datafile_block.open_in_memory("");
    copy.write_datafile_block(datafile_block);
  }
}
