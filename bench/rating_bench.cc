// Micro-benchmark of the skill rating: 1,000,000 free-for-all games of 8
// players rated as a run rates them (resultdata_total::rate_game: weights,
// ranks, the pool's ratings and the model), on one thread.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "config/configdata.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"
#include "tools/loggen_util.h"

namespace {

constexpr int GAMES = 1000000;
constexpr int PLAYERS_PER_GAME = 8;
constexpr int DISTINCT_GAMES = 1024;
constexpr uint32_t NAMES = 2000;

// Finished free-for-all games of 8 of 2,000 players, with random frags and
// playtimes, and the run-wide numbers of their players in the totals.
struct game_set {
  game_set() : totals(config) {
    loggen::rng random(21);
    for (int g = 0; g < DISTINCT_GAMES; ++g) {
      auto& game = games.emplace_back(std::make_unique<resultdata>(config));
      game->set_gametype(0);
      for (int p = 0; p < PLAYERS_PER_GAME; ++p) {
        player_t& player = game->get_player(game->add_player());
        player.set_name(loggen::pool_name(random.below(NAMES), 0));
        player.kills[0] = random.below(30);
        player.killed[0] = 1 + random.below(30);
        player.playtime = random.chance(200) ? 60 + random.range(0, 500) : 600;
      }
      numbers.push_back(totals.add_game(*game));
    }
  }

  configdata config;
  resultdata_total totals;
  std::vector<std::unique_ptr<resultdata>> games;
  std::vector<std::vector<int>> numbers;
};

void BM_rate_ffa_games(benchmark::State& state) {
  game_set set;
  for (auto _ : state) {
    for (int g = 0; g < GAMES; ++g) {
      const size_t at = static_cast<size_t>(g % DISTINCT_GAMES);
      set.totals.rate_game(*set.games[at], set.numbers[at]);
    }
  }
  benchmark::DoNotOptimize(set.totals.players[0]->ratings[RATING_FFA]);
  state.SetItemsProcessed(int64_t(state.iterations()) * GAMES);
}
BENCHMARK(BM_rate_ffa_games)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
