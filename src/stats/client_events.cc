// Client events of the game record: connect, settings, leaving and
// rejoining play, disconnect, and the closing of streaks and periods.
#include "stats/resultdata.h"

#include "diverse/numbers.h"

namespace {

bool is_slot(int client) {
  return client >= 0 && client < resultdata::MAX_CLIENTS;
}

// The history is a C-style byte string: a code whose byte is 0 (team 0,
// "free") adds nothing.
void append_team(player_t& player, int team, bool skip_repeat) {
  char code = static_cast<char>(team);
  if (code == '\0') return;
  if (player.team_history.size() >= player_t::MAX_TEAM_HISTORY) return;
  if (skip_repeat && !player.team_history.empty() &&
      player.team_history.back() == code) {
    return;
  }
  player.team_history.push_back(code);
}

}  // namespace

void resultdata::client_connect(int client, int time) {
  if (!is_slot(client)) return;
  use_slot(client);
  clients[client].join_time = time;
  streak_start[client] = time;
  streak[client] = 0;
}

void resultdata::new_player(int client, std::string_view name, int skill,
                            int team) {
  int index = add_player();
  clients[client].player = index;
  clients[client].state = 1;
  player_t& player = players[index];
  player.set_name(name);
  player.bot_skill = skill;
  player.team = team;
  append_team(player, team, false);
}

int resultdata::client_userinfo(int client, std::string_view name, int skill,
                                int team, int time) {
  if (!is_slot(client)) return 0;
  use_slot(client);
  client_slot& slot = clients[client];
  player_t* current = slot_player(client);
  int result = gametype == 1 && slot.state == 1 && current != nullptr &&
                       current->team != SPECTATOR && team == SPECTATOR
                   ? 1
                   : 0;
  if (slot.state == 1 && current != nullptr) {
    if (team == SPECTATOR && current->team != SPECTATOR) {
      leave_play(client, time);
    } else if (team != SPECTATOR && current->team == SPECTATOR) {
      rejoin_play(client, time);
    }
    current->set_name(name);
    current->team = team;
    append_team(*current, team, true);
    return result;
  }
  if (slot.state == 2) {
    // A returning human continues the record of the same name; a bot,
    // or a human whose name is new, gets a record of its own.
    int found = skill == -1 ? find_player(name) : -1;
    if (found >= 0) {
      slot.player = found;
      slot.state = 1;
      players[found].team = team;
      append_team(players[found], team, false);
      return result;
    }
  }
  new_player(client, name, skill, team);
  return result;
}

void resultdata::leave_play(int client, int time) {
  if (slot_player(client) == nullptr) return;
  close_period(client, time);
  close_streak(client, time);
  streak[client] = 0;
}

void resultdata::rejoin_play(int client, int time) {
  if (!is_slot(client)) return;
  use_slot(client);
  clients[client].join_time = time;
  streak_start[client] = time;
  streak[client] = 0;
}

int resultdata::client_disconnect(int client, int time) {
  if (!is_slot(client)) return 0;
  use_slot(client);
  player_t* player = slot_player(client);
  int result = 0;
  if (player != nullptr) {
    result = gametype == 1 && player->team != SPECTATOR ? 1 : 0;
    if (player->team != SPECTATOR) close_period(client, time);
    close_streak(client, time);
    streak[client] = 0;
  }
  clients[client].state = 2;
  return result;
}

void resultdata::close_streak(int client, int time) {
  player_t* player = slot_player(client);
  if (player == nullptr) return;
  if (streak[client] > player->mkiol) {
    player->mkiol = static_cast<uint16_t>(streak[client]);
    player->mkiol_time = static_cast<uint16_t>(int64_t{time} -
                                               streak_start[client]);
  }
}

void resultdata::close_period(int client, int time) {
  player_t* player = slot_player(client);
  if (player == nullptr || round_paused) return;
  int64_t length = int64_t{time} - clients[client].join_time;
  if (length > 0) player->playtime = diverse::wrap_add(player->playtime, length);
}
