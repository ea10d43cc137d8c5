// Writes one game of a server log: settings, clients, events and the end.
#include "tools/loggen_game.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tools/loggen_tables.h"

namespace loggen {

game_writer::game_writer(const settings& config, log_out& out)
    : config(config), out(out), random(config.seed) {}

void game_writer::write_game(bool cut) {
  int roll = static_cast<int>(random.below(100));
  gametype = roll < 45 ? 0 : roll < 60 ? 3 : roll < 80 ? 4 : roll < 94 ? 1
                                                                         : 2;
  int players = gametype == 1 ? 2 + random.range(0, 2)
                              : random.range(2, config.players);
  int longest = config.minutes > 0 ? config.minutes : 20;
  int shortest = std::min(longest, config.minutes > 0 ? 1 : 8);
  start(players, random.range(shortest, longest) * 60);
  play(cut ? duration / 2 : duration);
  if (!cut) finish();
}

void game_writer::write_stress_game() {
  gametype = 0;
  stress_game = true;
  start(511, 600);
  play(duration);
  finish();
  stress_game = false;
}

void game_writer::start(int players, int seconds) {
  oa_style = random.chance(400);
  max_clients = std::max(players + 4, gametype == 1 ? 4 : config.players);
  if (players > 64) max_clients = players;
  duration = seconds;
  time_ms = 0;
  pick_players(players);
  init_line();
  if (!stress_game && random.chance(250)) warmup();
  for (size_t c = 0; c < clients.size(); ++c) connect(static_cast<int>(c));
}

void game_writer::init_line() {
  out.stamp(0);
  out.text(SEPARATOR);
  out.end_line();
  out.stamp(0);
  out.text("InitGame: \\sv_hostname\\");
  out.text(HOSTS[random.below(HOSTS.size())]);
  // An empty value shifts every pair behind it, as on real servers.
  if (random.chance(60)) out.text("\\g_motd\\");
  out.text("\\sv_maxclients\\");
  out.number(max_clients);
  out.text("\\g_gametype\\");
  out.number(gametype);
  out.text("\\dmflags\\0\\fraglimit\\");
  out.number(random.range(0, 5) * 10);
  out.text("\\timelimit\\");
  out.number(duration / 60);
  out.text("\\mapname\\");
  out.text(MAPS[random.below(MAPS.size())]);
  out.text("\\gamename\\");
  out.text(random.chance(20) ? "arena" : oa_style ? "baseoa" : "baseq3");
  out.text("\\protocol\\68\\version\\ioq3 1.36 linux-x86_64");
  if (random.chance(500)) out.text("\\capturelimit\\8");
  out.text(random.chance(500) ? "\\sv_keywords\\\\g_needpass\\0"
                              : "\\g_needpass\\0");
  out.end_line();
}

void game_writer::warmup() {
  out.stamp(0);
  out.text("Warmup:");
  out.end_line();
  for (size_t c = 0; c < clients.size(); ++c) connect(static_cast<int>(c));
  play(random.range(20, 45));
  if (random.chance(600)) {
    out.stamp(time_ms / 1000);
    out.text("ShutdownGame:");
    out.end_line();
    out.stamp(time_ms / 1000);
    out.text(SEPARATOR);
    out.end_line();
    time_ms = 0;
  }
  for (client& c : clients) c.present = false;
  active_dirty = true;
  init_line();
}

void game_writer::pick_players(int count) {
  clients.assign(static_cast<size_t>(count), client{});
  for (int i = 0; i < count; ++i) {
    client& c = clients[static_cast<size_t>(i)];
    if (gametype != 1 && !stress_game && random.chance(50)) {
      c.bot_skill = random.range(1, 5);
      c.name = bot_name(random.below(BOT_NAMES));
      continue;
    }
    c.pool = pick_name();
    for (int tries = 0; tries < 8; ++tries) {
      bool taken = false;
      for (int j = 0; j < i && !taken; ++j) {
        taken = clients[static_cast<size_t>(j)].bot_skill < 0 &&
                clients[static_cast<size_t>(j)].pool == c.pool;
      }
      if (!taken) break;
      c.pool = pick_name();
    }
    c.name = pool_name(c.pool, 0);
    c.odds = odds_of(c.pool);
  }
}

double game_writer::odds_of(uint32_t pool) const {
  if (config.strength <= 0) return 1;
  return std::exp(config.strength * pool_strength(config.seed, pool));
}

uint32_t game_writer::pick_name() {
  bool fresh = cursor < config.names &&
               (cursor == 0 || random.below(100) < uint32_t(config.fresh));
  if (fresh) return cursor++;
  uint32_t used = random.below(cursor);
  // Half the returning players come from the regulars at the pool's start.
  return random.below(2) ? random.below(used + 1) : used;
}

void game_writer::connect(int c) {
  client& who = clients[static_cast<size_t>(c)];
  who.present = true;
  who.left = false;
  who.team = team_for_join();
  active_dirty = true;
  out.stamp(time_ms / 1000);
  out.text("ClientConnect: ");
  out.number(c);
  out.end_line();
  userinfo(c);
  out.stamp(time_ms / 1000);
  out.text("ClientBegin: ");
  out.number(c);
  out.end_line();
}

void game_writer::userinfo(int c) {
  const client& who = clients[static_cast<size_t>(c)];
  out.stamp(time_ms / 1000);
  out.text("ClientUserinfoChanged: ");
  out.number(c);
  out.text(" n\\");
  out.text(who.name);
  out.text("\\t\\");
  out.number(who.team);
  out.text("\\model\\");
  std::string_view model = MODELS[who.pool % MODELS.size()];
  out.text(model);
  out.text("\\hmodel\\");
  out.text(model);
  if (who.bot_skill >= 0) {
    out.text("\\c1\\4\\c2\\5\\hc\\70\\w\\0\\l\\0\\skill\\    ");
    out.number(who.bot_skill);
    out.text(".00\\tt\\0\\tl\\0");
  } else {
    out.text("\\g_redteam\\\\g_blueteam\\\\c1\\4\\c2\\5\\hc\\100\\w\\0\\l\\0"
             "\\tt\\0\\tl\\0");
    if (oa_style) {
      out.text("\\id\\");
      out.number(static_cast<long>(who.pool) * 7919 + 1000003);
    }
  }
  out.end_line();
}

int game_writer::team_for_join() {
  if (random.chance(40)) return 3;
  if (gametype == 1) {
    int playing = 0;
    for (const client& c : clients) playing += c.present && c.team != 3;
    return playing < 3 ? 0 : 3;  // the joining client counts already
  }
  if (!team_type(gametype)) return 0;
  int red = 0, blue = 0;
  for (const client& c : clients) {
    red += c.present && c.team == 1;
    blue += c.present && c.team == 2;
  }
  return red <= blue ? 1 : 2;
}

void game_writer::play(int until) {
  while (time_ms / 1000 < until && !out.full()) {
    rebuild_active();
    int mean = 5500 / std::max<int>(1, static_cast<int>(active.size()));
    time_ms += static_cast<int>(random.below(2 * mean + 1));
    event();
  }
}

void write_log(const settings& config, log_out& out) {
  game_writer writer(config, out);
  if (config.stress) writer.write_stress_game();
  if (config.size > 0) {
    while (!out.full()) writer.write_game(false);
    return;
  }
  for (long g = 0; g < config.games; ++g) writer.write_game(false);
  writer.write_game(true);
}

std::string log_text(const settings& config) {
  char* data = nullptr;
  size_t size = 0;
  FILE* stream = open_memstream(&data, &size);
  {
    log_out out(stream, config.size > 0 ? config.size : ~0ull, config.crlf);
    write_log(config, out);
  }
  std::fclose(stream);
  std::string log(data, size);
  std::free(data);
  return log;
}

}  // namespace loggen
