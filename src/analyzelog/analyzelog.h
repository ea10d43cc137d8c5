// The log reader: splits a server log into lines and tokens, dispatches
// event keywords to the game record, and ends a game at "ShutdownGame:".
#ifndef MORV_ANALYZELOG_ANALYZELOG_H_
#define MORV_ANALYZELOG_ANALYZELOG_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "stats/line_report.h"

class chat_log;
class configdata;
class resultdata;

// One reader per log file, created after the game record and destroyed
// before it. Reads the stream in large blocks and hands out lines in pieces
// of at most 2046 characters, as a 2047-byte fgets would; every piece is
// handled as a line of its own, and a NUL byte ends a line's text. Memory
// does not grow with the log.
class analyzelog {
 public:
  static constexpr size_t MAX_PIECE = 2046;
  static constexpr size_t MAX_TOKEN = 255;
  static constexpr size_t MAX_FIELD = 63;  // names, settings, item names
  static constexpr size_t BLOCK_SIZE = size_t{1} << 20;

  // Stores the references (the stream stays owned by the caller); when the
  // chat log option is on and chat is not yet open, opens it in its
  // folder (the page head with "Game 1"). ignore_events is the
  // run's flag, owned by the driver: while set, Item, Kill and
  // ClientUserinfoChanged lines are skipped. It is never reset between
  // games, readers or log files.
  analyzelog(std::FILE* logfile, resultdata& result, configdata& config,
             chat_log& chatfile, bool& ignore_events);
  analyzelog(const analyzelog&) = delete;
  analyzelog& operator=(const analyzelog&) = delete;

  // Reads lines until "ShutdownGame:" (returns 1: the record holds a
  // finished game) or the end of the log (calls end_game with last_time,
  // returns 0: the record is not to be used). A read error ends the run
  // with "analyzelog::parse - logfile read error".
  int parse();
  // Handles one line, up to its first NUL; 1 for "ShutdownGame:". Lines
  // after a "Warmup:" that may not have been one are held (see
  // held_stretch) and handled when the stretch is decided.
  int parse_line(const char* line);
  // Bytes of the log consumed so far (the logical read position).
  int64_t position() const { return consumed; }
  // The lines of the log so far that no handler read, by type.
  const line_report& reading_report() const { return report; }

  // Tokenizer. first_token starts at line; next_token goes on from scan.
  // Separators and blanks before a token are skipped; the token ends at
  // the separator, CR, LF or the end of the line. A token longer than 255
  // characters is cut to 255; scan still ends after the whole token. The
  // line must outlive the scan.
  void first_token(const char* line, std::string& token, char separator);
  void next_token(std::string& token, char separator);
  // A time stamp to seconds: "minutes:seconds" (also "M:SS.s") as the
  // leading number and the leading number after the first ':'; a stamp
  // without ':' but with a '.' is seconds ("923.0"); a bare number is
  // minutes. Each stamp is read by its own form, so a log that changes
  // form reads right line by line. 64-bit, saturated to 32 bits. Stores
  // the result in last_time and returns it.
  int read_time(const char* text);
  int read_time(std::string_view text);
  // read_time's value, without storing it.
  static int time_in_seconds(std::string_view text);

  bool& ignore_events;
  chat_log& chatfile;
  std::FILE* logfile;
  resultdata& result;
  configdata& config;
  const char* scan = nullptr;
  int last_time = 0;
  bool exit_seen = false;

 private:
  // One row of the keyword dispatch (event_handlers.cc).
  struct event_rule {
    const char* keyword;
    bool prefix;               // the keyword only has to begin the token
    bool skipped_while_ignoring;
    int (analyzelog::*handler)();
  };
  static const event_rule dispatch_table[];

  // The lines after a "Warmup:" that closed a game, held until it is
  // known whether the warm-up was one. Some servers write "Warmup:" at
  // every InitGame and play the match on without a restart: when the
  // stretch reaches "Exit:" for a limit with a kill between two players
  // before a new InitGame or ShutdownGame, it was the match, and its
  // lines count as if the "Warmup:" had not been there. Otherwise the
  // "Warmup:" and the held lines are handled as they came. The stream
  // cannot be read twice (standard input, gzip), hence the copy; a
  // stretch of more than MAX_HELD bytes is decided as a warm-up.
  struct held_stretch {
    bool active = false;
    bool kill_between_players = false;
    std::string lines;  // each line's text followed by a NUL
  };
  static constexpr size_t MAX_HELD = size_t{64} << 20;
  // What handle_warmup does with a "Warmup:" line.
  enum class warmup_action { hold, close_game, pass_over };

  // The next piece into piece; false at the end of the log.
  bool read_piece();
  // Handles the next line where it lies in the block; -1 when it does not
  // lie there whole (read_piece takes it).
  int parse_in_place();
  // The next token as a view into the line (next_token without a copy).
  std::string_view next_view(char separator);
  // Refills block; false at the end of the log, fatal on a read error.
  bool fill_block();
  // Splits off the time stamp and the keyword, and dispatches.
  int handle_line(const char* line);
  // Holds a line of the stretch, or decides the stretch at a line that
  // ends it and handles that line.
  int hold_or_decide(const char* line);
  // Handles the held "Warmup:" line (unless the stretch was the match)
  // and the held lines, and ends the stretch.
  void decide_stretch(bool was_match);
  int dispatch(std::string_view keyword);
  int next_number(char separator);
  int line_time() { return read_time(std::string_view(time_token)); }

  // Event handlers (event_handlers.cc); 1 only for "ShutdownGame:".
  int handle_item();
  int handle_kill();
  int handle_nothing();
  int handle_userinfo();
  int handle_connect();
  int handle_disconnect();
  int handle_say();
  int handle_score();
  int handle_initgame();
  void store_setting(std::string_view key, std::string_view value);
  int handle_servertime();
  int handle_warmup();
  int handle_initround();
  int handle_game_start();
  int handle_game_end();
  int handle_exit();
  int handle_shutdown();

  // The mods' lines (mod_events.cc): a keyword that no row of the
  // dispatch table takes goes to these handlers, or else to the report.
  int dispatch_mod(std::string_view keyword);
  void handle_client_figure(int figure);
  void handle_ctf(int);
  void handle_urt_flag(int);
  void handle_capture_time(int);
  void handle_timed_capture(int);
  void handle_server_score(int);
  void handle_award(int);
  void handle_hit(int);
  void handle_round_winner(int);
  void handle_weapon_stats(int);
  void handle_team_score(int);
  void handle_red_blue(int);
  line_report report;

  std::vector<char> block;  // read-ahead from the stream, one spare byte
  size_t block_begin = 0;
  size_t block_end = 0;
  std::string piece;        // the current piece (may hold NUL bytes)
  std::string time_token;   // time stamp of the line being handled
  const char* current_line = nullptr;  // the line being handled
  held_stretch stretch;
  warmup_action on_warmup = warmup_action::hold;
  int64_t consumed = 0;
};

#endif  // MORV_ANALYZELOG_ANALYZELOG_H_
