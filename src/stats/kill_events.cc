// Kill events of the game record: kills, suicides, team kills, deaths not
// caused by a player, streaks, the kill matrix and the score timelines.
#include "stats/resultdata.h"

#include <cstdio>

#include "config/configdata.h"
#include "diverse/fatal_error.h"
#include "diverse/numbers.h"

namespace {

bool is_playing_team(int team) { return team == 1 || team == 2; }

// Counts one at the weapon slot and at slot 0 (once for slot 0 itself).
template <typename Counters>
void count_weapon(Counters& counters, int weapon) {
  ++counters[static_cast<size_t>(weapon)];
  if (weapon != 0) ++counters[0];
}

using team_records = std::array<player_t, 3>;

void count_suicide(player_t& victim, team_records& teams, int weapon) {
  count_weapon(victim.suicides, weapon);
  if (is_playing_team(victim.team)) {
    count_weapon(teams[static_cast<size_t>(victim.team)].suicides, weapon);
  }
}

// A kill of another player. Between players of one team other than 0 it
// is no kill; in a playing team it is a team kill.
void count_frag(player_t& killer, player_t& victim, team_records& teams,
                int weapon) {
  int killer_team = killer.team;
  int victim_team = victim.team;
  if (killer_team != victim_team || killer_team == 0) {
    count_weapon(victim.killed, weapon);
    count_weapon(killer.kills, weapon);
  }
  if (killer_team == victim_team && is_playing_team(killer_team)) {
    count_weapon(teams[static_cast<size_t>(killer_team)].teamkills, weapon);
    ++killer.teamkills[0];
  }
  if (killer_team != victim_team) {
    if (is_playing_team(killer_team)) {
      count_weapon(teams[static_cast<size_t>(killer_team)].kills, weapon);
    }
    if (is_playing_team(victim_team)) {
      count_weapon(teams[static_cast<size_t>(victim_team)].killed, weapon);
    }
  }
}

}  // namespace

bool resultdata::has_slot(int weapon) const {
  if (weapon < 0 || weapon >= MAX_WEAPONS) return false;
  return weapon < SLOTTED_WEAPONS ||
         !(*weapon_set)[static_cast<size_t>(weapon)].empty();
}

void resultdata::note_weapon_text(int weapon, std::string_view text) {
  if (!has_slot(weapon)) return;
  std::string& kept = weapon_texts[static_cast<size_t>(weapon)];
  if (kept.empty()) kept.assign(text.substr(0, 63));
}

int resultdata::add_kill(int killer, int victim, int weapon, int time) {
  if (!running) return 2;
  bool killer_is_client = is_client(killer);
  bool victim_is_client = is_client(victim);
  player_t* killer_player = killer_is_client ? slot_player(killer) : nullptr;
  player_t* victim_player = victim_is_client ? slot_player(victim) : nullptr;
  if (config.skip_bots) {
    if (killer_player != nullptr && killer_player->bot_skill >= 0) return 1;
    if (victim_player != nullptr && victim_player->bot_skill >= 0) return 1;
  }
  // A client without a player record sent no settings in this game: the
  // kill cannot be attributed, so it is dropped before anything counts.
  if (killer_is_client && killer_player == nullptr) return 2;
  if (victim_is_client && victim_player == nullptr) return 2;
  if (!has_slot(weapon)) {
    // Once per number, up to a bound: a log can hold a few mistaken
    // numbers, not a warning for every kill of a mod's weapon.
    if (warned_weapons->size() < 4096 && warned_weapons->insert(weapon).second) {
      warning("weapon id > MAX_WEAPONS, weapon id reset to zero\n");
    }
    weapon = 0;
  }
  if (killer_is_client && victim_is_client) {
    if (killer == victim) {
      count_suicide(*victim_player, teams, weapon);
    } else {
      count_frag(*killer_player, *victim_player, teams, weapon);
      streak[killer] = diverse::wrap_add(streak[killer], 1);
    }
  } else if (victim_is_client) {
    // Drowned, fell, melted: a death that no player caused.
    ++victim_player->deaths;
    if (is_playing_team(victim_player->team)) {
      ++teams[static_cast<size_t>(victim_player->team)].deaths;
    }
  }
  // A new life begins for any victim slot that has a player, even one
  // whose number is not below capacity.
  if (slot_player(victim) != nullptr) {
    close_streak(victim, time);
    streak[victim] = 0;
    streak_start[victim] = time;
  }
  if (killer_is_client && victim_is_client) {
    int k = clients[killer].player;
    int v = clients[victim].player;
    count_kill(k, v, weapon);
    if (weapon != 0) count_kill(k, v, 0);
  }
  if (keep_timelines) note_scores(killer_player, victim_player, time);
  return 0;
}

void resultdata::note_scores(player_t* killer, player_t* victim, int time) {
  // Players by the scoreboard's frags, teams by the score their heading
  // shows (team kills count against it).
  if (killer != nullptr) killer->timeline.note(time, killer->frags());
  if (victim != nullptr && victim != killer) {
    victim->timeline.note(time, victim->frags());
  }
  const bool in_teams =
      (killer != nullptr && is_playing_team(killer->team)) ||
      (victim != nullptr && is_playing_team(victim->team));
  if (!in_teams) return;
  for (int t = 1; t <= 2; ++t) teams[t].timeline.note(time, teams[t].score());
}
