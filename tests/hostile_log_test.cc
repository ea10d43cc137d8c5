// Hostile and broken logs through morv: status 0 and a sound site (or the
// defined fatal error), in time and memory proportional to the input.
// Hostile numbers and names are left to the log fuzzer (fuzz/log_fuzzer.cc).
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "test_util.h"

namespace {

// A free-for-all game of two fighting players; extra goes before the kills.
std::string game(const std::string& extra = "") {
  return "  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm6\n"
         "  0:01 ClientUserinfoChanged: 0 n\\Alpha\\t\\0\n"
         "  0:01 ClientUserinfoChanged: 1 n\\Beta\\t\\0\n" +
         extra +
         "  0:30 Kill: 0 1 10: x\n  0:40 Kill: 1 0 10: x\n"
         "  1:00 ShutdownGame:\n";
}

std::string garbage(size_t size) {
  std::mt19937 random(12345);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

class hostile_log_test : public temp_folder_test {};

TEST_F(hostile_log_test, every_hostile_log_gives_a_sound_site) {
  const std::regex line_end("\n");
  const char* const alpha_1_1 = "1,Alpha,1,1,0,0,";  // kills, killed, ...
  const struct {
    const char* name;
    std::string log;
    int games;              // games listed in players.htm
    const char* data = "";  // a text the data file must hold
  } rows[] = {
      {"garbage around a game", garbage(65536) + "\n" + game() + garbage(3000),
       1, alpha_1_1},
      {"10 MB single line",
       game("  0:05 say: Alpha: " + std::string(10 << 20, 'A') + "\n"), 1},
      {"lines of 2046 and 2047 characters",
       game("  0:20 Kill: 0 1 3: " + std::string(2026, 'x') +
            "\n  0:20 Kill: 0 1 3: " + std::string(2027, 'x') + "\n"),
       1, "1,Alpha,3,1,0,0,"},
      {"CRLF line ends", std::regex_replace(game(), line_end, "\r\n"), 1,
       alpha_1_1},
      {"CR-only line ends", std::regex_replace(game(), line_end, "\r"), 0},
      {"empty file", "", 0},
  };
  int index = 0;
  for (const auto& row : rows) {
    const std::string run_folder = folder + "/run" + std::to_string(index++);
    std::filesystem::create_directory(run_folder);
    write_file(run_folder + "/hostile.log", row.log);
    write_file(run_folder + "/morv.cfg", "output_directory \"site\"\n");
    const auto start = std::chrono::steady_clock::now();
    run_result run = run_morv(run_folder, "hostile.log -l -d -top3");
    const std::chrono::duration<double> took =
        std::chrono::steady_clock::now() - start;
    const std::string site = run_folder + "/site/";
    EXPECT_EQ(0, run.status) << row.name << "\n" << run.output.substr(0, 2000);
    EXPECT_EQ(std::vector<std::string>{}, site_problems(site)) << row.name;
    EXPECT_NE(read_file(site + "players.htm")
                  .find("Number of games: " + std::to_string(row.games)),
              std::string::npos)
        << row.name;
    EXPECT_NE(read_file(site + "morvdata.txt").find(row.data),
              std::string::npos)
        << row.name;
    EXPECT_LT(took.count(), 60.0) << row.name;
  }
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss, 1024 * 1024);  // the 10 MB line held few times
}

// Players who come one after the other on client 5, each a new record.
std::string crowd(int players) {
  std::string lines;
  for (int i = 0; i < players; ++i) {
    lines += "  0:02 ClientUserinfoChanged: 5 n\\P" + std::to_string(i) +
             "\\t\\0\n  0:02 Kill: 5 0 3: x\n  0:02 ClientDisconnect: 5\n";
  }
  return game(lines);
}

TEST_F(hostile_log_test, a_game_holds_511_players_and_the_512th_is_fatal) {
  write_file("morv.cfg", "output_directory \"site\"\n");
  write_file("crowd.log", crowd(509));
  run_result run = run_morv(folder, "crowd.log -top3");
  EXPECT_EQ(0, run.status) << run.output.substr(0, 2000);
  EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"));
  EXPECT_TRUE(file_exists(folder + "/site/morv_players/player_511.htm"));

  write_file("crowd.log", crowd(510));
  run = run_morv(folder, "crowd.log");
  EXPECT_EQ(1, run.status);
  EXPECT_NE(std::string::npos,
            run.output.find("ERROR: resultdata::add_player - too many clients "
                            "in game (511)"))
      << run.output.substr(0, 2000);
}

}  // namespace
