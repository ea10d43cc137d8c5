// The public chat of one game, as the modern site's game page shows it: a
// bounded list of the chat lines read while the game's record was in use.
#ifndef MORV_STATS_GAME_CHAT_H_
#define MORV_STATS_GAME_CHAT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Part of a game record, filled only in runs that write the modern site.
// A hostile log cannot make it large: it keeps at most MAX_LINES lines and
// MAX_BYTES bytes of names and messages, and only counts the lines after
// the first that does not fit, so the kept ones are the game's first.
class game_chat {
 public:
  static constexpr size_t MAX_LINES = 500;
  static constexpr size_t MAX_BYTES = size_t{64} << 10;

  // One kept line; its texts are views into the chat (valid until it
  // changes).
  struct line {
    int time;         // the line's time stamp, seconds
    bool spectator;   // shown as a spectator's, as the chat log shows it
    std::string_view name;     // raw, with colour codes
    std::string_view message;  // raw, as the log gives it after the name
    // The message without the colon that ended the name and the blanks
    // after it: what the player said.
    std::string_view said() const;
  };

  // Keeps a line, or counts it as cut when the chat is full.
  void add(int time, std::string_view name, std::string_view message,
           bool spectator);
  void clear();
  size_t size() const { return entries.size(); }
  line at(size_t i) const;
  // Lines read but not kept.
  int64_t cut() const { return cut_lines; }

 private:
  struct entry {
    int time;
    bool spectator;
    uint32_t name_size;
    uint32_t message_size;
    size_t start;  // of the name in texts; the message follows it
  };
  std::vector<entry> entries;
  std::string texts;
  int64_t cut_lines = 0;
};

#endif  // MORV_STATS_GAME_CHAT_H_
