// The events inside a generated game: kills, pickups, chat, clients that
// come, go, rename and switch teams, and the end of the game.
#include <algorithm>

#include "tools/loggen_game.h"
#include "tools/loggen_tables.h"

namespace loggen {

void game_writer::event() {
  uint32_t roll = random.below(1000);
  if (roll < 300) return kill();
  if (roll < 950) return item();
  if (roll < 975) return chat();
  if (roll < 985 && gametype == 4) {
    int c = random_active();
    if (c < 0) return;
    out.stamp(time_ms / 1000);
    out.text("CTF: ");
    out.number(c);
    out.text(" 2 0: ");
    out.text(clients[static_cast<size_t>(c)].name);
    out.text(" got the BLUE flag!");
    return out.end_line();
  }
  churn();
}

void game_writer::kill() {
  int victim = pick_active(false);
  if (victim < 0) return;
  uint32_t roll = random.below(1000);
  if (roll < 40 || active.size() < 2) {
    clients[static_cast<size_t>(victim)].score -= 1;
    return kill_line(WORLD, victim,
                     WORLD_WEAPONS[random.below(WORLD_WEAPONS.size())]);
  }
  if (roll < 70) {
    clients[static_cast<size_t>(victim)].score -= 1;
    return kill_line(victim, victim,
                     SELF_WEAPONS[random.below(SELF_WEAPONS.size())]);
  }
  int killer = pick_active(true);
  // Team games: mostly kills across the teams, a few team kills.
  bool team_kill = roll < 100;
  for (int tries = 0; tries < 8; ++tries) {
    const client& k = clients[static_cast<size_t>(killer)];
    const client& v = clients[static_cast<size_t>(victim)];
    bool mates = k.team == v.team;
    if (killer != victim && (!team_type(gametype) || mates == team_kill)) {
      break;
    }
    killer = pick_active(true);
  }
  if (killer == victim) return;
  clients[static_cast<size_t>(killer)].score += 1;
  kill_line(killer, victim, WEAPONS[WEAPON_TABLE[random.below(1024)]]);
}

void game_writer::kill_line(int killer, int victim, int weapon) {
  int now = time_ms / 1000;
  out.stamp(now);
  out.text("Kill: ");
  out.number(killer);
  out.text(" ");
  out.number(victim);
  out.text(" ");
  out.number(weapon);
  out.text(": ");
  out.text(killer == WORLD ? "<world>" : clients[size_t(killer)].name);
  out.text(" killed ");
  out.text(clients[static_cast<size_t>(victim)].name);
  out.text(" by ");
  out.text(weapon < static_cast<int>(MODS.size()) ? MODS[size_t(weapon)]
                                                   : "UT_MOD_HK69");
  out.end_line();
  if (!oa_style || killer == WORLD) return;
  out.stamp(now);
  out.text("PlayerScore: ");
  out.number(killer);
  out.text(" ");
  out.number(clients[static_cast<size_t>(killer)].score);
  out.text(": ");
  out.text(clients[static_cast<size_t>(killer)].name);
  out.text(" now has some points");
  out.end_line();
}

void game_writer::item() {
  int c = random_active();
  if (c < 0) return;
  out.stamp(time_ms / 1000);
  out.text("Item: ");
  out.number(c);
  out.text(" ");
  out.text(ITEMS[ITEM_TABLE[random.below(1024)]]);
  out.end_line();
}

void game_writer::chat() {
  int c = static_cast<int>(random.below(uint32_t(clients.size())));
  if (!clients[static_cast<size_t>(c)].present) return;
  out.stamp(time_ms / 1000);
  out.text(random.chance(750) ? "say: " : "sayteam: ");
  out.text(clients[static_cast<size_t>(c)].name);
  out.text(": ");
  out.text(MESSAGES[random.below(MESSAGES.size())]);
  out.end_line();
}

// Renames, team changes, spectating, leaving, coming back and late joins.
// In a 1on1 game the two opponents mostly stay put, since a move of theirs
// ends the recording of the game.
void game_writer::churn() {
  int c = static_cast<int>(random.below(uint32_t(clients.size())));
  client& who = clients[static_cast<size_t>(c)];
  if (gametype == 1 && who.team != 3 && !random.chance(50)) return;
  uint32_t what = random.below(stress_game ? 3 : 6);
  if (what == 4 && who.left) return connect(c);
  if (what == 5 && static_cast<int>(clients.size()) < max_clients) {
    clients.emplace_back();
    clients.back().pool = pick_name();
    clients.back().name = pool_name(clients.back().pool, 0);
    clients.back().odds = odds_of(clients.back().pool);
    return connect(static_cast<int>(clients.size()) - 1);
  }
  if (!who.present) return;
  active_dirty = true;
  if (what == 0 && who.bot_skill < 0) {
    who.variant += 1;
    who.name = pool_name(random.chance(200) ? pick_name() : who.pool,
                         who.variant);
  } else if (what == 1 && team_type(gametype) && who.team != 3) {
    who.team = 3 - who.team;
  } else if (what == 2) {
    who.team = who.team == 3 ? team_for_join() : 3;
  } else if (what == 3) {
    who.present = false;
    who.left = true;
    out.stamp(time_ms / 1000);
    out.text("ClientDisconnect: ");
    out.number(c);
    return out.end_line();
  } else {
    return;
  }
  userinfo(c);
}

void game_writer::finish() {
  int now = time_ms / 1000;
  out.stamp(now);
  out.text(gametype == 4   ? "Exit: Capturelimit hit."
           : random.below(2) ? "Exit: Timelimit hit."
                             : "Exit: Fraglimit hit.");
  out.end_line();
  if (team_type(gametype)) {
    out.stamp(now);
    out.text("red:");
    out.number(random.range(0, 8));
    out.text("  blue:");
    out.number(random.range(0, 8));
    out.end_line();
  }
  for (size_t c = 0; c < clients.size(); ++c) {
    if (!clients[c].present) continue;
    out.stamp(now);
    out.text("score: ");
    out.number(clients[c].score);
    out.text("  ping: ");
    out.number(random.range(5, 350));
    out.text("  client: ");
    out.number(static_cast<long>(c));
    out.text(" ");
    out.text(clients[c].name);
    out.end_line();
  }
  out.stamp(now);
  out.text("ShutdownGame:");
  out.end_line();
  out.stamp(now);
  out.text(SEPARATOR);
  out.end_line();
}

void game_writer::rebuild_active() {
  if (!active_dirty) return;
  active.clear();
  for (size_t c = 0; c < clients.size(); ++c) {
    if (clients[c].present && clients[c].team != 3) {
      active.push_back(static_cast<int>(c));
    }
  }
  active_dirty = false;
}

int game_writer::random_active() {
  rebuild_active();
  if (active.empty()) return -1;
  return active[random.below(static_cast<uint32_t>(active.size()))];
}

int game_writer::pick_active(bool killer) {
  if (config.strength <= 0) return random_active();
  rebuild_active();
  if (active.empty()) return -1;
  auto odds = [&](int c) {
    double o = clients[static_cast<size_t>(c)].odds;
    return killer ? o : 1 / o;
  };
  double total = 0;
  for (int c : active) total += odds(c);
  double at = random.unit() * total;
  for (int c : active) {
    at -= odds(c);
    if (at < 0) return c;
  }
  return active.back();
}

}  // namespace loggen
