// A small buffered file writer through which every page, the chat log and
// the data files are written.
#ifndef MORV_DIVERSE_OUTPUTFILE_H_
#define MORV_DIVERSE_OUTPUTFILE_H_

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// One object per file being written; closed at construction, open between
// open/open_append and close. Text collects in the object's own 64 KiB
// buffer and goes to the file in writes of that size. Write errors are
// checked in one place: a failed write or close ends the run with
// "Couldn't write %s", so a page is never silently left incomplete. When
// the run ends through fatal_error while files are open, what they hold is
// still written out, as a C stream's would be.
class outputfile {
 public:
  outputfile() = default;
  ~outputfile();  // closes (and checks) an open file
  outputfile(const outputfile&) = delete;
  outputfile& operator=(const outputfile&) = delete;

  // Opens for writing, emptying the file; fatal "Couldn't open %s".
  // Returns 0.
  int open(const char* name);
  // Opens for appending; fatal "Couldn't open %s". Returns 0.
  int open_append(const char* name);
  // Opens without a file: the text collects in memory until append_to_file
  // or copy_to. Nothing here can fail or touch the file system, so a piece
  // can be put together on another thread and written where and when the
  // run's order asks.
  void open_in_memory(const char* name);
  // What writing a page by another thread came to.
  enum class save_result { saved, not_opened, not_written };
  // Opens name, emptied, in the folder open as folder_descriptor, for a
  // page that any thread may write: nothing here uses the current folder
  // or ends the run, and the file is not among those fatal_error writes
  // out. A failure is kept (the rest of the text is then dropped), and
  // close_detached tells it, for the run's own thread to report in the
  // run's order with report_saving.
  void open_detached(int folder_descriptor, const char* name);
  save_result close_detached();
  // Ends the run with "Couldn't open %s" or "Couldn't write %s" and
  // file_name when result is a failure.
  static void report_saving(save_result result, const std::string& file_name);
  // Appends what an in-memory page holds to file_name in the current
  // folder and closes it, as open_append, write and close would (with
  // their fatal errors).
  void append_to_file(const char* file_name);
  // Writes an in-memory page's text into other, and closes the page.
  void copy_to(outputfile& other);
  // Writes out the buffer and closes; fatal "Couldn't write %s" when data
  // was lost. An in-memory page is dropped.
  int close();
  // Formatted write with printf semantics. Returns 0.
  int print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Unformatted write of text as it stands; ignored when not open.
  void write(std::string_view text) {
    if (text.size() < static_cast<size_t>(limit - next)) {
      std::memcpy(next, text.data(), text.size());
      next += text.size();
    } else {
      write_through(text);
    }
  }
  // Writes value as %lld (and %i, %u for the values they take) would.
  void write_int(long long value);
  bool is_open() const { return open_flag; }
  // Writes out what every open file (not in memory) holds; fatal_error
  // calls it before it ends the run.
  static void flush_open_files();
  const std::string& file_name() const { return name; }

 private:
  int open_flags(const char* name, int flags);
  // Gives the open file its empty buffer.
  void start_buffer();
  // Writes out the buffer and closes the descriptor; false when data was
  // lost.
  bool end_descriptor();
  void write_through(std::string_view text);
  void move_to_memory();
  // Writes out the buffer; false when the file refused data.
  bool flush_buffer();
  // Closes after a refused write: ends the run, or keeps the failure of a
  // detached file.
  void fail();
  void link_open();
  void unlink_open();

  int descriptor = -1;
  bool in_memory = false;
  bool detached = false;
  save_result detached_result = save_result::saved;
  std::string memory;  // an in-memory page's text before the buffer
  bool open_flag = false;
  std::string name;
  std::unique_ptr<char[]> buffer;
  char* next = nullptr;   // end of the buffered text
  char* limit = nullptr;  // end of the buffer; equal to next when closed
  outputfile* previous_open = nullptr;
  outputfile* next_open = nullptr;
};

#endif  // MORV_DIVERSE_OUTPUTFILE_H_
