// Games whose pages a second thread puts together while the next game is
// read: every shared file keeps the run's order, and one core gives the
// same bytes; and the worker's hand-over, where the waiting thread does
// queued work itself.
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "main/page_worker.h"
#include "test_util.h"

namespace {

// Game k (1-based) of players players: a chat line naming the game, and a
// ring of kills.
std::string game(int k, int players) {
  std::string log = "  0:00 InitGame: \\g_gametype\\0\\mapname\\map" +
                    std::to_string(k) + "\n";
  for (int i = 0; i < players; ++i) {
    log += "  0:01 ClientUserinfoChanged: " + std::to_string(i) + " n\\P" +
           std::to_string(i) + "\\t\\0\n";
  }
  log += "  0:02 say: P0: chat of game " + std::to_string(k) + "\n";
  for (int i = 0; i < players; ++i) {
    log += "  0:03 Kill: " + std::to_string(i) + " " +
           std::to_string((i + 1) % players) + " 7: x\n";
  }
  return log + "  1:00 ShutdownGame:\n";
}

std::string site_bytes(const std::string& folder) {
  std::string all;
  for (const std::string& name : files_below(folder)) {
    all += name + "\n" + mask_volatile(read_file(folder + "/" + name));
  }
  return all;
}

class page_worker_test : public temp_folder_test {};

// Games of 3 and 10 players go to the worker, and one of 70 is written at
// once, so both ways alternate.
TEST_F(page_worker_test, shared_files_keep_the_order_of_games) {
  const int sizes[] = {10, 3, 10, 70, 10, 10};
  std::string log;
  for (int k = 1; k <= 6; ++k) log += game(k, sizes[k - 1]);
  for (const char* run_folder : {"many", "one"}) {
    std::filesystem::create_directory(run_folder);
    write_file(std::string(run_folder) + "/game.log", log);
  }
  run_result many = run_morv(folder + "/many", "game.log -l -d");
  ASSERT_EQ(many.status, 0) << many.output;
  // One core, inside whatever prefix the suite runs under (valgrind).
  const char* prefix = std::getenv("MORV_RUN_PREFIX");
  const std::string outer = prefix != nullptr ? prefix : "";
  setenv("MORV_RUN_PREFIX", ("taskset -c 0 " + outer).c_str(), 1);
  run_result one = run_morv(folder + "/one", "game.log -l -d");
  if (prefix != nullptr) {
    setenv("MORV_RUN_PREFIX", outer.c_str(), 1);
  } else {
    unsetenv("MORV_RUN_PREFIX");
  }
  EXPECT_EQ(mask_volatile(one.output), mask_volatile(many.output));
  EXPECT_EQ(site_bytes(folder + "/one"), site_bytes(folder + "/many"));

  const std::string chat = read_file("many/chat.htm");
  const std::string data = "\n" + read_file("many/morvdata.txt");
  size_t chat_at = 0, data_at = 0;
  for (int k = 1; k <= 6; ++k) {
    const std::string n = std::to_string(k);
    chat_at = chat.find("chat of game " + n, chat_at);
    EXPECT_LT(chat.find("<b>Game " + n + "</b>"), chat_at) << k;
    EXPECT_GT(chat.find("<b>Game " + std::to_string(k + 1) + "</b>"), chat_at)
        << k;
    // The output folder is the start folder: each game's lines, then its
    // kill-matrix block.
    data_at = data.find("\n" + n + ",P", data_at);
    ASSERT_NE(data_at, std::string::npos) << k;
    data_at = data.find("<game>\r\nplayer 0: \"P", data_at);
    ASSERT_NE(data_at, std::string::npos) << k;
    EXPECT_NE(read_file("many/morv_games/game_" + n + ".htm")
                  .find("<p align=right>map" + n + "</p>"),
              std::string::npos)
        << k;
  }
}

// The first task can only end once the second has run. The thread that
// waits for the first must run the second itself, whichever thread took
// the first: waiting alone would never end.
TEST(page_worker_handover, finish_does_queued_tasks_instead_of_waiting) {
  struct waits_for_flag : page_task {
    explicit waits_for_flag(const std::atomic<bool>& flag) : flag(flag) {}
    void run() override {
      while (!flag) std::this_thread::yield();
    }
    const std::atomic<bool>& flag;
  };
  struct sets_flag : page_task {
    explicit sets_flag(std::atomic<bool>& flag) : flag(flag) {}
    void run() override { flag = true; }
    std::atomic<bool>& flag;
  };
  std::atomic<bool> flag{false};
  waits_for_flag first(flag);
  sets_flag second(flag);
  page_worker worker;
  worker.start(first);
  worker.start(second);
  worker.finish(first);
  worker.finish(second);
  EXPECT_TRUE(flag);
}

}  // namespace
