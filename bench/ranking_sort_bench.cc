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

// A run-wide list of n players with small random counts (many ties on
// every key), and the nodes in their first order so that every iteration
// can start from it again.
struct player_list {
  explicit player_list(int n) : total(config) {
    loggen::rng random(42);
    player_t* last = &total.players;
    for (int i = 0; i < n; ++i) {
      last = last->append();
      last->set_name(loggen::pool_name(random.below(uint32_t(n)), 0));
      last->number = i + 1;
      last->kills[0] = static_cast<uint16_t>(random.below(50));
      last->killed[0] = static_cast<uint16_t>(random.below(50));
      last->suicides[0] = static_cast<uint16_t>(random.below(4));
      last->deaths = static_cast<uint16_t>(random.below(4));
      last->playtime = random.chance(100) ? 0 : int(random.below(3600));
      nodes.push_back(last);
    }
  }
  // Relinks the nodes in their first order.
  void restore() {
    for (player_t* node = &total.players; node != nullptr;) {
      player_t* next = node->next.release();
      node = next;
    }
    player_t* last = &total.players;
    for (player_t* node : nodes) {
      last->next.reset(node);
      last = node;
    }
  }

  configdata config;
  resultdata_total total;
  std::vector<player_t*> nodes;
};

void BM_sort_players(benchmark::State& state) {
  static std::unique_ptr<player_list> list;
  int n = static_cast<int>(state.range(1));
  if (!list || static_cast<int>(list->nodes.size()) != n) {
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
  player_t* owner = total.players.append();
  loggen::rng random(7);
  p2p_t* last = &owner->p2ps;
  int n = static_cast<int>(state.range(1));
  std::vector<p2p_t*> nodes;
  for (int i = 0; i < n; ++i) {
    last = last->append();
    last->set_name(loggen::pool_name(uint32_t(i), 0));
    last->kills[0] = static_cast<uint16_t>(random.below(20));
    last->deaths[0] = static_cast<uint16_t>(random.below(20));
    nodes.push_back(last);
  }
  for (auto _ : state) {
    state.PauseTiming();
    for (p2p_t* node = &owner->p2ps; node != nullptr;) {
      node = node->next.release();
    }
    last = &owner->p2ps;
    for (p2p_t* node : nodes) {
      last->next.reset(node);
      last = node;
    }
    state.ResumeTiming();
    total.sort_p2ps(*owner, static_cast<int>(state.range(0)));
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}
BENCHMARK(BM_sort_p2ps)
    ->ArgsProduct({{4, 5, 6}, {500, 100000}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
