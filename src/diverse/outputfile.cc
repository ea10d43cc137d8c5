// The output file wrapper: open, formatted writes, checked close.
#include "diverse/outputfile.h"

#include <cstdarg>
#ifdef __GLIBC__
#include <stdio_ext.h>
#endif

#include "diverse/fatal_error.h"
#include "diverse/text_format.h"

outputfile::~outputfile() {
  if (open_flag) close();
}

int outputfile::open_mode(const char* file, const char* mode) {
  if (open_flag) close();
  name = file;
  stream = std::fopen(file, mode);
  if (stream == nullptr) fatal_error("Couldn't open %s", file);
  // Pages are written in many small pieces: a larger buffer saves system
  // calls. It stays the stream's own, so whatever was written reaches the
  // file also when the run ends through fatal_error.
  std::setvbuf(stream, nullptr, _IOFBF, size_t{1} << 16);
#ifdef __GLIBC__
  // The program has one thread: the stream need not lock for every call.
  __fsetlocking(stream, FSETLOCKING_BYCALLER);
#endif
  open_flag = true;
  return 0;
}

int outputfile::open(const char* file) { return open_mode(file, "wb"); }

int outputfile::open_append(const char* file) { return open_mode(file, "ab"); }

int outputfile::close() {
  if (!open_flag) return 0;
  open_flag = false;
  bool failed = std::ferror(stream) != 0;
  failed = std::fflush(stream) != 0 || failed;
  failed = std::fclose(stream) != 0 || failed;
  stream = nullptr;
  if (failed) fatal_error("Couldn't write %s", name.c_str());
  return 0;
}

void outputfile::check_stream() {
  if (std::ferror(stream) != 0) {
    open_flag = false;
    std::fclose(stream);
    stream = nullptr;
    fatal_error("Couldn't write %s", name.c_str());
  }
}

int outputfile::print(const char* format, ...) {
  if (!open_flag) return 0;
  static std::string text;
  text.clear();
  va_list args;
  va_start(args, format);
  append_vformat(text, format, args);
  va_end(args);
  std::fwrite(text.data(), 1, text.size(), stream);
  check_stream();
  return 0;
}

void outputfile::write(std::string_view text) {
  if (!open_flag) return;
  std::fwrite(text.data(), 1, text.size(), stream);
  check_stream();
}
