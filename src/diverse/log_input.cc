// Logs opened as C streams: plain files directly, gzip data and standard
// input through zlib behind a glibc cookie stream.
#include "diverse/log_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "diverse/fatal_error.h"

namespace diverse {
namespace {

// zlib's input buffer: the reader asks for a megabyte at a time, and
// zlib's default of 8 KiB would mean many small reads of the file.
constexpr unsigned GZIP_BUFFER = 1u << 17;

// Read without moving the offset, so that the file is read from its start
// afterwards. A file that cannot be read here is taken as plain: the
// reader then meets the error and reports it as for any plain log.
bool has_gzip_magic(int descriptor) {
  unsigned char magic[2];
  return ::pread(descriptor, magic, 2, 0) == 2 && magic[0] == 0x1f &&
         magic[1] == 0x8b;
}

int64_t file_size(std::FILE* file) {
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  int64_t size = ftello(file);
  fseeko(file, 0, SEEK_SET);
  return size < 0 ? 0 : size;
}

}  // namespace

log_input::~log_input() {
  if (file != nullptr) std::fclose(file);
}

bool log_input::open(const std::string& name) {
  path = name;
  if (path == "-") {
    // A descriptor of its own, for zlib to close.
    const int descriptor = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    if (descriptor < 0) return false;
    struct stat status;
    start = ::lseek(descriptor, 0, SEEK_CUR);
    size_known = start >= 0 && ::fstat(descriptor, &status) == 0 &&
                 S_ISREG(status.st_mode);
    shown_size = size_known ? std::max<int64_t>(status.st_size - start, 0) : 0;
    // zlib passes data without the gzip magic through unchanged, which
    // spares a read-ahead on a stream that cannot be rewound.
    return open_compressed(descriptor);
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  if (has_gzip_magic(descriptor)) {
    struct stat status;
    shown_size = ::fstat(descriptor, &status) == 0 ? status.st_size : 0;
    start = 0;
    return open_compressed(descriptor);
  }
  file = ::fdopen(descriptor, "rb");
  if (file == nullptr) {
    const int reason = errno;
    ::close(descriptor);
    errno = reason;
    return false;
  }
  shown_size = file_size(file);
  return true;
}

bool log_input::open_compressed(int descriptor) {
  compressed = ::gzdopen(descriptor, "rb");
  if (compressed == nullptr) {
    ::close(descriptor);
    errno = ENOMEM;
    return false;
  }
  ::gzbuffer(compressed, GZIP_BUFFER);
  static const cookie_io_functions_t functions = {read_compressed, nullptr,
                                                  nullptr, close_compressed};
  file = ::fopencookie(this, "rb", functions);
  if (file == nullptr) {
    const int reason = errno;
    ::gzclose(compressed);
    compressed = nullptr;
    errno = reason;
    return false;
  }
  return true;
}

int log_input::percent(int64_t consumed) const {
  if (compressed == nullptr) {
    return static_cast<int>(shown_size > 0 ? consumed * 100 / shown_size : 100);
  }
  if (!size_known || shown_size <= 0) return 0;
  // gzoffset counts what zlib has taken from the descriptor, not its
  // read-ahead; it only grows.
  const int64_t raw = ::gzoffset(compressed) - start;
  return static_cast<int>(std::clamp<int64_t>(raw * 100 / shown_size, 0, 100));
}

void log_input::check_end() const {
  if (failure.empty() && failure_errno == 0) return;
  // A read error: the system's reason goes with the message where the
  // console gives reasons. Broken data has none but zlib's.
  errno = failure_errno;
  if (failure_errno != 0) fatal_error("Couldn't read %s", path.c_str());
  fatal_error("Couldn't read %s: broken gzip data (%s)", path.c_str(),
              failure.c_str());
}

// A failure ends the stream as an end of file would (a glibc stream
// keeps no reason of its own); check_end reports it after the reader.
ssize_t log_input::read_compressed(void* cookie, char* buffer, size_t size) {
  auto* input = static_cast<log_input*>(cookie);
  const int got =
      ::gzread(input->compressed, buffer,
               static_cast<unsigned>(std::min<size_t>(size, INT_MAX)));
  if (got > 0) return got;
  const int reason = errno;
  // A stream cut short ends like a whole one (0), with Z_BUF_ERROR.
  int code = Z_OK;
  const char* message = ::gzerror(input->compressed, &code);
  if (code == Z_OK) return 0;
  if (code == Z_ERRNO) {
    input->failure_errno = reason != 0 ? reason : EIO;
    return 0;
  }
  // zlib puts "<fd:N>: " before its message.
  const char* colon = std::strstr(message, ": ");
  input->failure = colon != nullptr ? colon + 2 : message;
  if (input->failure.empty()) input->failure = "error " + std::to_string(code);
  return 0;
}

int log_input::close_compressed(void* cookie) {
  auto* input = static_cast<log_input*>(cookie);
  const int result = ::gzclose(input->compressed);
  input->compressed = nullptr;
  return result == Z_OK ? 0 : EOF;
}

}  // namespace diverse
