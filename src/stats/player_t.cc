// The player record: reset, names and derived statistics.
#include "stats/player_t.h"

#include "diverse/funname.h"
#include "diverse/numbers.h"
#include "diverse/fatal_error.h"

player_t::player_t() { reset(); }

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
  mod = {};
  timeline.clear();
  name = "ERROR_NO_INIT";
  rating = game_rating{};
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

double player_t::skill() const {
  return static_cast<double>(kills[0]) /
         static_cast<double>(exact_total_deaths() + 1);
}

double player_t::eff() const {
  int64_t all = int64_t{kills[0]} + exact_total_deaths();
  return all == 0 ? 0.0 : 100.0 * kills[0] / static_cast<double>(all);
}

double player_t::ratio() const {
  if (playtime == 0) return -9999.0;
  return static_cast<double>(exact_frags()) * 60.0 / playtime -
         static_cast<double>(exact_total_deaths()) * 60.0 / playtime;
}
