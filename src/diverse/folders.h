// The few folder operations the run needs, behind small helpers so that the
// rest of the program never touches the platform interfaces directly.
#ifndef MORV_DIVERSE_FOLDERS_H_
#define MORV_DIVERSE_FOLDERS_H_

#include <fcntl.h>

#include <string>
#include <vector>

namespace diverse {

// Creates path with its missing parent folders (as mkdir -p); false when
// nothing was created.
bool make_folders(const std::string& path);

// Creates the folder name in the folder held as parent (AT_FDCWD for the
// current folder); false when it could not be created (also when it
// exists).
bool make_folder_at(int parent, const std::string& name);

// A folder held open, so that files can be made in it by name from any
// thread without a current folder. descriptor() is -1 when the folder
// could not be opened (or none is held); making files in it then fails.
class folder_handle {
 public:
  folder_handle() = default;
  // Opens path, relative to the folder held as parent (AT_FDCWD for the
  // current folder), following links.
  explicit folder_handle(const std::string& path, int parent = AT_FDCWD);
  ~folder_handle();
  folder_handle(folder_handle&& other) noexcept;
  folder_handle& operator=(folder_handle&& other) noexcept;
  int descriptor() const { return fd; }
  bool is_open() const { return fd >= 0; }

 private:
  int fd = -1;
};

// Reads the whole file name in the folder held as folder into bytes, not
// following a link at name; false when it cannot be opened or read.
bool read_file_at(int folder, const std::string& name, std::string& bytes);

// True when path names an existing regular file (links followed).
bool is_regular_file(const std::string& path);

// Bare names of the entries in folder whose names match pattern ('*' and
// '?', letters compared ignoring case), in byte-wise ascending order.
std::vector<std::string> matching_entries(const std::string& folder,
                                          const std::string& pattern);

// Puts the bare names of one wildcard's matches in the order in which the
// logs are read: byte-wise ascending, except rotated logs. Names that share
// a base B and are B itself or B followed by ".N" or ".N.gz" (N one or more
// digits, logrotate's scheme) form a group when the list holds at least
// two of them. A group stands where B stands in byte-wise order, and its
// logs are read oldest first: N descending (as numbers), B itself last,
// equal numbers in byte-wise order. So games.log.10.gz, games.log.2.gz,
// games.log.1, games.log, games.log-old; a lone games.log.1 or x.log.1
// keeps its own place.
void sort_rotated_logs(std::vector<std::string>& names);

// True when name matches pattern ('*' any run, '?' one character),
// ignoring the case of A-Z. A pattern ending in ".*" also matches names
// without that extension, so "*.*" matches every name.
bool wildcard_match(const std::string& pattern, const std::string& name);

}  // namespace diverse

#endif  // MORV_DIVERSE_FOLDERS_H_
