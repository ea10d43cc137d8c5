// The log reader: block reading, pieces, tokens, time stamps, line framing.
#include "analyzelog/analyzelog.h"

#include <algorithm>
#include <cstring>

#include "analyzelog/chat_log.h"
#include "config/configdata.h"
#include "diverse/numbers.h"
#include "diverse/fatal_error.h"
#include "stats/resultdata.h"

analyzelog::analyzelog(std::FILE* logfile, resultdata& result,
                       configdata& config, chat_log& chatfile,
                       bool& ignore_events)
    : ignore_events(ignore_events),
      chatfile(chatfile),
      logfile(logfile),
      result(result),
      config(config),
      block(BLOCK_SIZE + 1) {
  piece.reserve(MAX_PIECE + 1);
  if (config.write_chatlog && !chatfile.is_open()) chatfile.open();
}

int analyzelog::parse() {
  for (;;) {
    int handled = parse_in_place();
    if (handled < 0) {
      if (!read_piece()) break;
      handled = parse_line(piece.c_str());
    }
    if (handled == 1) return 1;
  }
  if (stretch.active) decide_stretch(false);
  result.end_game(last_time);
  return 0;
}

// Most lines lie whole in the block: they are handled where they are,
// with a NUL put after the line feed for the time of parse_line (the block
// has a spare byte for it), instead of being copied to piece first. A
// piece without a line feed in the block goes the way of read_piece.
// Returns -1 when the line was not handled here.
int analyzelog::parse_in_place() {
  char* start = block.data() + block_begin;
  size_t available = std::min(block_end - block_begin, MAX_PIECE);
  const void* line_feed = std::memchr(start, '\n', available);
  if (line_feed == nullptr) return -1;
  size_t taken =
      static_cast<size_t>(static_cast<const char*>(line_feed) - start) + 1;
  block_begin += taken;
  consumed += static_cast<int64_t>(taken);
  char kept = start[taken];
  start[taken] = '\0';
  int handled = parse_line(start);
  start[taken] = kept;
  return handled;
}

bool analyzelog::fill_block() {
  block_begin = 0;
  block_end = std::fread(block.data(), 1, BLOCK_SIZE, logfile);
  if (block_end > 0) return true;
  if (std::feof(logfile)) return false;
  if (std::ferror(logfile)) fatal_error("analyzelog::parse - logfile read error");
  fatal_error("analyzelog::parse - unknown error");
}

// A piece ends after a line feed, after 2046 characters, or at the end of
// the log, exactly as fgets with a 2047-byte buffer would cut it.
bool analyzelog::read_piece() {
  piece.clear();
  while (piece.size() < MAX_PIECE) {
    if (block_begin == block_end && !fill_block()) break;
    const char* start = block.data() + block_begin;
    size_t available = std::min(block_end - block_begin, MAX_PIECE - piece.size());
    const void* line_feed = std::memchr(start, '\n', available);
    size_t taken = line_feed == nullptr
                       ? available
                       : static_cast<size_t>(static_cast<const char*>(line_feed) -
                                             start) + 1;
    piece.append(start, taken);
    block_begin += taken;
    consumed += static_cast<int64_t>(taken);
    if (line_feed != nullptr) break;
  }
  return !piece.empty();
}

void analyzelog::first_token(const char* line, std::string& token,
                             char separator) {
  scan = line;
  next_token(token, separator);
}

void analyzelog::next_token(std::string& token, char separator) {
  token.assign(next_view(separator));
}

std::string_view analyzelog::next_view(char separator) {
  if (scan == nullptr) return {};
  const char* p = scan;
  while (*p != '\0' && (*p == separator || *p == ' ')) ++p;
  const char* start = p;
  while (*p != '\0' && *p != separator && *p != '\r' && *p != '\n') ++p;
  scan = p;
  return {start, std::min(static_cast<size_t>(p - start), MAX_TOKEN)};
}

int analyzelog::read_time(const char* text) {
  return read_time(std::string_view(text));
}

int analyzelog::read_time(std::string_view text) {
  last_time = time_in_seconds(text);
  return last_time;
}

int analyzelog::time_in_seconds(std::string_view text) {
  const int64_t leading = diverse::string_to_int(text);
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    const bool in_seconds = text.find('.') != std::string_view::npos;
    return diverse::saturate_int32(in_seconds ? leading : leading * 60);
  }
  const int64_t seconds = diverse::string_to_int(text.substr(colon + 1));
  return diverse::saturate_int32(leading * 60 + seconds);
}

int analyzelog::parse_line(const char* line) {
  return stretch.active ? hold_or_decide(line) : handle_line(line);
}

// The time stamp is the first token when it has at most 8 characters;
// a longer first token that ends in ':' is a time stamp of 7 characters
// run together with the keyword.
int analyzelog::handle_line(const char* line) {
  current_line = line;
  scan = line;
  std::string_view first = next_view(' ');
  std::string_view word;
  if (first.size() <= 8) {
    time_token.assign(first);
    word = next_view(' ');
  } else if (first.back() == ':') {
    time_token.assign(first.substr(0, 7));
    word = first.substr(7);
  } else {
    report.count(line_report::NO_TIME_STAMP);
    return 0;
  }
  return dispatch(word);
}

int analyzelog::next_number(char separator) {
  return diverse::string_to_int(next_view(separator));
}
