// Site soundness and folder snapshots for the robustness tests.
#include "tests/site_check.h"

#include <algorithm>
#include <filesystem>
#include <regex>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(std::tolower(c));
  });
  return text;
}

void check_links(const fs::path& page, const std::string& text,
                 std::vector<std::string>& problems) {
  static const std::regex href(R"re(href="([^"]*)")re", std::regex::icase);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), href);
       it != std::sregex_iterator(); ++it) {
    std::string target = (*it)[1];
    if (target.rfind("http", 0) == 0 || target.rfind("mailto:", 0) == 0) {
      continue;
    }
    std::error_code ignored;
    if (!fs::exists(page.parent_path() / target, ignored)) {
      problems.push_back(page.string() + ": broken link " + target);
    }
  }
}

void check_page(const fs::path& page, std::vector<std::string>& problems) {
  std::string text = read_file(page.string());
  if (text.rfind("<html>", 0) != 0) {
    problems.push_back(page.string() + ": does not begin with <html>");
  }
  if (!ends_with(text, "</html>")) {
    problems.push_back(page.string() + ": does not end with </html>");
  }
  std::string folded = lower(text);
  for (const char* tag : {"<script", "<img"}) {
    if (folded.find(tag) != std::string::npos) {
      problems.push_back(page.string() + ": raw " + tag);
    }
  }
  check_links(page, text, problems);
}

}  // namespace

std::vector<std::string> pages_below(const std::string& root) {
  std::vector<std::string> pages;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (it->path().extension() == ".htm") {
      pages.push_back(fs::relative(it->path(), root).generic_string());
    }
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::vector<std::string> site_problems(const std::string& root) {
  std::vector<std::string> problems;
  for (const char* needed : {"players.htm", "games.htm"}) {
    if (!fs::exists(fs::path(root) / needed)) {
      problems.push_back(std::string("missing ") + needed);
    }
  }
  for (const std::string& page : pages_below(root)) {
    check_page(fs::path(root) / page, problems);
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
