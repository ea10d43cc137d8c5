// Removal of a folder tree that never follows a symbolic link.
#include "diverse/deltree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "diverse/folders.h"
#include "diverse/fatal_error.h"

namespace fs = std::filesystem;

namespace diverse {
namespace {

// Enters the folder name; false when what was entered is not the folder
// that was listed (it was replaced by a link meanwhile) and must stay.
bool enter_folder(const std::string& name, const struct stat& listed) {
  if (::chdir(name.c_str()) != 0) {
    fatal_error("diverse::deltree - couldn't change to lower level directory");
  }
  struct stat entered;
  return ::stat(".", &entered) == 0 && entered.st_dev == listed.st_dev &&
         entered.st_ino == listed.st_ino;
}

// Removes the folder name with everything inside; what cannot be removed
// stays, and so does the folder above it.
void remove_folder(const std::string& name, const struct stat& listed,
                   const std::string& parent) {
  if (enter_folder(name, listed)) deltree("*");
  // Back by the parent's path rather than "..", which after a swap could
  // lead anywhere.
  if (!change_folder(parent)) {
    [[maybe_unused]] int unchecked = ::chdir("..");
    return;
  }
  std::error_code ignored;
  fs::remove(name, ignored);
}

}  // namespace

void deltree(const char* pattern) {
  const std::string parent = current_folder();
  for (const std::string& name : matching_entries(".", pattern)) {
    struct stat listed;
    if (::lstat(name.c_str(), &listed) != 0) continue;
    if (S_ISDIR(listed.st_mode)) {
      // Folders whose names begin with '.' are not entered and stay.
      if (name[0] != '.') remove_folder(name, listed, parent);
      continue;
    }
    // Files and links alike: a link goes, what it points to stays.
    std::error_code ignored;
    fs::remove(name, ignored);
  }
}

}  // namespace diverse
