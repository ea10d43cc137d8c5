// The page worker's thread and its hand-over with the driver, and the
// pieces of one game.
#include "main/page_worker.h"

#include <utility>

#include "config/configdata.h"
#include "output/game_page.h"

page_worker::page_worker() : thread([this] { run(); }) {}

page_worker::~page_worker() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
  }
  changed.notify_all();
  thread.join();
}

uint64_t page_worker::start(std::function<void()> job) {
  uint64_t ticket;
  {
    std::lock_guard<std::mutex> lock(mutex);
    jobs.push_back(std::move(job));
    ticket = ++started;
  }
  changed.notify_all();
  return ticket;
}

void page_worker::wait(uint64_t ticket) {
  std::unique_lock<std::mutex> lock(mutex);
  changed.wait(lock, [this, ticket] { return ended >= ticket; });
}

void page_worker::run() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    changed.wait(lock, [this] { return !jobs.empty() || stopping; });
    if (jobs.empty()) return;
    std::function<void()> job = std::move(jobs.front());
    jobs.pop_front();
    lock.unlock();
    job();
    lock.lock();
    ++ended;
    changed.notify_all();
  }
}

game_pieces::game_pieces(const configdata& config,
                         const std::string& games_folder)
    : config(config), games_folder(games_folder), copy(config) {}

void game_pieces::take(const resultdata& game, int number) {
  copy.copy_finished(game);
  game_number = number;
}

// The same pieces in the same order as the driver writes them itself.
void game_pieces::put_together() {
  list_entry.open_in_memory("");
  write_game_list_entry(list_entry, copy, config, game_number);
  page.open_in_memory(game_page_name(game_number).c_str());
  write_game_page(page, copy, config, game_number);
  page_saved = page.save_in(games_folder.descriptor());
  if (config.write_datafile) {
    player_lines.open_in_memory("");
    copy.write_player_lines(player_lines, game_number);
    datafile_block.open_in_memory("");
    copy.write_datafile_block(datafile_block);
  }
}
