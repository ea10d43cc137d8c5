// The output file writer: open, buffered writes, checked close.
#include "diverse/outputfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>

#include "diverse/fatal_error.h"
#include "diverse/text_format.h"

namespace {

// Pages are written in many small pieces; 64 KiB writes cost a fraction of
// the system calls of 4 KiB ones, and larger ones gain nothing more.
constexpr size_t BUFFER_SIZE = size_t{1} << 16;

outputfile* first_open = nullptr;
std::atomic<bool> making_stopped{false};

bool write_all(int descriptor, const char* data, size_t size) {
  while (size > 0) {
    ssize_t written = ::write(descriptor, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

int open_flags(outputfile::open_mode mode) {
  switch (mode) {
    case outputfile::open_mode::create:
      return O_CREAT | O_EXCL | O_NOFOLLOW;
    case outputfile::open_mode::empty: return O_CREAT | O_TRUNC;
    case outputfile::open_mode::append: return O_CREAT | O_APPEND;
    case outputfile::open_mode::write_through: return O_TRUNC;
  }
  return 0;
}

}  // namespace

outputfile::~outputfile() {
  if (open_flag) close();
}

void outputfile::open_at(int folder, const char* file,
                         const std::string& shown_name, open_mode mode,
                         failures failure_mode) {
  if (open_flag) close();
  while (making_stopped.load()) ::pause();
  name = shown_name;
  written_total = 0;
  on_failure = failure_mode;
  kept_result = save_result::saved;
  descriptor = ::openat(folder, file, open_flags(mode) | O_WRONLY | O_CLOEXEC,
                        0666);
  if (descriptor < 0) {
    if (failure_mode == failures::kept) {
      kept_result = save_result::not_opened;
      return;  // not open: the text is dropped
    }
    fatal_error("Couldn't open %s", name.c_str());
  }
  start_buffer();
  if (failure_mode == failures::fatal) link_open();
}

int outputfile::open(const char* file) {
  open_at(AT_FDCWD, file, file, open_mode::empty);
  return 0;
}

int outputfile::open_append(const char* file) {
  open_at(AT_FDCWD, file, file, open_mode::append);
  return 0;
}

int outputfile::close() {
  if (in_memory) {
    // Only append_to and copy_to write an in-memory page anywhere.
    in_memory = false;
    open_flag = false;
    next = limit = nullptr;
    memory.clear();
    return 0;
  }
  if (!open_flag) return 0;
  const bool written = end_descriptor();
  if (on_failure == failures::kept) {
    if (!written) kept_result = save_result::not_written;
    return 0;
  }
  unlink_open();
  if (!written) fatal_error("Couldn't write %s", name.c_str());
  return 0;
}

void outputfile::start_buffer() {
  if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(BUFFER_SIZE);
  next = buffer.get();
  limit = next + BUFFER_SIZE;
  open_flag = true;
}

bool outputfile::end_descriptor() {
  bool written = flush_buffer();
  written = ::close(descriptor) == 0 && written;
  descriptor = -1;
  open_flag = false;
  next = limit = nullptr;
  return written;
}

int outputfile::print(const char* format, ...) {
  if (!open_flag) return 0;
  // Pages may be put together on two threads at once.
  thread_local std::string text;
  text.clear();
  va_list args;
  va_start(args, format);
  append_vformat(text, format, args);
  va_end(args);
  write(text);
  return 0;
}

void outputfile::open_in_memory(const char* file) {
  if (open_flag) close();
  name = file;
  in_memory = true;
  memory.clear();
  start_buffer();
}

void outputfile::append_to(int folder, const char* file,
                          const std::string& shown_name) {
  if (!in_memory || !open_flag) return;
  move_to_memory();
  outputfile target;
  target.open_at(folder, file, shown_name, open_mode::append);
  target.write_through(memory);
  target.close();
  close();
}

void outputfile::report_saving(save_result result,
                               const std::string& file_name) {
  // The failure's reason stayed with the thread that met it.
  if (result != save_result::saved) errno = 0;
  if (result == save_result::not_opened) {
    fatal_error("Couldn't open %s", file_name.c_str());
  }
  if (result == save_result::not_written) {
    fatal_error("Couldn't write %s", file_name.c_str());
  }
}

void outputfile::copy_to(outputfile& other) {
  if (!in_memory || !open_flag) return;
  move_to_memory();
  other.write(memory);
  close();
}

// The page's text so far is all in memory, the buffer empty. The memory
// keeps its size from page to page, so that a run of pages allocates once.
void outputfile::move_to_memory() {
  memory.append(buffer.get(), static_cast<size_t>(next - buffer.get()));
  next = buffer.get();
}

void outputfile::write_int(long long value) {
  char digits[INT_TEXT_ROOM];
  write(std::string_view(
      digits, static_cast<size_t>(format_int(digits, value) - digits)));
}

void outputfile::write_through(std::string_view text) {
  if (!open_flag) return;
  if (in_memory) {
    move_to_memory();
    memory.append(text);
    return;
  }
  if (!flush_buffer()) {
    fail();
    return;
  }
  if (text.size() >= BUFFER_SIZE) {
    if (!write_all(descriptor, text.data(), text.size())) fail();
    written_total += text.size();
    return;
  }
  std::memcpy(next, text.data(), text.size());
  next += text.size();
}

bool outputfile::flush_buffer() {
  char* start = buffer.get();
  size_t size = static_cast<size_t>(next - start);
  next = start;
  written_total += size;
  return write_all(descriptor, start, size);
}

void outputfile::fail() {
  ::close(descriptor);
  descriptor = -1;
  open_flag = false;
  next = limit = nullptr;
  if (on_failure == failures::kept) {
    kept_result = save_result::not_written;
    return;
  }
  unlink_open();
  fatal_error("Couldn't write %s", name.c_str());
}

void outputfile::link_open() {
  previous_open = nullptr;
  next_open = first_open;
  if (first_open != nullptr) first_open->previous_open = this;
  first_open = this;
}

void outputfile::unlink_open() {
  if (previous_open != nullptr) {
    previous_open->next_open = next_open;
  } else {
    first_open = next_open;
  }
  if (next_open != nullptr) next_open->previous_open = previous_open;
  previous_open = next_open = nullptr;
}

void outputfile::stop_making_files() { making_stopped = true; }

// A run that ends through fatal_error leaves its open files as complete as
// their text so far, and the exit status already tells of the error, so a
// refused write here is not reported again.
void outputfile::flush_open_files() {
  for (outputfile* file = first_open; file != nullptr;
       file = file->next_open) {
    file->flush_buffer();
  }
}
