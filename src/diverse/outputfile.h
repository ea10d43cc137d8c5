// A small wrapper around a C stream through which every page, the chat log
// and the data files are written.
#ifndef MORV_DIVERSE_OUTPUTFILE_H_
#define MORV_DIVERSE_OUTPUTFILE_H_

#include <cstdio>
#include <string>
#include <string_view>

// One object per file being written; closed at construction, open between
// open/open_append and close. Write errors are checked in one place: a
// failed write, flush or close ends the run with "Couldn't write %s", so a
// page is never silently left incomplete.
class outputfile {
 public:
  outputfile() = default;
  ~outputfile();  // closes (and checks) an open stream
  outputfile(const outputfile&) = delete;
  outputfile& operator=(const outputfile&) = delete;

  // Opens for binary writing ("wb"); fatal "Couldn't open %s". Returns 0.
  int open(const char* name);
  // Opens for binary appending ("ab"); fatal "Couldn't open %s". Returns 0.
  int open_append(const char* name);
  // Closes the stream; fatal "Couldn't write %s" when data was lost.
  int close();
  // Formatted write with printf semantics. Returns 0.
  int print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Unformatted write of text as it stands.
  void write(std::string_view text);
  bool is_open() const { return open_flag; }
  const std::string& file_name() const { return name; }

 private:
  int open_mode(const char* name, const char* mode);
  void check_stream();

  std::FILE* stream = nullptr;
  bool open_flag = false;
  std::string name;
};

#endif  // MORV_DIVERSE_OUTPUTFILE_H_
