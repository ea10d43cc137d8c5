// Test helpers: temporary folders, files, console capture, morv runs.
#include "test_util.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

void temp_folder_test::SetUp() {
  previous = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "morv_test_XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  ASSERT_NE(made, nullptr);
  folder = made;
  fs::current_path(folder);
}

void temp_folder_test::TearDown() {
  std::error_code ignored;
  fs::current_path(previous, ignored);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(folder, ignored);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

bool file_exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(path, ignored);
}

std::set<std::string> files_below(const std::string& root) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      names.insert(fs::relative(entry.path(), root).generic_string());
    }
  }
  return names;
}

namespace {
std::string capture_path;
int saved_stdout = -1;
}  // namespace

void begin_capture() {
  std::fflush(stdout);
  capture_path = (fs::temp_directory_path() /
                  ("morv_capture_" + std::to_string(getpid()))).string();
  saved_stdout = dup(1);
  std::FILE* target = std::fopen(capture_path.c_str(), "wb");
  dup2(fileno(target), 1);
  std::fclose(target);
}

std::string end_capture() {
  std::fflush(stdout);
  dup2(saved_stdout, 1);
  close(saved_stdout);
  std::string text = read_file(capture_path);
  std::remove(capture_path.c_str());
  return text;
}

run_result run_morv(const std::string& folder, const std::string& args) {
  const char* prefix = std::getenv("MORV_RUN_PREFIX");
  std::string command = "cd '" + folder + "' && " +
                        (prefix != nullptr ? std::string(prefix) + " " : "") +
                        "'" MORV_BINARY "' " + args + " < /dev/null 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  run_result result{-1, ""};
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    result.output.append(buffer, n);
  }
  int status = pclose(pipe);
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

std::string mask_volatile(std::string text) {
  static const std::regex date(R"(<p class=text>\[[^\]]*\]</p>)");
  static const std::regex seconds(R"(\n[0-9]+\.[0-9]{2} seconds elapsed)");
  text = std::regex_replace(text, date, "<p class=text>[DATE]</p>");
  return std::regex_replace(text, seconds, "\nS.SS seconds elapsed");
}
