// The values of the sort keys.
#include "stats/sort_value.h"

#include <cstdint>

#include "config/sortkey.h"
#include "diverse/text.h"
#include "stats/player_t.h"

double sort_number(const player_t& player, int key) {
  switch (key) {
    case SORT_TEAM: return player.team;
    case SORT_RATIO: return player.ratio();
    case SORT_EFF: return player.eff();
    case SORT_SKILL: return player.skill();
    case SORT_KILLS: return player.kills[0];
    case SORT_KILLED: return player.killed[0];
    case SORT_FRAGS: return player.frags();
    case SORT_SCORE: return player.score();
    default:
      // A game's playtime is a sum of periods that wraps modulo 2^32, so a
      // negative value stands for a long time: it is compared unsigned.
      // Run-wide playtime saturates within 0 to INT32_MAX, where both
      // readings agree.
      return static_cast<uint32_t>(player.playtime);
  }
}

std::string sort_name(const player_t& player) {
  return diverse::to_lower(player.plain_name);
}

double sort_number(const p2p_t& opponent, int key) {
  return key == SORT_KILLS ? opponent.kills[0] : opponent.deaths[0];
}

std::string sort_name(const p2p_t& opponent) {
  return diverse::to_lower(opponent.plain_name);
}
