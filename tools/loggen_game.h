// The generator's game writer: one server game at a time, from the
// settings line to the shutdown, in the server's log format.
#ifndef MORV_TOOLS_LOGGEN_GAME_H_
#define MORV_TOOLS_LOGGEN_GAME_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tools/loggen_util.h"

namespace loggen {

struct settings {
  uint64_t seed = 1;
  uint64_t size = 0;     // bytes to write; 0: write `games` games
  long games = 100;      // complete games when size is 0
  int players = 16;      // most players in a game, 2 to 64
  bool stress = false;   // a game of 511 players first
  uint32_t names = 2000; // size of the name pool
  int fresh = 30;        // per cent of players that take an unused name
  int minutes = 0;       // longest game; 0: 8 to 20 minutes
  bool crlf = false;     // carriage return before every line feed
  // Spread of the hidden strengths (0: none): a pool player of strength s
  // (pool_strength) kills with odds exp(spread * s) and is killed with odds
  // exp(-spread * s); bots have strength 0.
  double strength = 0;
};

// Writes games to a log_out. Owns the per-game client table; the name
// cursor and the random source run on across games, so the same settings
// always give the same bytes.
class game_writer {
 public:
  game_writer(const settings& config, log_out& out);

  // One game; a cut game stops half-way without its end lines (a server
  // that went down).
  void write_game(bool cut);
  // One free-for-all game with 511 players, each with one record.
  void write_stress_game();

 private:
  struct client {
    std::string name;  // raw name as last sent
    uint32_t pool = 0;
    uint32_t variant = 0;
    int bot_skill = -1;
    int team = 0;
    int score = 0;
    bool present = false;
    bool left = false;  // disconnected, may come back
    double odds = 1;    // exp(spread * strength), 1 without strengths
  };

  void start(int players, int seconds);
  void init_line();
  void warmup();
  void pick_players(int count);
  uint32_t pick_name();
  double odds_of(uint32_t pool) const;
  void connect(int c);
  void userinfo(int c);
  void play(int until);
  void event();
  void kill();
  void kill_line(int killer, int victim, int weapon);
  void item();
  void chat();
  void churn();
  void finish();
  void rebuild_active();
  int random_active();
  // A random active client; with strengths, drawn by its odds of killing
  // (`killer`) or of being killed.
  int pick_active(bool killer);
  int team_for_join();

  const settings& config;
  log_out& out;
  rng random;
  uint32_t cursor = 0;  // next pool name never handed out
  std::vector<client> clients;
  std::vector<int> active;  // present, playing (not spectating) clients
  bool active_dirty = true;
  int gametype = 0;
  bool oa_style = false;
  // The 511-player game: a game record holds at most 511 players, so no
  // bots and no client that leaves and comes back (either may take a
  // second record).
  bool stress_game = false;
  int max_clients = 16;
  int time_ms = 0;
  int duration = 0;
};

// Writes the whole log the settings ask for: the stress game when asked,
// then games until `size` bytes are written (the last one cut where the
// limit falls) or `games` complete games and a cut-off one.
void write_log(const settings& config, log_out& out);

// The whole log the settings ask for, in memory (tests, benchmarks).
std::string log_text(const settings& config);

}  // namespace loggen

#endif  // MORV_TOOLS_LOGGEN_GAME_H_
