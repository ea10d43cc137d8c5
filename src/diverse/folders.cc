// Folder helpers on std::filesystem, never throwing.
#include "diverse/folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
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

// A name as logrotate makes them: the base, and the digits of its ".N" or
// ".N.gz" suffix ("" for a name without one).
struct rotated_name {
  std::string name;
  std::string base;
  std::string number;
};

rotated_name split_rotated(const std::string& name) {
  std::string_view rest = name;
  if (rest.ends_with(".gz")) rest.remove_suffix(3);
  size_t digits = rest.size();
  while (digits > 0 && rest[digits - 1] >= '0' && rest[digits - 1] <= '9') {
    --digits;
  }
  if (digits == rest.size() || digits < 2 || rest[digits - 1] != '.') {
    return {name, name, ""};
  }
  return {name, std::string(rest.substr(0, digits - 1)),
          std::string(rest.substr(digits))};
}

// The numbers written as digits a and b compared: below 0 when a < b.
int compare_numbers(std::string_view a, std::string_view b) {
  a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
  b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

// Oldest first within a group: a higher number, then the base itself.
bool read_before(const rotated_name& a, const rotated_name& b) {
  if (a.base != b.base) return a.base < b.base;
  if (a.number.empty() != b.number.empty()) return b.number.empty();
  const int order = compare_numbers(a.number, b.number);
  return order != 0 ? order > 0 : a.name < b.name;
}

}  // namespace

void sort_rotated_logs(std::vector<std::string>& names) {
  std::vector<rotated_name> split;
  std::map<std::string, int> members;
  for (const std::string& name : names) {
    split.push_back(split_rotated(name));
    ++members[split.back().base];
  }
  // A name of no group sorts by itself, as if it had no suffix.
  for (rotated_name& entry : split) {
    if (members[entry.base] < 2) {
      entry.base = entry.name;
      entry.number.clear();
    }
  }
  std::sort(split.begin(), split.end(), read_before);
  for (size_t i = 0; i < names.size(); ++i) names[i] = std::move(split[i].name);
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

bool read_file_at(int folder, const std::string& name, std::string& bytes) {
  const int file =
      ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (file < 0) return false;
  char block[65536];
  ssize_t n;
  while ((n = ::read(file, block, sizeof block)) > 0) {
    bytes.append(block, static_cast<size_t>(n));
  }
  ::close(file);
  return n == 0;
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
