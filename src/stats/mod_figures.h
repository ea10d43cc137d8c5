// What a mod's own log lines tell beyond kills and items: flag play,
// awards, assists, round wins, accuracy and team scores of one game.
#ifndef MORV_STATS_MOD_FIGURES_H_
#define MORV_STATS_MOD_FIGURES_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The figures a log can provide. The counted ones come first, in the
// order of player_mod_figures::counts.
enum mod_figure {
  flag_takes,
  flag_captures,
  flag_returns,
  flag_drops,
  flag_carrier_kills,
  assists,
  round_wins,
  fastest_capture,  // per player, milliseconds
  server_score,     // per player, the last score the server gave
  awards,           // per player, by award name
  shots,            // per player and weapon
  hits,             // per player and weapon
  team_scores,      // per game
  team_round_wins,  // per game
  MOD_FIGURES
};
inline constexpr int MOD_COUNTS = round_wins + 1;

// The figure's name in the export ("flag_captures").
std::string_view mod_figure_name(int figure);

struct named_count {
  std::string name;
  uint32_t count = 0;
};

struct weapon_accuracy {
  std::string weapon;
  uint32_t shots = 0;
  uint32_t hits = 0;
};

// One player's figures in one game, part of the game's player record.
// Names come from the log: at most MAX_NAMES of each kind are kept, each
// cut to MAX_NAME bytes.
struct player_mod_figures {
  static constexpr size_t MAX_NAMES = 16;
  static constexpr size_t MAX_NAME = 31;

  std::array<uint32_t, MOD_COUNTS> counts{};
  int fastest_capture_ms = -1;  // -1: no timed capture
  int server_score = 0;
  std::vector<named_count> awards;
  std::vector<weapon_accuracy> accuracy;

  // Adds to the counter of name, or starts one while there is room.
  void add_award(std::string_view name);
  // Adds to the weapon's shots and hits (saturated at 2^32 - 1).
  void add_accuracy(std::string_view weapon, int64_t shot_count,
                    int64_t hit_count);
};

// The game's own figures, and which figures its log provided: a figure
// that is not provided is absent from the export, not zero.
struct game_mod_figures {
  uint32_t provided = 0;                      // a bit per mod_figure
  std::array<int, 3> team_scores{};           // at 1 red, 2 blue
  std::array<uint32_t, 3> team_round_wins{};  // at 0 draws, 1 red, 2 blue

  bool has(int figure) const { return (provided >> figure) & 1u; }
  void provide(int figure) { provided |= 1u << figure; }
};

#endif  // MORV_STATS_MOD_FIGURES_H_
