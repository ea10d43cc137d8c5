// Removal of a folder tree through descriptors, never following a symbolic
// link and never changing the current folder.
#include "diverse/deltree.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "diverse/fatal_error.h"
#include "diverse/folders.h"

namespace diverse {
namespace {

// A descriptor closed when its holder goes, also when a fatal error unwinds
// the stack (the tests' and fuzz targets' fatal hook throws).
struct held_descriptor {
  explicit held_descriptor(int descriptor) : fd(descriptor) {}
  ~held_descriptor() {
    if (fd >= 0) ::close(fd);
  }
  held_descriptor(const held_descriptor&) = delete;
  held_descriptor& operator=(const held_descriptor&) = delete;
  int fd;
};

}  // namespace

std::vector<std::string> entries_matching(int folder, const char* pattern) {
  std::vector<std::string> names;
  // A descriptor of its own, as closedir closes it, and one that can be
  // read when folder was opened with O_PATH.
  int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return names;
  DIR* entries = ::fdopendir(listing);
  if (entries == nullptr) {
    ::close(listing);
    return names;
  }
  while (const dirent* entry = ::readdir(entries)) {
    std::string name = entry->d_name;
    if (name != "." && name != ".." && wildcard_match(pattern, name)) {
      names.push_back(std::move(name));
    }
  }
  ::closedir(entries);
  return names;
}

namespace {

// Opens the folder name in folder to work inside it; -1 when it is no
// longer the folder that was listed (a link or another entry took its
// place meanwhile), whose contents must then stay.
int enter_folder(int folder, const std::string& name,
                 const struct stat& listed) {
  int inside = ::openat(folder, name.c_str(),
                        O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (inside < 0 && (errno == ELOOP || errno == ENOTDIR)) return -1;
  // Looking up "." inside needs search permission, as entering did.
  struct stat entered;
  if (inside < 0 || ::fstatat(inside, ".", &entered, 0) != 0) {
    if (inside >= 0) ::close(inside);
    fatal_error("diverse::deltree - couldn't change to lower level directory");
  }
  if (entered.st_dev == listed.st_dev && entered.st_ino == listed.st_ino) {
    return inside;
  }
  ::close(inside);
  return -1;
}

// Removes name from folder whatever it is, as remove() does: a folder only
// when it is empty, a link itself.
void remove_entry(int folder, const std::string& name) {
  if (::unlinkat(folder, name.c_str(), 0) != 0) {
    ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
  }
}

}  // namespace

void deltree(int folder, const char* pattern) {
  for (const std::string& name : entries_matching(folder, pattern)) {
    struct stat listed;
    if (::fstatat(folder, name.c_str(), &listed, AT_SYMLINK_NOFOLLOW) != 0) {
      continue;
    }
    if (S_ISDIR(listed.st_mode)) {
      // Folders whose names begin with '.' are not entered and stay.
      if (name[0] == '.') continue;
      held_descriptor inside(enter_folder(folder, name, listed));
      if (inside.fd >= 0) deltree(inside.fd, "*");
    }
    remove_entry(folder, name);
  }
}

void remove_tree(int folder, const std::string& name) {
  struct stat listed;
  if (::fstatat(folder, name.c_str(), &listed, AT_SYMLINK_NOFOLLOW) != 0) {
    return;
  }
  if (S_ISDIR(listed.st_mode)) {
    held_descriptor inside(enter_folder(folder, name, listed));
    if (inside.fd >= 0) deltree(inside.fd, "*");
  }
  remove_entry(folder, name);
}

}  // namespace diverse
