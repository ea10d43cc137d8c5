// Rating the games of a run in order: a game's pool, its groups and their
// ranks, each player's weight, and the run-wide ratings they change.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "stats/player_rating.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

const char* rating_pool_name(int pool) {
  switch (pool) {
    case RATING_FFA: return "ffa";
    case RATING_DUEL: return "duel";
    default: return "team";
  }
}

int rating_pool_of(const game_settings& game) {
  if (game.teamgame) return RATING_TEAM;
  // Urban Terror's type 1 is Last Man Standing, every player for himself.
  if (game.gametype == 1 && !game.plays_in_rounds()) return RATING_DUEL;
  return RATING_FFA;
}

namespace {

// The team (1 red, 2 blue) a player of a team game is rated with: the one
// it ended the game in, else the last of the two it played in; 0 if none.
int playing_team(const player_t& player) {
  if (player.team == 1 || player.team == 2) return player.team;
  for (auto code = player.team_history.rbegin();
       code != player.team_history.rend(); ++code) {
    if (*code == 1 || *code == 2) return *code;
  }
  return 0;
}

// True when red's or blue's record counted a kill, team kill or suicide.
bool teams_scored(const resultdata& game) {
  for (int team = 1; team <= 2; ++team) {
    const player_t& record = game.get_team(team);
    if (record.kills[0] != 0 || record.teamkills[0] != 0 ||
        record.suicides[0] != 0) {
      return true;
    }
  }
  return false;
}

// A team's score, by which the teams are ranked: kills less team kills and
// suicides; a game whose teams counted none of these ranks them by the
// sum of their players' frags instead.
int64_t team_score(const resultdata& game, int team) {
  if (teams_scored(game)) {
    const player_t& record = game.get_team(team);
    return int64_t{record.kills[0]} - record.teamkills[0] - record.suicides[0];
  }
  int64_t frags = 0;
  for (int i = 0; i < game.get_num_players(); ++i) {
    if (playing_team(game.get_player(i)) == team) {
      frags += game.get_player(i).frags();
    }
  }
  return frags;
}

// The weight of a game for a player is the share of the game played: its
// playtime over the game's length, taken as the longest playtime among the
// game's players (InitGame to ShutdownGame also counts warmup and the end
// of the game, which nobody plays). Whoever played from start to end
// counts 1. A player on the page has a kill or a death, so a playtime of 0
// means that the log did not say when the player joined: such a player
// counts 1, as everyone does when no player has any playtime.
double play_share(int playtime, int longest) {
  if (longest <= 0 || playtime <= 0) return 1.0;
  return static_cast<double>(playtime) / longest;
}

// The group a player is rated in, added with its rank when new: a team
// game's team (-1 for a player without one), or in free-for-all games and
// duels a group of its own, ranked by frags (equal frags sharing a rank).
// group_teams holds the team of each group so far.
int group_of(const resultdata& game, const player_t& player, int pool,
             std::vector<int>& group_teams, std::vector<double>& group_ranks) {
  if (pool != RATING_TEAM) {
    group_ranks.push_back(-static_cast<double>(player.frags()));
    return static_cast<int>(group_ranks.size()) - 1;
  }
  const int team = playing_team(player);
  if (team == 0) return -1;
  auto found = std::find(group_teams.begin(), group_teams.end(), team);
  if (found == group_teams.end()) {
    group_teams.push_back(team);
    group_ranks.push_back(-static_cast<double>(team_score(game, team)));
  }
  return static_cast<int>(
      std::find(group_teams.begin(), group_teams.end(), team) -
      group_teams.begin());
}

}  // namespace

// The game's players that the game page shows all had a kill or a death
// (finish removed the others, and the bots when they are left out).
void resultdata_total::rate_game(resultdata& game,
                                 const std::vector<int>& numbers) {
  game.rated_pool = NOT_RATED;
  const int pool = rating_pool_of(game);
  int longest = 0;
  for (int i = 0; i < game.get_num_players(); ++i) {
    longest = std::max(longest, game.get_player(i).playtime);
  }
  rated.clear();
  rated_slots.clear();
  group_ranks.clear();
  group_teams.clear();
  for (int i = 0; i < game.get_num_players(); ++i) {
    const player_t& player = game.get_player(i);
    const double weight = play_share(player.playtime, longest);
    // Two of a game's players who are one run-wide player (aliases): the
    // first in the game's order is rated.
    const int number = numbers[static_cast<size_t>(i)];
    if (std::any_of(rated_slots.begin(), rated_slots.end(), [&](int slot) {
          return numbers[static_cast<size_t>(slot)] == number;
        })) {
      continue;
    }
    const int group = group_of(game, player, pool, group_teams, group_ranks);
    if (group < 0) continue;
    const pool_rating& current =
        players[static_cast<size_t>(number - 1)]->ratings[pool];
    rated.push_back({current.belief, group, weight});
    rated_slots.push_back(i);
  }
  if (group_ranks.size() < 2) return;
  rating_model.rate(rated, group_ranks);
  game.rated_pool = pool;
  for (size_t k = 0; k < rated.size(); ++k) {
    const int slot = rated_slots[k];
    player_t& player = game.get_player(slot);
    pool_rating& total =
        players[static_cast<size_t>(numbers[static_cast<size_t>(slot)] - 1)]
            ->ratings[pool];
    player.rating = {true, total.belief, rated[k].belief};
    total.belief = rated[k].belief;
    ++total.games;
  }
}
