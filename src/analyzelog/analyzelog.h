// The log reader: splits a server log into lines and tokens, dispatches
// event keywords to the game record, and ends a game at "ShutdownGame:".
#ifndef MORV_ANALYZELOG_ANALYZELOG_H_
#define MORV_ANALYZELOG_ANALYZELOG_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class chat_log;
class configdata;
class resultdata;

// One reader per log file, created after the game record and destroyed
// before it. Reads the stream in large blocks and hands out lines in pieces
// of at most 2046 characters, as a 2047-byte fgets would.
class analyzelog {
 public:
  static constexpr size_t MAX_PIECE = 2046;
  static constexpr size_t MAX_TOKEN = 255;

  // Stores the references; when the chat log option is on and chat is not
  // yet open, opens it (in the current folder).
  analyzelog(std::FILE* logfile, resultdata& result, configdata& config,
             chat_log& chatfile);
  virtual ~analyzelog() = default;
  analyzelog(const analyzelog&) = delete;
  analyzelog& operator=(const analyzelog&) = delete;

  // Reads lines until "ShutdownGame:" (returns 1) or the end of the log
  // (calls end_game with last_time, returns 0). Fatal on a read error.
  int parse();
  // Handles one line (without its piece framing); 1 for "ShutdownGame:".
  int parse_line(const char* line);
  // Bytes of the log consumed so far (the logical read position).
  int64_t position() const { return consumed; }

  // Tokenizer: scan is the position in the current line.
  void first_token(const char* line, std::string& token, char separator);
  void next_token(std::string& token, char separator);
  // "minutes:seconds" to seconds (64-bit, saturated); stored in last_time.
  int read_time(const char* text);

  // Run-wide: while set, Item, Kill and ClientUserinfoChanged lines are
  // skipped. Never reset between games or log files.
  static bool ignore_events;

  chat_log& chatfile;
  std::FILE* logfile;
  resultdata& result;
  configdata& config;
  const char* scan = nullptr;
  int last_time = 0;
  bool exit_seen = false;

 private:
  // Next piece into piece; false at the end of the log.
  bool read_piece();
  void handle_kill();
  void handle_item();
  void handle_userinfo();
  void handle_connect();
  void handle_disconnect();
  void handle_say();
  void handle_score();
  void handle_initgame();

  std::vector<char> block;  // read-ahead from the stream
  size_t block_begin = 0;
  size_t block_end = 0;
  std::string piece;        // the current piece, NUL-terminated by string
  int64_t consumed = 0;
};

#endif  // MORV_ANALYZELOG_ANALYZELOG_H_
