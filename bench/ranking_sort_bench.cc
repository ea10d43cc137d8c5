// Micro-benchmarks of the ranking sort: sort_players over up to 1,000,000
// players per key, and sort_p2ps over one player's opponents.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_util.h"
#include "config/configdata.h"
#include "stats/resultdata_total.h"
#include "tools/loggen_util.h"

namespace {

// The totals of n players with small random counts (many ties on every
// key), and the records in their first order so that every iteration can
// start from it again.
struct player_list {
  explicit player_list(int n) : total(config) {
    loggen::rng random(42);
    for (int i = 0; i < n; ++i) {
      player_t* p = total.players.emplace_back(std::make_unique<player_t>()).get();
      p->set_name(loggen::pool_name(random.below(uint32_t(n)), 0));
      p->number = i + 1;
      p->kills[0] = static_cast<uint16_t>(random.below(50));
      p->killed[0] = static_cast<uint16_t>(random.below(50));
      p->suicides[0] = static_cast<uint16_t>(random.below(4));
      p->deaths = static_cast<uint16_t>(random.below(4));
      p->playtime = random.chance(100) ? 0 : int(random.below(3600));
      first_order.push_back(p);
    }
  }
  // Puts the records back in their first order.
  void restore() {
    for (auto& entry : total.players) entry.release();
    for (size_t i = 0; i < first_order.size(); ++i) {
      total.players[i].reset(first_order[i]);
    }
  }

  configdata config;
  resultdata_total total;
  std::vector<player_t*> first_order;
};

void BM_sort_players(benchmark::State& state) {
  static std::unique_ptr<player_list> list;
  int n = static_cast<int>(state.range(1));
  if (!list || static_cast<int>(list->first_order.size()) != n) {
    list = std::make_unique<player_list>(n);
  }
  for (auto _ : state) {
    state.PauseTiming();
    list->restore();
    state.ResumeTiming();
    quiet_stdout quiet;
    list->total.sort_players(static_cast<int>(state.range(0)));
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}
BENCHMARK(BM_sort_players)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {1000, 1000000}})
    ->Unit(benchmark::kMillisecond);

void BM_sort_p2ps(benchmark::State& state) {
  configdata config;
  resultdata_total total(config);
  player_t* owner = total.find_player("owner");
  loggen::rng random(7);
  int n = static_cast<int>(state.range(1));
  std::vector<p2p_t> first_order;
  for (int i = 0; i < n; ++i) {
    p2p_t& opponent = first_order.emplace_back();
    opponent.set_name(loggen::pool_name(uint32_t(i), 0));
    opponent.kills[0] = static_cast<uint16_t>(random.below(20));
    opponent.deaths[0] = static_cast<uint16_t>(random.below(20));
  }
  for (auto _ : state) {
    state.PauseTiming();
    owner->opponents = first_order;
    state.ResumeTiming();
    total.sort_p2ps(*owner, static_cast<int>(state.range(0)));
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}
BENCHMARK(BM_sort_p2ps)
    ->ArgsProduct({{4, 5, 6}, {500, 100000}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
