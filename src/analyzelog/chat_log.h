// The chat log page "chat.htm": one per run, fed by every log reader.
#ifndef MORV_ANALYZELOG_CHAT_LOG_H_
#define MORV_ANALYZELOG_CHAT_LOG_H_

#include <fcntl.h>

#include <string>
#include <string_view>
#include <utility>

#include "diverse/outputfile.h"

// Owned by the driver for the whole run. Opened (with its head, "Game 1")
// by the first log reader when the chat log option is on; later readers
// write to the same page as they read; the driver writes the heading of
// each game that follows a numbered one, and finishes the page once after
// the last log file. Every write does nothing while the page is not open.
class chat_log {
 public:
  // folder: the folder held open that the page goes into (AT_FDCWD for
  // the current folder), which must stay open while the page is; file: the
  // page's file there (a temporary name that the site publishes).
  explicit chat_log(int folder = AT_FDCWD, std::string file = "chat.htm")
      : folder(folder), file(std::move(file)) {}
  chat_log(const chat_log&) = delete;
  chat_log& operator=(const chat_log&) = delete;

  // Creates the page's file and writes the head; the output file's fatal
  // error ("Couldn't open chat.htm") when it cannot be created.
  void open();
  bool is_open() const { return chatfile.is_open(); }
  // One chat line: raw speaker name and message (starting with ':'), both
  // converted to coloured, escaped HTML. spectator_form brackets the line
  // as spectator chat.
  void write_line(std::string_view raw_name, std::string_view message,
                  bool spectator_form);
  // "<p><i><b>Game %i</b></i></p>\r\n" with number.
  void write_game_heading(int number);
  // Writes the end, closes the page, and prints
  // "\n\nWrote chat.htm [%i byte]" with its size. Nothing when not open.
  void finish();

  outputfile chatfile;

 private:
  int folder;
  std::string file;
};

#endif  // MORV_ANALYZELOG_CHAT_LOG_H_
