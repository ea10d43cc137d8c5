// The game record: construction, reset, players, capacity growth.
#include "stats/resultdata.h"

#include <algorithm>

#include "config/configdata.h"
#include "diverse/numbers.h"
#include "diverse/fatal_error.h"

namespace {

size_t matrix_size(int capacity) {
  size_t c = static_cast<size_t>(capacity);
  return c * c * MAX_WEAPONS + 1;
}

}  // namespace

resultdata::resultdata(const configdata& config)
    : config(config),
      keep_timelines(!config.site_directory.empty()),
      keep_chat(!config.site_directory.empty() || config.json_export),
      kill_matrix(matrix_size(INITIAL_CAPACITY), 0),
      players(MAX_PLAYERS) {
  weapon_set = &config.weaponnames;
  empty_client_table();
}

void resultdata::empty_client_table() {
  // Slots at and above slots_in_use are empty already: a game with 20
  // clients clears 20 slots, not 512, at its start and end.
  for (int i = 0; i < slots_in_use; ++i) {
    clients[i].player = -1;
    clients[i].state = 0;
    streak[i] = 0;
    streak_start[i] = 0;
  }
  slots_in_use = 0;
}

void resultdata::reset() {
  mapname.clear();
  timelimit = 0;
  fraglimit = 0;
  hostname.clear();
  started.clear();
  init_time = -1;
  duration = -1;
  for (std::string& text : weapon_texts) text.clear();
  mod = {};
  chat.clear();
  // Only the records and the matrix corner that the players since the
  // last reset used can hold anything; the rest is still clear. Clearing
  // all of a 512-player matrix for every game would cost 20 MB of writes.
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!weapon_in_matrix(w)) continue;
    for (int k = 0; k < used_players; ++k) {
      std::fill_n(kill_matrix.begin() +
                      static_cast<std::ptrdiff_t>(matrix_index(k, 0, w)),
                  used_players, 0);
    }
  }
  weapon_counted.fill(false);
  for (int i = 0; i < used_players; ++i) players[i].reset();
  for (int i = 0; i < capacity; ++i) {
    streak[i] = 0;
    streak_start[i] = 0;
  }
  teams[1].reset();
  teams[2].reset();
  num_players = 0;
  used_players = 0;
  rated_pool = NOT_RATED;
  award_winners.clear();
}

resultdata::resultdata(const configdata& config, int players)
    : config(config),
      keep_timelines(false),
      keep_chat(false),
      players(static_cast<size_t>(players)) {
  empty_client_table();
}

std::array<uint8_t, MAX_WEAPONS> resultdata::own_planes() {
  std::array<uint8_t, MAX_WEAPONS> planes;
  for (int w = 0; w < MAX_WEAPONS; ++w) planes[w] = static_cast<uint8_t>(w);
  return planes;
}

// A game uses a few of the weapon slots: the copy's matrix holds only
// theirs, a small block rather than one of 64 planes for every game.
std::unique_ptr<resultdata> resultdata::copy_of_finished(
    const resultdata& game) {
  const int n = game.num_players;
  std::unique_ptr<resultdata> copy(new resultdata(game.config, n));
  copy->num_players = n;
  copy->used_players = n;
  copy->capacity = std::max(n, 1);
  copy->weapon_counted = game.weapon_counted;
  uint8_t planes = 0;
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (copy->weapon_in_matrix(w)) copy->plane_of[w] = planes++;
  }
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!copy->weapon_in_matrix(w)) copy->plane_of[w] = planes;
  }
  const size_t c = static_cast<size_t>(copy->capacity);
  copy->kill_matrix.assign((planes + size_t{1}) * c * c + 1, 0);
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!copy->weapon_in_matrix(w)) continue;
    for (int k = 0; k < n; ++k) {
      std::copy_n(&game.kill_matrix[game.matrix_index(k, 0, w)], n,
                  &copy->kill_matrix[copy->matrix_index(k, 0, w)]);
    }
  }
  std::copy_n(game.players.begin(), n, copy->players.begin());
  copy->teams = game.teams;
  copy->running = game.running;
  copy->rated_pool = game.rated_pool;
  copy->award_winners = game.award_winners;
  copy->chat = game.chat;
  static_cast<game_settings&>(*copy) = game;
  return copy;
}

int resultdata::add_player() {
  if (num_players >= capacity - 1) {
    if (num_players > 510) {
      fatal_error("resultdata::add_player - too many clients in game (%i)",
                  num_players);
    }
    grow();
  }
  players[num_players].reset();
  used_players = std::max(used_players, num_players + 1);
  return num_players++;
}

void resultdata::grow() {
  int old_capacity = capacity;
  if (old_capacity * 2 > 512) {
    fatal_error("resultdata::add_player - too many clients in game (%i)",
                num_players);
  }
  std::vector<uint16_t> old = std::move(kill_matrix);
  capacity = old_capacity * 2;
  kill_matrix.assign(matrix_size(capacity), 0);
  for (int w = 0; w < MAX_WEAPONS; ++w) {
    if (!weapon_in_matrix(w)) continue;
    for (int k = 0; k < num_players; ++k) {
      for (int v = 0; v < num_players; ++v) {
        size_t from = (static_cast<size_t>(w) * old_capacity + k) *
                          old_capacity + v;
        kill_matrix[matrix_index(k, v, w)] = old[from];
      }
    }
  }
}

int resultdata::find_player(std::string_view name) const {
  for (int i = 0; i < num_players; ++i) {
    if (players[i].name == name) return i;
  }
  return -1;
}

void resultdata::set_gametype(int number) {
  gametype = number;
  switch (number) {
    case 0: gametype_name = "FFA"; break;
    case 1: gametype_name = "1on1"; break;
    case 3: gametype_name = "team DM"; break;
    case 4: gametype_name = "CTF"; break;
    default: gametype_name = "unknown"; break;
  }
}

int resultdata::weapon_kills(int w) const {
  int64_t sum = 0;
  for (int i = 0; i < num_players; ++i) sum += players[i].kills[w];
  return diverse::saturate_int32(sum);
}

player_t* resultdata::slot_player(int client) {
  if (client < 0 || client >= MAX_CLIENTS) return nullptr;
  int player = clients[client].player;
  if (player < 0 || player >= num_players) return nullptr;
  return &players[player];
}
