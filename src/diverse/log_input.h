// A log opened for the reader as one stream of its bytes: a plain file, a
// gzip-compressed file, or standard input.
#ifndef MORV_DIVERSE_LOG_INPUT_H_
#define MORV_DIVERSE_LOG_INPUT_H_

#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <string>

struct gzFile_s;

namespace diverse {

// One log being read, owned by the driver while it reads that log; closes
// what it opened (standard input itself stays open). A log that begins
// with the gzip magic bytes 1f 8b, whatever its name, is decompressed as
// it is read, concatenated gzip members one after the other; standard
// input may be either.
//
// The console's size and progress figure, as the uncompressed size of a
// gzip stream is not known before it has been read:
// - size(): a plain file's size; a gzip file's compressed size; standard
//   input's size from its read position when it is a regular file
//   (`morv - <games.log`), else 0 (a pipe).
// - percent(consumed): a plain file's bytes consumed by the reader against
//   its size, as always. Otherwise the raw (compressed) bytes that zlib has
//   consumed against size(), 0 to 100 and never going back; 0 for a pipe,
//   whose size is unknown. The driver shows 100 at every log's end.
class log_input {
 public:
  log_input() = default;
  ~log_input();
  log_input(const log_input&) = delete;
  log_input& operator=(const log_input&) = delete;

  // Opens path, named from the current folder; "-" is standard input.
  // Returns false with errno set when it cannot be opened.
  bool open(const std::string& path);
  // The log's (uncompressed) bytes; owned by this object.
  std::FILE* stream() const { return file; }
  int64_t size() const { return shown_size; }
  int percent(int64_t consumed) const;
  // Ends the run with "Couldn't read PATH: ..." when the gzip data was
  // corrupt, cut short or could not be read; the stream then ended there,
  // as at the end of a file, so the game it was in is not used.
  void check_end() const;

 private:
  bool open_compressed(int descriptor);
  // fopencookie's read and close functions; cookie is the log_input.
  static ssize_t read_compressed(void* cookie, char* buffer, size_t size);
  static int close_compressed(void* cookie);

  std::string path;
  std::FILE* file = nullptr;
  gzFile_s* compressed = nullptr;  // the zlib stream behind file, if any
  int64_t shown_size = 0;
  int64_t start = 0;       // raw offset at which reading began
  bool size_known = true;  // false for a pipe
  std::string failure;     // zlib's message on a broken stream
  int failure_errno = 0;   // the system's reason, for a read error
};

}  // namespace diverse

#endif  // MORV_DIVERSE_LOG_INPUT_H_
