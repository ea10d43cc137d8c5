// The ratings a player carries: a run-wide record's in each pool, and a
// game record's before and after the game.
#ifndef MORV_STATS_PLAYER_RATING_H_
#define MORV_STATS_PLAYER_RATING_H_

#include "stats/rating_model.h"

struct game_settings;

// Players are rated in three separate pools: free-for-all games, duels
// (1on1) and team games. NOT_RATED marks a game without a rating.
inline constexpr int RATING_FFA = 0;
inline constexpr int RATING_DUEL = 1;
inline constexpr int RATING_TEAM = 2;
inline constexpr int RATING_POOLS = 3;
inline constexpr int NOT_RATED = -1;

// The run's model constants: the reference implementation's defaults.
inline constexpr rating_params RATING_PARAMS{};

// "ffa", "duel" or "team".
const char* rating_pool_name(int pool);

// The pool a game is rated in (game_rating.cc), decided here alone: a team
// game (teamgame) rates teams, game type 1 is a duel (but for Urban
// Terror), any other a free-for-all.
int rating_pool_of(const game_settings& game);

// A run-wide player's rating in one pool and the number of games rated in
// it; a new player starts at the model's prior.
struct pool_rating {
  skill belief{RATING_PARAMS.mu, RATING_PARAMS.sigma};
  int games = 0;
};

// A game player's rating in the game's pool, before and after the game;
// rated is false for a player who was not rated in it.
struct game_rating {
  bool rated = false;
  skill before{0, 0};
  skill after{0, 0};
};

#endif  // MORV_STATS_PLAYER_RATING_H_
