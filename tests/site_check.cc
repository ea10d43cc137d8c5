// Site soundness and folder snapshots for the robustness tests.
#include "tests/site_check.h"

#include <algorithm>
#include <filesystem>
#include <regex>

#include "test_util.h"

namespace fs = std::filesystem;

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

std::map<std::string, std::string> folder_snapshot(
    const std::string& folder, const std::vector<std::string>& skip) {
  std::map<std::string, std::string> entries;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    std::string name = entry.path().filename().string();
    if (std::find(skip.begin(), skip.end(), name) != skip.end()) continue;
    std::error_code ignored;
    auto status = entry.symlink_status(ignored);
    std::string kind = fs::is_symlink(status)     ? "link"
                       : fs::is_directory(status) ? "folder"
                                                  : "file";
    if (kind == "file") kind += " " + std::to_string(entry.file_size(ignored));
    entries[name] = kind;
  }
  return entries;
}
