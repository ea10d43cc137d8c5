// A small buffered file writer through which every page, the chat log and
// the data files are written.
#ifndef MORV_DIVERSE_OUTPUTFILE_H_
#define MORV_DIVERSE_OUTPUTFILE_H_

#include <cstddef>
#include <cstdint>
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

  // How a failure to open or write the file is met: the run ends at once
  // ("Couldn't open %s" / "Couldn't write %s" with the shown name), or the
  // failure is kept for result(), so that a file written by another thread
  // is reported by the run's own thread in the run's order. A file whose
  // failures are kept uses no current folder, ends nothing, and is not
  // among the files fatal_error writes out; after a failure its text is
  // dropped.
  enum class failures { fatal, kept };
  enum class save_result { saved, not_opened, not_written };
  // How open_at treats what is at the name: create makes a new file (none
  // may be there, and a link there is not followed), as every file of a
  // run is first made under a name of its own; empty empties or makes the
  // file; append appends to it or makes it; write_through writes into what
  // is there as it is (a device, a pipe), making nothing.
  enum class open_mode { create, empty, append, write_through };
  // Opens name in the folder held open as folder (AT_FDCWD for the current
  // folder). Every file of the run is opened here. shown_name is the file
  // as messages name it.
  void open_at(int folder, const char* name, const std::string& shown_name,
               open_mode mode = open_mode::create,
               failures on_failure = failures::fatal);
  // open_at in the current folder, emptied / for appending. Return 0.
  int open(const char* name);
  int open_append(const char* name);
  // Opens without a file: the text collects in memory until append_to or
  // copy_to. Nothing here can fail or touch the file system, so a piece
  // can be put together on another thread and written where and when the
  // run's order asks.
  void open_in_memory(const char* name);
  // What came of a file opened with failures kept, once closed (saved for
  // any other file).
  save_result result() const { return kept_result; }
  // Ends the run with "Couldn't open %s" or "Couldn't write %s" and
  // file_name when result is a failure.
  static void report_saving(save_result result, const std::string& file_name);
  // Appends what an in-memory page holds to name in folder (see open_at)
  // and closes it, with the fatal errors of open_at, write and close.
  void append_to(int folder, const char* name, const std::string& shown_name);
  // Writes an in-memory page's text into other, and closes the page.
  void copy_to(outputfile& other);
  // Writes out the buffer and closes; "Couldn't write %s" when data was
  // lost (fatal, or kept for result()). An in-memory page is dropped.
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
  // Bytes that went to the file since it was opened.
  uint64_t bytes_written() const { return written_total; }
  // Writes out what every open file (not in memory) holds; fatal_error
  // calls it before it ends the run.
  static void flush_open_files();
  // From here on open_at makes no file: a thread that would make one waits
  // for the process to end, so that what an ending run removes stays
  // removed.
  static void stop_making_files();
  const std::string& file_name() const { return name; }

 private:
  // Gives the open file its empty buffer.
  void start_buffer();
  // Writes out the buffer and closes the descriptor; false when data was
  // lost.
  bool end_descriptor();
  void write_through(std::string_view text);
  void move_to_memory();
  // Writes out the buffer; false when the file refused data.
  bool flush_buffer();
  // Closes after a refused write: ends the run, or keeps the failure.
  void fail();
  void link_open();
  void unlink_open();

  int descriptor = -1;
  uint64_t written_total = 0;
  bool in_memory = false;
  failures on_failure = failures::fatal;
  save_result kept_result = save_result::saved;
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
