// Warm-ups of the log reader: the "Warmup:" line, the stretch held after
// it until it is known whether the warm-up was one, and rounds.
#include <cstring>
#include <string_view>

#include "analyzelog/analyzelog.h"
#include "diverse/numbers.h"
#include "stats/resultdata.h"

namespace {

// "Exit:" texts that end a match at its limit: "Fraglimit hit.",
// "Timelimit hit.", "Capturelimit hit.", "Roundlimit hit." and the like;
// not "Server empty, forcing rotation." nor a vote.
bool is_limit_exit(std::string_view reason) {
  return reason.ends_with("limit hit.");
}

}  // namespace

// Urban Terror writes "Warmup:" after every InitGame and starts play with
// "InitRound:": its warm-ups pause the game with the client table kept.
// Elsewhere the "Warmup:" closes the game, unless the held stretch after
// it turns out to be the match.
int analyzelog::handle_warmup() {
  const int time = line_time();
  if (result.plays_in_rounds()) {
    result.pause_round(time);
    return 0;
  }
  switch (on_warmup) {
    case warmup_action::hold:
      stretch.active = true;
      stretch.kill_between_players = false;
      stretch.lines.assign(current_line);
      stretch.lines += '\0';
      break;
    case warmup_action::close_game:
      result.end_game(time);
      ignore_events = true;
      break;
    case warmup_action::pass_over:
      break;
  }
  return 0;
}

// A round after an Exit (the map's last "InitRound:") plays nothing.
int analyzelog::handle_initround() {
  const int time = line_time();
  if (result.plays_in_rounds() && result.round_paused && !exit_seen) {
    result.open_round(time);
  }
  return 0;
}

int analyzelog::hold_or_decide(const char* line) {
  scan = line;
  std::string_view first = next_view(' ');
  std::string_view word =
      first.size() <= 8 ? next_view(' ')
                        : first.back() == ':' ? first.substr(7)
                                              : std::string_view();
  if (word == "Kill:") {
    const int killer = next_number(' ');
    const int victim = next_number(' ');
    if (killer != victim && killer >= 0 && victim >= 0 &&
        killer < resultdata::MAX_CLIENTS && victim < resultdata::MAX_CLIENTS) {
      stretch.kill_between_players = true;
    }
  } else if (word == "Exit:") {
    std::string_view reason = next_view('\n');
    decide_stretch(stretch.kill_between_players && is_limit_exit(reason));
    return handle_line(line);
  } else if (word == "InitGame:" || word == "ShutdownGame:" ||
             word == "InitRound:" ||
             stretch.lines.size() + std::strlen(line) > MAX_HELD) {
    decide_stretch(false);
    return handle_line(line);
  }
  stretch.lines.append(line);
  stretch.lines += '\0';
  return 0;
}

// The held lines cannot hold a "ShutdownGame:" (it decides the stretch),
// so none of them ends the game.
void analyzelog::decide_stretch(bool was_match) {
  stretch.active = false;
  std::string held;
  held.swap(stretch.lines);
  on_warmup = was_match ? warmup_action::pass_over : warmup_action::close_game;
  for (size_t at = 0; at < held.size(); at += std::strlen(&held[at]) + 1) {
    handle_line(&held[at]);
  }
  on_warmup = warmup_action::hold;
}
