// The lines that mods write beside the base game's (OpenArena, Urban
// Terror, OSP, Excessive Plus, and the team scores at a match's end), and
// the reading report for the lines that no handler reads.
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

#include "analyzelog/analyzelog.h"
#include "diverse/numbers.h"
#include "diverse/text.h"
#include "stats/resultdata.h"

namespace {

// Urban Terror numbers the weapons of its Hit: lines in an order of its
// own (not that of the kill lines' means of death).
constexpr std::string_view urt_hit_weapons[] = {
    "",      "knife",      "beretta",       "deagle",        "spas",
    "mp5k",  "ump45",      "hk69",          "lr300",         "g36",
    "psg1",  "he_grenade", "flash_grenade", "smoke_grenade", "sr8",
    "ak103", "bomb",       "negev",         "frag_grenade",  "m4",
    "glock", "colt1911",   "mac11",         "frf1",          "benelli",
    "p90",   "magnum",     "tod50"};

// "#<number>", for what the log names only by number. (Appended rather
// than "#" + text, which GCC 12 warns about wrongly at -O3.)
std::string by_number(int64_t number) {
  std::string text = "#";
  text += std::to_string(number);
  return text;
}

std::string urt_hit_weapon(int number) {
  constexpr int named = static_cast<int>(std::size(urt_hit_weapons));
  if (number > 0 && number < named) return std::string(urt_hit_weapons[number]);
  return by_number(number);
}

// "21.650" seconds as 21650 milliseconds; -1 for a negative time.
int64_t milliseconds(std::string_view seconds) {
  const int64_t whole = diverse::string_to_int(seconds);
  if (whole < 0 || seconds.starts_with('-')) return -1;
  int64_t fraction = 0;
  const size_t point = seconds.find('.');
  int digits = 0;
  if (point != std::string_view::npos) {
    for (size_t i = point + 1; i < seconds.size() && digits < 3;
         ++i, ++digits) {
      if (!std::isdigit(static_cast<unsigned char>(seconds[i]))) break;
      fraction = fraction * 10 + (seconds[i] - '0');
    }
  }
  for (; digits < 3; ++digits) fraction *= 10;
  return whole * 1000 + fraction;
}

// The award of "<name> gained the EXCELLENT award!": the name may hold
// anything, so the last "gained the " counts.
std::string award_name(std::string_view text, std::string_view number) {
  const size_t at = text.rfind("gained the ");
  if (at == std::string_view::npos) {
    return by_number(diverse::string_to_int(number));
  }
  std::string_view name = text.substr(at + std::strlen("gained the "));
  if (name.ends_with(" award!")) name.remove_suffix(std::strlen(" award!"));
  return diverse::to_lower(name);
}

}  // namespace

int analyzelog::dispatch_mod(std::string_view word) {
  struct rule {
    std::string_view keyword;
    bool prefix;
    bool skipped_while_ignoring;
    void (analyzelog::*handler)(int figure);
    int figure;
  };
  static constexpr rule rules[] = {
      {"Hit:", false, true, &analyzelog::handle_hit, hits},
      {"Flag:", false, true, &analyzelog::handle_urt_flag, 0},
      {"CTF:", false, true, &analyzelog::handle_ctf, 0},
      {"1FCTF:", false, true, &analyzelog::handle_ctf, 0},
      {"1fCTF:", false, true, &analyzelog::handle_ctf, 0},
      {"PlayerScore:", false, true, &analyzelog::handle_server_score, 0},
      {"Score:", false, true, &analyzelog::handle_server_score, 0},
      {"Award:", false, true, &analyzelog::handle_award, 0},
      {"Assist:", false, true, &analyzelog::handle_client_figure, assists},
      {"FlagCaptureTime:", false, true, &analyzelog::handle_capture_time, 0},
      {"Flag_Pickup:", false, true, &analyzelog::handle_client_figure,
       flag_takes},
      {"Flag_Capture:", false, true, &analyzelog::handle_timed_capture, 0},
      {"Flag_Return:", false, true, &analyzelog::handle_client_figure,
       flag_returns},
      {"Kill_Carrier:", false, true, &analyzelog::handle_client_figure,
       flag_carrier_kills},
      // Reports of a round's or a match's end, written after "Exit:".
      {"SurvivorWinner:", false, false, &analyzelog::handle_round_winner, 0},
      {"Weapon_Stats:", false, false, &analyzelog::handle_weapon_stats, 0},
      {"TeamScore:", false, false, &analyzelog::handle_team_score, 0},
      {"red:", true, false, &analyzelog::handle_red_blue, 0},
  };
  if (!word.empty()) {
    for (const rule& row : rules) {
      if (word[0] != row.keyword[0]) continue;
      if (row.prefix ? !word.starts_with(row.keyword) : word != row.keyword) {
        continue;
      }
      if (row.skipped_while_ignoring && ignore_events) return 0;
      if (row.prefix) scan = word.data() + row.keyword.size();
      (this->*row.handler)(row.figure);
      return 0;
    }
  }
  report.count(word);
  return 0;
}

// "Assist: 4 3 1: text" (the first client assisted), "Flag_Pickup: 1".
void analyzelog::handle_client_figure(int figure) {
  result.count_figure(next_number(' '), static_cast<mod_figure>(figure));
}

// OpenArena "CTF: client team event: text"; the one-flag mode writes
// 1FCTF: and 1fCTF: alike.
void analyzelog::handle_ctf(int) {
  static constexpr mod_figure events[] = {flag_takes, flag_captures,
                                          flag_returns, flag_carrier_kills};
  const int client = next_number(' ');
  next_number(' ');  // the flag's team
  const int event = next_number(' ');
  if (event >= 0 && event < 4) result.count_figure(client, events[event]);
}

// Urban Terror "Flag: client action: flag".
void analyzelog::handle_urt_flag(int) {
  static constexpr mod_figure actions[] = {flag_drops, flag_returns,
                                           flag_captures};
  const int client = next_number(' ');
  const int action = next_number(' ');
  if (action >= 0 && action < 3) result.count_figure(client, actions[action]);
}

// Urban Terror "FlagCaptureTime: client: milliseconds".
void analyzelog::handle_capture_time(int) {
  const int client = next_number(' ');
  result.capture_time(client, next_number(' '));
}

// Excessive Plus "Flag_Capture: client seconds.fraction".
void analyzelog::handle_timed_capture(int) {
  const int client = next_number(' ');
  result.count_figure(client, flag_captures);
  result.capture_time(client, milliseconds(next_view(' ')));
}

// OpenArena "PlayerScore: client score: text", Excessive Plus
// "Score: client score".
void analyzelog::handle_server_score(int) {
  const int client = next_number(' ');
  result.set_server_score(client, next_number(' '));
}

// OpenArena "Award: client number: <name> gained the NAME award!".
void analyzelog::handle_award(int) {
  const int client = next_number(' ');
  const std::string_view number = next_view(' ');
  result.add_award(client, award_name(next_view('\n'), number));
}

// Urban Terror "Hit: victim attacker location weapon: text".
void analyzelog::handle_hit(int) {
  next_number(' ');
  const int attacker = next_number(' ');
  next_number(' ');
  const int weapon = next_number(' ');
  result.add_accuracy(attacker, urt_hit_weapon(weapon), 0, 1, false);
}

// Urban Terror "SurvivorWinner: Red", "Blue", "Draw", or a client number.
void analyzelog::handle_round_winner(int) {
  const std::string_view winner = next_view(' ');
  if (winner == "Red") {
    result.add_round_win(1);
  } else if (winner == "Blue") {
    result.add_round_win(2);
  } else if (winner == "Draw") {
    result.add_round_win(0);
  } else if (!winner.empty() &&
             std::isdigit(static_cast<unsigned char>(winner[0]))) {
    result.count_figure(diverse::string_to_int(winner), round_wins);
  }
}

// OSP "Weapon_Stats: client Name:shots:hits:kills:deaths ... Given:n ...":
// the totals after the weapons have one number each.
void analyzelog::handle_weapon_stats(int) {
  const int client = next_number(' ');
  for (std::string_view field = next_view(' '); !field.empty();
       field = next_view(' ')) {
    const size_t first = field.find(':');
    if (first == 0 || first == std::string_view::npos) continue;
    const size_t second = field.find(':', first + 1);
    if (second == std::string_view::npos) continue;
    result.add_accuracy(client, field.substr(0, first),
                        diverse::string_to_int(field.substr(first + 1)),
                        diverse::string_to_int(field.substr(second + 1)), true);
  }
}

// Excessive Plus "TeamScore: team score name".
void analyzelog::handle_team_score(int) {
  const int team = next_number(' ');
  result.set_team_score(team, next_number(' '));
}

// "red:8  blue:6", written at a team match's end.
void analyzelog::handle_red_blue(int) {
  result.set_team_score(1, next_number(' '));
  const std::string_view blue = next_view(' ');
  if (blue.starts_with("blue:")) {
    result.set_team_score(2, diverse::string_to_int(blue.substr(5)));
  }
}
