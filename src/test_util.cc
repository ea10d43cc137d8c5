// Test helpers: temporary folders, files, console capture, morv runs,
// recorded runs, site checks.
#include "test_util.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "diverse/fatal_error.h"

namespace fs = std::filesystem;

void temp_folder_test::SetUp() {
  previous = fs::current_path().string();
  std::string pattern =
      (fs::temp_directory_path() / "morv_test_XXXXXX").string();
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
    // Hidden files are the run's own bookkeeping (lock, manifest).
    if (entry.is_regular_file() &&
        !entry.path().filename().string().starts_with(".")) {
      names.insert(fs::relative(entry.path(), root).generic_string());
    }
  }
  return names;
}

// gtest flushes stdout before it redirects and before it restores.
void begin_capture() { testing::internal::CaptureStdout(); }

std::string end_capture() { return testing::internal::GetCapturedStdout(); }

std::string fatal_message_of(const std::function<void()>& statement) {
  struct fatal_thrown {
    std::string message;
  };
  set_fatal_hook([](const std::string& message) {
    throw fatal_thrown{message};
  });
  std::string message;
  try {
    statement();
  } catch (const fatal_thrown& fatal) {
    message = fatal.message;
  }
  set_fatal_hook(nullptr);
  return message;
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

fs::path shared_folder() {
  const char* set = std::getenv("MORV_SHARED");
  if (set != nullptr && *set != '\0') return set;
  return fs::path(MORV_SOURCE_DIR) / ".." / "shared";
}

std::vector<std::string> recorded_run_names() {
  return {"ffa-plain", "ffa-b-f-top3", "teamdm-d-l"};
}

std::string recorded_run_test_name(
    const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

std::string prepare_recorded_run(const fs::path& recording,
                                 const std::string& folder) {
  fs::copy(recording / "input", folder);
  std::string command = read_file(recording / "command.txt");
  command.erase(command.find_last_not_of("\r\n") + 1);
  return command;
}

std::string mask_volatile(std::string text) {
  static const std::regex date(R"(<p class=text>\[[^\]]*\]</p>)");
  static const std::regex seconds(R"(\n[0-9]+\.[0-9]{2} seconds elapsed)");
  text = std::regex_replace(text, date, "<p class=text>[DATE]</p>");
  return std::regex_replace(text, seconds, "\nS.SS seconds elapsed");
}

namespace {

void check_page(const fs::path& page, std::vector<std::string>& problems) {
  const std::string text = read_file(page.string());
  const std::string name = page.string();
  if (!text.starts_with("<html>")) problems.push_back(name + ": no <html>");
  if (!text.ends_with("</html>")) problems.push_back(name + ": no </html>");
  static const std::regex raw_tag("<(script|img)", std::regex::icase);
  std::smatch tag;
  if (std::regex_search(text, tag, raw_tag)) {
    problems.push_back(name + ": raw " + tag.str());
  }
  static const std::regex href(R"re(href="([^"]*)")re", std::regex::icase);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), href);
       it != std::sregex_iterator(); ++it) {
    const std::string target = (*it)[1];
    if (target.starts_with("http") || target.starts_with("mailto:")) continue;
    std::error_code ignored;
    if (!fs::exists(page.parent_path() / target, ignored)) {
      problems.push_back(name + ": broken link " + target);
    }
  }
}

}  // namespace

std::vector<std::string> site_problems(const std::string& root) {
  std::vector<std::string> problems;
  for (const char* needed : {"players.htm", "games.htm"}) {
    if (!fs::exists(fs::path(root) / needed)) {
      problems.push_back(std::string("missing ") + needed);
    }
  }
  if (!fs::is_directory(root)) return problems;
  for (const std::string& file : files_below(root)) {
    if (file.ends_with(".htm")) check_page(fs::path(root) / file, problems);
  }
  return problems;
}
