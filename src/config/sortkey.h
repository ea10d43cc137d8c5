// Player sort keys: the numbers 0 to 9 that name an ordering of players.
#ifndef MORV_CONFIG_SORTKEY_H_
#define MORV_CONFIG_SORTKEY_H_

enum sortkey {
  SORT_TEAM = 0,
  SORT_RATIO = 1,
  SORT_EFF = 2,
  SORT_SKILL = 3,
  SORT_KILLS = 4,
  SORT_KILLED = 5,
  SORT_NAME = 6,
  SORT_FRAGS = 7,
  SORT_SCORE = 8,
  SORT_PLAYTIME = 9,
};

// Returns the key's name ("team", "ratio", ..., "playtime"); "" for a
// number outside 0 to 9.
const char* sortkey_name(int key);

#endif  // MORV_CONFIG_SORTKEY_H_
