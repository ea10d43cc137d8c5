// Hostile and broken logs through morv: status 0 and a sound site (or the
// defined fatal error), in time and memory proportional to the input.
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "test_util.h"

namespace {

// A free-for-all game of two fighting players; extra goes before the kills.
std::string game(const std::string& extra = "") {
  return std::string(
             "  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm6\\gamename\\"
             "baseq3\n"
             "  0:01 ClientConnect: 0\n"
             "  0:01 ClientUserinfoChanged: 0 n\\Alpha\\t\\0\n"
             "  0:01 ClientConnect: 1\n"
             "  0:01 ClientUserinfoChanged: 1 n\\Beta\\t\\0\n") +
         extra +
         "  0:30 Kill: 0 1 10: x\n"
         "  0:40 Kill: 1 0 10: x\n"
         "  1:00 ShutdownGame:\n";
}

std::string repeat(const std::string& text, int times) {
  std::string result;
  while (times-- > 0) result += text;
  return result;
}

std::string garbage(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 24);
  }
  return bytes;
}

// Every event that names a client, for client number c.
std::string every_event_for(int c) {
  std::string n = std::to_string(c);
  return "  0:02 ClientConnect: " + n + "\n  0:02 ClientUserinfoChanged: " + n +
         " n\\Client" + n + "\\t\\0\n  0:03 Item: " + n +
         " item_quad\n  0:04 Kill: " + n + " 0 3: x\n  0:04 Kill: 0 " + n +
         " 3: x\n  0:05 score: 1 ping: 40 client: " + n +
         " x\n  0:05 say: Client" + n + ": hi\n  0:06 ClientDisconnect: " + n +
         "\n";
}

std::string names_line(int client, const std::string& name) {
  std::string n = std::to_string(client);
  return "  0:02 ClientConnect: " + n + "\n  0:02 ClientUserinfoChanged: " + n +
         " n\\" + name + "\\t\\0\n  0:03 Kill: " + n + " 0 3: x\n";
}

struct hostile_case {
  const char* name;
  std::string log;
  int games;              // games listed in players.htm
  const char* data = "";  // a text the data file must hold
};

// Alpha's line in the data file: kills, killed, suicides, world deaths.
const char* const ALPHA_1_1 = "1,Alpha,1,1,0,0,";

std::vector<hostile_case> hostile_cases() {
  std::string crlf, cr_only;
  for (char c : game()) {
    crlf += c == '\n' ? "\r\n" : std::string(1, c);
    cr_only += c == '\n' ? '\r' : c;
  }
  return {
      {"binary garbage", garbage(65536), 0},
      {"garbage around a game", garbage(3000) + "\n" + game() + garbage(3000), 1,
       ALPHA_1_1},
      {"NUL bytes inside lines",
       game(std::string("  0:10 Kill: 0 1 3: a\0b\n  0:11 say: Alpha: x\0y\n"
                        "  0:12 ClientUserinfoChanged: 1 n\\Be\0ta\\t\\0\n",
                        84)),
       1},
      {"10 MB single line",
       game("  0:05 say: Alpha: " + std::string(10 << 20, 'A') + "\n"), 1},
      {"lines of 2046 and 2047 characters",
       game("  0:20 Kill: 0 1 3: " + std::string(2026, 'x') +
            "\n  0:20 Kill: 0 1 3: " + std::string(2027, 'x') + "\n"),
       1, "1,Alpha,3,1,0,0,"},
      {"CRLF line ends", crlf, 1, ALPHA_1_1},
      {"CR-only line ends", cr_only, 0},
      {"numbers beyond 32 bits and negative",
       game("  0:05 Kill: 99999999999 1 3: x\n  0:05 Kill: -1 1 3: x\n"
            "  0:05 Kill: 0 -7 3: x\n  0:05 Kill: 0 1 -3: x\n"
            "  0:05 Kill: 0 1 4294967297: x\n  0:05 Kill: 0 1 -2147483648: x\n"
            "  0:06 ClientConnect: -1\n  0:06 ClientConnect: 4294967296\n"
            "  0:06 ClientUserinfoChanged: -2 n\\Neg\\t\\-5\\skill\\-9\n"
            "  0:06 ClientUserinfoChanged: 0 n\\Alpha\\t\\99999999999\n"
            "  0:07 Item: -1 item_quad\n  0:07 Item: 99999999999 item_quad\n"
            "  0:08 score: 1 p 99999999999 c 0 x\n  0:08 score: 1 p 5 c -1 x\n"
            "  0:09 ClientDisconnect: -3\n  0:09 ClientDisconnect: 99999999999\n"
            "99999999999:99999999999 Kill: 0 1 3: x\n"
            "  0:10 InitGame: \\timelimit\\99999999999\\fraglimit\\-99999999999"
            "\\g_gametype\\99999999999\n"),
       1},
      {"client numbers 511, 512 and 1022 in every event",
       game(every_event_for(511) + every_event_for(512) + every_event_for(1022)),
       1},
      {"names of 63, 64 and 300 characters, only '&', only colour codes, empty",
       game(names_line(2, std::string(63, 'a')) + names_line(3, std::string(64, 'b')) +
            names_line(4, std::string(300, 'c')) + names_line(5, "&&&&&&") +
            names_line(6, "^1^2^3^4") + names_line(7, "") +
            names_line(8, repeat("^", 300))),
       1},
      {"chat line of 300 colour codes",
       game("  0:05 say: Alpha: " + repeat("^1", 300) + "\n  0:05 say: " +
            repeat("^2", 300) + ": x\n"),
       1},
      {"Item for a client that never connected",
       game("  0:05 Item: 9 item_quad\n  0:05 Item: 0 \n"), 1},
      {"Kill and ShutdownGame before any InitGame",
       "  0:00 Kill: 0 1 3: x\n  0:00 Kill: 1022 0 22: x\n"
       "  0:00 ShutdownGame:\n" + game(), 1, ALPHA_1_1},
      {"empty file", "", 0},
  };
}

class hostile_log_test : public temp_folder_test {};

TEST_F(hostile_log_test, every_hostile_log_gives_a_sound_site) {
  int index = 0;
  for (const hostile_case& row : hostile_cases()) {
    const std::string run_folder = folder + "/run" + std::to_string(index++);
    const std::string site = run_folder + "/site/";
    std::filesystem::create_directory(run_folder);
    write_file(run_folder + "/hostile.log", row.log);
    write_file(run_folder + "/morv.cfg", "output_directory \"site\"\n");
    auto start = std::chrono::steady_clock::now();
    run_result run = run_morv(run_folder, "hostile.log -l -d -top3");
    std::chrono::duration<double> took =
        std::chrono::steady_clock::now() - start;
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
