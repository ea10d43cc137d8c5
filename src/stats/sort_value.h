// The value that a sort key compares for a player, shared by the game sort
// and the ranking sort.
#ifndef MORV_STATS_SORT_VALUE_H_
#define MORV_STATS_SORT_VALUE_H_

#include <string>

class p2p_t;
class player_t;

// The number that key (0 to 9, but not 6, the name) compares, larger is
// better; integers are exact in a double. Any other key gives playtime.
double sort_number(const player_t& player, int key);
// The name that key 6 compares: the plain name, lower-cased (A to Z only),
// ordered by unsigned bytes.
std::string sort_name(const player_t& player);
// An opponent record's number for key 4 (kills) or 5 (deaths), and its
// name for key 6.
double sort_number(const p2p_t& opponent, int key);
std::string sort_name(const p2p_t& opponent);

#endif  // MORV_STATS_SORT_VALUE_H_
