// The keyword dispatch of the log reader and the handler of every event.
#include <cstring>
#include <string>
#include <string_view>

#include "analyzelog/analyzelog.h"
#include "analyzelog/chat_log.h"
#include "config/configdata.h"
#include "diverse/numbers.h"
#include "diverse/text.h"
#include "stats/resultdata.h"

namespace {

// Settings values live in 63-character fields; -1 stands for "not given".
int setting_number(std::string_view text) {
  if (text.empty()) return -1;
  return diverse::string_to_int(text.substr(0, analyzelog::MAX_FIELD));
}

std::string_view field(std::string_view text) {
  return text.substr(0, analyzelog::MAX_FIELD);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A wall-clock time as ServerTime: gives it ("20200319205438", more text
// may follow) or g_timestamp ("2020-03-19 20:54:38"), in ISO 8601
// ("2020-03-19T20:54:38"); "" for any other text or a field out of range.
std::string wall_clock(std::string_view text) {
  static constexpr std::string_view dashed = "0000-00-00 00:00:00";
  std::string digits;
  if (text.size() > 4 && text[4] == '-') {
    if (text.size() != dashed.size()) return "";
    for (size_t i = 0; i < text.size(); ++i) {
      if (dashed[i] != '0' ? text[i] != dashed[i] : !is_digit(text[i])) {
        return "";
      }
      if (dashed[i] == '0') digits += text[i];
    }
  } else {
    digits.assign(text.substr(0, 14));
    if (digits.size() < 14 || (text.size() > 14 && is_digit(text[14]))) {
      return "";
    }
    for (char c : digits) {
      if (!is_digit(c)) return "";
    }
  }
  auto number = [&](size_t at) {
    return (digits[at] - '0') * 10 + (digits[at + 1] - '0');
  };
  if (number(4) < 1 || number(4) > 12 || number(6) < 1 || number(6) > 31 ||
      number(8) > 23 || number(10) > 59 || number(12) > 60) {
    return "";
  }
  return digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" +
         digits.substr(6, 2) + "T" + digits.substr(8, 2) + ":" +
         digits.substr(10, 2) + ":" + digits.substr(12, 2);
}

// The last word of a kill line ("... killed B by MOD_ROCKET"): the
// game's own name for the means of death; "" when the line has none.
std::string_view means_of_death(const char* rest) {
  if (rest == nullptr) return {};
  std::string_view text(rest, std::strcspn(rest, "\r\n"));
  const size_t by = text.rfind(" by ");
  if (by == std::string_view::npos) return {};
  std::string_view word = text.substr(by + 4);
  while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
  if (word.empty() || word.find(' ') != std::string_view::npos) return {};
  return word;
}

}  // namespace

// Compared in this order; the first match decides.
const analyzelog::event_rule analyzelog::dispatch_table[] = {
    {"Item:", false, true, &analyzelog::handle_item},
    {"Kill:", false, true, &analyzelog::handle_kill},
    {"----", true, false, &analyzelog::handle_nothing},
    {"ClientUserinfoChanged:", false, true, &analyzelog::handle_userinfo},
    {"ClientBegin:", false, false, &analyzelog::handle_nothing},
    {"ClientConnect:", false, false, &analyzelog::handle_connect},
    {"ClientDisconnect:", false, false, &analyzelog::handle_disconnect},
    {"say:", false, false, &analyzelog::handle_say},
    {"sayteam:", false, false, &analyzelog::handle_nothing},
    {"score:", false, false, &analyzelog::handle_score},
    {"InitGame:", false, false, &analyzelog::handle_initgame},
    {"Warmup:", false, false, &analyzelog::handle_warmup},
    {"InitRound:", false, false, &analyzelog::handle_initround},
    {"Game_Start:", false, false, &analyzelog::handle_game_start},
    {"Game_End:", false, false, &analyzelog::handle_game_end},
    {"Exit:", false, false, &analyzelog::handle_exit},
    {"ShutdownGame:", false, false, &analyzelog::handle_shutdown},
    {"ServerTime:", true, false, &analyzelog::handle_servertime},
};

int analyzelog::dispatch(std::string_view word) {
  if (word.empty()) return dispatch_mod(word);
  for (const event_rule& rule : dispatch_table) {
    // Every line comes here: the first characters settle most rows
    // before a full comparison.
    if (word[0] != rule.keyword[0]) continue;
    bool match = rule.prefix ? word.starts_with(rule.keyword)
                             : word == rule.keyword;
    if (!match) continue;
    if (rule.skipped_while_ignoring && ignore_events) return 0;
    // Text may follow a prefix keyword without a blank ("ServerTime:\t"):
    // its handler reads on from the keyword's end.
    if (rule.prefix) scan = word.data() + std::strlen(rule.keyword);
    return (this->*rule.handler)();
  }
  return dispatch_mod(word);
}

int analyzelog::handle_nothing() { return 0; }

int analyzelog::handle_item() {
  int client = next_number(' ');
  std::string_view item = field(next_view('\n'));
  char text[MAX_FIELD + 1];
  item.copy(text, item.size());
  text[item.size()] = '\0';
  result.add_item(client, text, line_time());
  return 0;
}

int analyzelog::handle_kill() {
  int killer = next_number(' ');
  int victim = next_number(' ');
  int weapon = next_number(' ');
  const std::string_view means = means_of_death(scan);
  // A player who changes team dies by this "weapon" in some mods: the
  // move is no suicide.
  if (means == "MOD_CHANGE_TEAM" || means == "MOD_SWITCHTEAM") return 0;
  if (!means.empty()) result.note_weapon_text(weapon, means);
  result.add_kill(killer, victim, weapon, line_time());
  return 0;
}

int analyzelog::handle_userinfo() {
  int client = next_number(' ');
  std::string_view name, team, skill;
  // An empty field is skipped by the tokenizer, so the pairs after it
  // shift; the scan ends at the first empty key.
  for (;;) {
    std::string_view key = next_view('\\');
    if (key.empty()) break;
    std::string_view value = next_view('\\');
    if (key == "n") name = field(value);
    if (key == "t") team = value;
    if (key == "skill") skill = value;
  }
  int time = line_time();
  if (result.client_userinfo(client, name, setting_number(skill),
                             setting_number(team), time) == 1) {
    ignore_events = true;
  }
  return 0;
}

int analyzelog::handle_connect() {
  int client = next_number(' ');
  result.client_connect(client, line_time());
  return 0;
}

int analyzelog::handle_disconnect() {
  int client = next_number(' ');
  if (result.client_disconnect(client, line_time()) == 1) ignore_events = true;
  return 0;
}

// The message keeps the colon that ended the name. The line's time is
// read aside: last_time stays the time of the last line that counts.
int analyzelog::handle_say() {
  std::string_view name = next_view(':');
  std::string_view message = next_view('\n');
  const bool to_chat_log = config.write_chatlog && chatfile.is_open();
  if (!to_chat_log && !result.keep_chat) return 0;
  int found = result.find_player(name);
  bool spectator =
      found >= 0 && result.get_player(found).team == resultdata::SPECTATOR;
  const bool spectator_form = result.gametype == 1 && spectator;
  if (to_chat_log) chatfile.write_line(name, message, spectator_form);
  if (result.keep_chat) {
    result.chat.add(time_in_seconds(time_token), name, message,
                    spectator_form);
  }
  return 0;
}

int analyzelog::handle_score() {
  next_number(' ');  // the score itself is not used
  next_number(' ');
  int ping = next_number(' ');
  next_number(' ');
  int client = next_number(' ');
  result.add_ping(client, ping);
  return 0;
}

int analyzelog::handle_initgame() {
  ignore_events = result.gametype == 1 && exit_seen;
  exit_seen = false;
  result.init_time = line_time();
  result.start_game(result.init_time);
  result.hostname.clear();
  result.started.clear();
  std::string_view value;
  do {
    std::string_view key = next_view('\\');
    value = next_view('\\');
    store_setting(field(key), field(value));
  } while (!value.empty());
  result.weapon_set = &config.weapon_names_for(result.gamename);
  return 0;
}

void analyzelog::store_setting(std::string_view key, std::string_view value) {
  if (key == "mapname") {
    result.mapname = diverse::to_lower(value);
  } else if (key == "gamename") {
    result.gamename.assign(value);
  } else if (key == "fraglimit") {
    result.fraglimit = diverse::string_to_int(value);
  } else if (key == "timelimit") {
    result.timelimit = diverse::string_to_int(value);
  } else if (key == "g_gametype") {
    result.set_gametype(diverse::string_to_int(value));
  } else if (key == "sv_hostname") {
    result.hostname.assign(value);
  } else if (key == "g_timestamp") {
    result.started = wall_clock(value);
  }
}

// The first wall-clock time after InitGame tells when the game started.
int analyzelog::handle_servertime() {
  if (result.started.empty()) result.started = wall_clock(next_view('\t'));
  return 0;
}

int analyzelog::handle_game_start() {
  ignore_events = false;
  return 0;
}

int analyzelog::handle_game_end() {
  ignore_events = true;
  return 0;
}

int analyzelog::handle_exit() {
  ignore_events = true;
  exit_seen = true;
  return 0;
}

int analyzelog::handle_shutdown() {
  const int time = line_time();
  result.end_game(time);
  if (result.init_time >= 0 && time >= result.init_time) {
    result.duration = time - result.init_time;
  }
  return 1;
}
