// Folder helpers on std::filesystem, never throwing.
#include "diverse/folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace diverse {
namespace {

char lower_ascii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Greedy matching with one back-track point: the most recent '*' takes one
// more character whenever the rest fails, so the work stays
// pattern length times name length at most.
bool match_wildcards(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_name = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' ||
                lower_ascii(pattern[p]) == lower_ascii(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++star_name;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::string current_folder() {
  std::error_code error;
  fs::path path = fs::current_path(error);
  return error ? std::string() : path.string();
}

bool make_folders(const std::string& path) {
  std::error_code error;
  return fs::create_directories(path, error) && !error;
}

bool make_folder_at(int parent, const std::string& name) {
  return ::mkdirat(parent, name.c_str(), 0777) == 0;
}

// O_PATH asks for no read permission, as entering the folder did not:
// making and opening files in it needs only its own permissions.
folder_handle::folder_handle(const std::string& path, int parent)
    : fd(::openat(parent, path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}

folder_handle::~folder_handle() {
  if (fd >= 0) ::close(fd);
}

folder_handle::folder_handle(folder_handle&& other) noexcept
    : fd(std::exchange(other.fd, -1)) {}

folder_handle& folder_handle::operator=(folder_handle&& other) noexcept {
  if (this != &other) {
    if (fd >= 0) ::close(fd);
    fd = std::exchange(other.fd, -1);
  }
  return *this;
}

bool is_regular_file(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

std::vector<std::string> matching_entries(const std::string& folder,
                                          const std::string& pattern) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != fs::directory_iterator();
       entries.increment(error)) {
    std::string name = entries->path().filename().string();
    if (wildcard_match(pattern, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool wildcard_match(const std::string& pattern, const std::string& name) {
  if (match_wildcards(pattern, name)) return true;
  // As on the platform the program comes from, a final ".*" also matches a
  // name without that extension, so "*.*" matches every name.
  std::string_view view = pattern;
  return view.size() >= 2 && view.substr(view.size() - 2) == ".*" &&
         match_wildcards(view.substr(0, view.size() - 2), name);
}

}  // namespace diverse
