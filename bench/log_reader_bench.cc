// Micro-benchmarks of the log reader: a whole generated log, single lines
// of the common kinds, and the game record's reset between games.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "analyzelog/analyzelog.h"
#include "analyzelog/chat_log.h"
#include "bench/bench_util.h"
#include "config/configdata.h"
#include "stats/resultdata.h"

namespace {

// About 32 MiB of games with up to 32 players.
const std::string& sample_log() {
  static const std::string log = [] {
    loggen::settings config;
    config.size = 32 << 20;
    config.players = 32;
    return generate_log(config);
  }();
  return log;
}

// Reads every game of the log, resetting the record before each, as the
// driver does (without sorting and pages).
int read_all(const std::string& log, configdata& config, chat_log& chat) {
  FILE* stream = fmemopen(const_cast<char*>(log.data()), log.size(), "rb");
  auto game = std::make_unique<resultdata>(config);
  int games = 0;
  {
    bool ignore_events = false;
    analyzelog reader(stream, *game, config, chat, ignore_events);
    game->reset();
    while (reader.parse() != 0) {
      ++games;
      game->reset();
    }
  }
  std::fclose(stream);
  return games;
}

void BM_read_log(benchmark::State& state) {
  const std::string& log = sample_log();
  configdata config;
  chat_log chat;
  quiet_stdout quiet;  // weapon warnings
  for (auto _ : state) benchmark::DoNotOptimize(read_all(log, config, chat));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(log.size()));
}
BENCHMARK(BM_read_log)->Unit(benchmark::kMillisecond);

// One line handled again and again inside a running game of 16 players.
void BM_parse_line(benchmark::State& state, const char* line) {
  configdata config;
  chat_log chat;
  auto game = std::make_unique<resultdata>(config);
  bool ignore_events = false;
  analyzelog reader(nullptr, *game, config, chat, ignore_events);
  reader.parse_line("  0:00 InitGame: \\g_gametype\\0\\mapname\\q3dm17");
  for (int c = 0; c < 16; ++c) {
    std::string info = "  0:01 ClientUserinfoChanged: " + std::to_string(c) +
                       " n\\Player" + std::to_string(c) + "\\t\\0\\model\\x";
    reader.parse_line(info.c_str());
  }
  for (auto _ : state) benchmark::DoNotOptimize(reader.parse_line(line));
}
BENCHMARK_CAPTURE(BM_parse_line, kill,
                  " 12:34 Kill: 3 7 7: Player3 killed Player7 by "
                  "MOD_ROCKET_SPLASH\n");
BENCHMARK_CAPTURE(BM_parse_line, item, " 12:34 Item: 5 item_armor_shard\n");
BENCHMARK_CAPTURE(BM_parse_line, userinfo,
                  " 12:34 ClientUserinfoChanged: 4 n\\^1Pla^7yer4\\t\\0\\model"
                  "\\sarge\\hmodel\\sarge\\g_redteam\\\\g_blueteam\\\\c1\\4\\c2"
                  "\\5\\hc\\100\\w\\0\\l\\0\\tt\\0\\tl\\0\n");
BENCHMARK_CAPTURE(BM_parse_line, unknown,
                  " 12:34 PlayerScore: 3 4: Player3 now has 4 points\n");

// reset of a record that once held 511 players, for a game of 16.
void BM_reset_after_big_game(benchmark::State& state) {
  configdata config;
  auto game = std::make_unique<resultdata>(config);
  game->reset();
  for (int i = 0; i < 511; ++i) game->add_player();
  game->reset();
  for (auto _ : state) {
    for (int i = 0; i < 16; ++i) game->add_player();
    game->reset();
  }
}
BENCHMARK(BM_reset_after_big_game)->Unit(benchmark::kMicrosecond);

}  // namespace
