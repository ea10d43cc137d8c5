// Item, ping and game-control events of the game record.
#include "stats/resultdata.h"

#include <cstdio>

#include "diverse/fatal_error.h"
#include "diverse/numbers.h"
#include "diverse/time_text.h"

namespace {

void print_logtime(int time) {
  std::printf("\nLOGTIME: %s\n", diverse::time_to_min(time).c_str());
}

}  // namespace

void resultdata::add_item(int client, const char* item, int time) {
  if (!running) return;
  if (!is_client(client)) {
    warning("player_id overflow in resultdata::add_item");
    print_logtime(time);
    return;
  }
  player_t* player = slot_player(client);
  // A slot that disconnected keeps its last player; one that never sent
  // its settings has none and is treated as never connected.
  if (clients[client].state == 0 || player == nullptr) {
    warning("client %i never connected (glitch in logfile?)", client);
    print_logtime(time);
    return;
  }
  player->items = diverse::wrap_add(player->items, 1);
  int item_class = find_item_class(item);
  if (item_class >= 0) ++player->pickups[static_cast<size_t>(item_class)];
}

void resultdata::add_ping(int client, int ping) {
  if (!running) return;
  player_t* player = slot_player(client);
  if (player != nullptr) player->add_ping(ping);
}

void resultdata::start_game(int /*time*/) {
  teamgame = false;
  empty_client_table();
  running = true;
  round_paused = false;
}

void resultdata::end_game(int time) {
  if ((teams[1].kills[0] != 0 || teams[2].kills[0] != 0) &&
      gamename != "arena") {
    teamgame = true;
  }
  close_play(time);
  empty_client_table();
  running = false;
  round_paused = false;
}

void resultdata::close_play(int time) {
  for (int client = 0; client < slots_in_use; ++client) {
    if (clients[client].state != 1) continue;
    player_t* player = slot_player(client);
    if (player != nullptr && player->team != SPECTATOR) {
      close_period(client, time);
    }
    close_streak(client, time);
    streak[client] = 0;
  }
}

void resultdata::pause_round(int time) {
  if (round_paused) return;
  close_play(time);
  round_paused = true;
  running = false;
}

void resultdata::open_round(int time) {
  for (int client = 0; client < slots_in_use; ++client) {
    clients[client].join_time = time;
    streak_start[client] = time;
    streak[client] = 0;
  }
  round_paused = false;
  running = true;
}
