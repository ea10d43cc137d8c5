// The player record: reset, names, copying and derived statistics.
#include "stats/player_t.h"

#include "diverse/funname.h"
#include "diverse/numbers.h"
#include "diverse/fatal_error.h"

player_t::player_t() { reset(); }

player_t::player_t(const player_t& other) {
  copy_stats(other);
  listed = other.listed;
}

player_t& player_t::operator=(const player_t& other) {
  if (this != &other) copy_stats(other);
  return *this;
}

void player_t::copy_stats(const player_t& other) {
  number = other.number;
  bot_skill = other.bot_skill;
  team = other.team;
  html_name = other.html_name;
  plain_name = other.plain_name;
  team_history = other.team_history;
  games = other.games;
  ping_count = other.ping_count;
  ping_sum = other.ping_sum;
  kills = other.kills;
  killed = other.killed;
  suicides = other.suicides;
  teamkills = other.teamkills;
  deaths = other.deaths;
  playtime = other.playtime;
  mkiol = other.mkiol;
  mkiol_time = other.mkiol_time;
  items = other.items;
  pickups = other.pickups;
  name = other.name;
  skill_cache = other.skill_cache;
  eff_cache = other.eff_cache;
  ratio_cache = other.ratio_cache;
}

void player_t::reset() {
  listed = false;
  number = 0;
  bot_skill = -1;
  team = -1;
  html_name.clear();
  plain_name.clear();
  team_history.clear();
  games = 0;
  ping_count = 0;
  ping_sum = 0;
  kills.fill(0);
  killed.fill(0);
  suicides.fill(0);
  teamkills.fill(0);
  deaths = 0;
  playtime = 0;
  mkiol = 0;
  mkiol_time = 0;
  items = 0;
  pickups.fill(0);
  name = "ERROR_NO_INIT";
  skill_cache = 0.0;
  eff_cache = 0.0;
  ratio_cache = 0.0;
}

void player_t::set_name(std::string_view text) {
  if (text.empty()) text = "MORV_ERROR_EMPTY_NAME";
  else if (text.size() > MAX_NAME) fatal_error("player_t::set_name - overflow");
  if (text == name) return;
  name = text;
  html_name = diverse::funname_to_html(text);
  plain_name = diverse::funname_to_ascii(text);
}

void player_t::add_ping(int ping) {
  ping_count = diverse::wrap_add(ping_count, 1);
  ping_sum = diverse::wrap_add(ping_sum, ping);
}

int64_t player_t::exact_frags() const {
  return int64_t{kills[0]} - suicides[0] - deaths;
}

int64_t player_t::exact_total_deaths() const {
  return int64_t{killed[0]} + suicides[0] + deaths;
}

int player_t::frags() const { return diverse::saturate_int32(exact_frags()); }

int player_t::total_deaths() const {
  return diverse::saturate_int32(exact_total_deaths());
}

int player_t::score() const {
  return diverse::saturate_int32(exact_frags() - teamkills[0]);
}

// A value of 0 is not stored, and worked out again at the next call: a
// record whose values were all asked for once is then only read, so the
// pages can be written on two threads.
double player_t::skill() const {
  if (skill_cache != 0.0) return skill_cache;
  const double value = static_cast<double>(kills[0]) /
                       static_cast<double>(exact_total_deaths() + 1);
  if (value != 0.0) skill_cache = value;
  return value;
}

double player_t::eff() const {
  if (eff_cache != 0.0) return eff_cache;
  int64_t all = int64_t{kills[0]} + exact_total_deaths();
  const double value =
      all == 0 ? 0.0 : 100.0 * kills[0] / static_cast<double>(all);
  if (value != 0.0) eff_cache = value;
  return value;
}

double player_t::ratio() const {
  if (ratio_cache != 0.0) return ratio_cache;
  double value = -9999.0;
  if (playtime != 0) {
    value = static_cast<double>(exact_frags()) * 60.0 / playtime -
            static_cast<double>(exact_total_deaths()) * 60.0 / playtime;
  }
  if (value != 0.0) ratio_cache = value;
  return value;
}
