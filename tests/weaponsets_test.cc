// The shipped share/morv.cfg names every weapon that the real server logs
// use: each log is run with its mod's weapon set, and no kill chart or
// weapon row of the written site is left without a name.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

const char* const CORPUS = MORV_SOURCE_DIR "/../shared/corpus/real";

// Log file name prefix and the weapon set its server needs; the first
// matching row wins.
struct log_weaponset {
  const char* prefix;
  const char* weaponset;
};
const log_weaponset WEAPONSETS[] = {
    {"oa-", "baseoa"},
    {"q3-osp-", "osp"},
    {"urt-q3ut4-", "q3ut4"},
    {"urt-q3urt42-", "q3urt42"},
    {"urt-ygarr-", "q3urt42"},
    {"urt-q3urt43-", "q3urt43"},
    {"", "baseq3"},
};

const char* weaponset_of(const std::string& log_name) {
  for (const log_weaponset& row : WEAPONSETS) {
    if (log_name.starts_with(row.prefix)) return row.weaponset;
  }
  return "";
}

// share/morv.cfg with its set_weaponset line changed to weaponset.
std::string cfg_for(const std::string& shipped, const std::string& weaponset) {
  const std::string selected = "\nset_weaponset \"baseq3\"\n";
  std::string cfg = shipped;
  size_t at = cfg.find(selected);
  if (at == std::string::npos) return "";
  return cfg.replace(at, selected.size(),
                     "\nset_weaponset \"" + weaponset + "\"\n");
}

size_t count_of(const std::string& text, std::string_view what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + what.size())) {
    ++count;
  }
  return count;
}

// Occurrences of what in every page of the folder.
size_t count_in_pages(const std::string& folder, std::string_view what) {
  size_t count = 0;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    count += count_of(read_file(entry.path().string()), what);
  }
  return count;
}

class weaponsets_test : public temp_folder_test {};

TEST_F(weaponsets_test, every_real_log_names_its_weapons) {
  std::error_code error;
  if (!fs::is_directory(CORPUS, error)) {
    GTEST_SKIP() << "no corpus at " << CORPUS;
  }
  std::string shipped = read_file(MORV_SOURCE_DIR "/share/morv.cfg");
  std::vector<fs::path> logs;
  for (const auto& entry : fs::directory_iterator(CORPUS, error)) {
    if (entry.path().extension() == ".log") logs.push_back(entry.path());
  }
  std::sort(logs.begin(), logs.end());
  ASSERT_FALSE(logs.empty());
  size_t charts = 0;
  for (const fs::path& log : logs) {
    std::string weaponset = weaponset_of(log.filename().string());
    std::string cfg = cfg_for(shipped, weaponset);
    ASSERT_FALSE(cfg.empty()) << "no set_weaponset \"baseq3\" line";
    write_file(weaponset + ".cfg", cfg);
    run_result run =
        run_morv(folder, "'" + log.string() + "' -cfg:" + weaponset + ".cfg");
    ASSERT_EQ(run.status, 0) << log << run.output;
    EXPECT_NE(run.output.find("\n- set_weaponset        \"" + weaponset),
              std::string::npos)
        << log;
    EXPECT_EQ(count_in_pages("morv_games", "<b>Killchart ()</b>"), 0u) << log;
    EXPECT_EQ(count_in_pages("morv_players", "<th width=120 align=left></th>"),
              0u)
        << log;
    charts += count_in_pages("morv_games", "<b>Killchart (");
  }
  // The check above is empty-handed if nothing was charted at all.
  EXPECT_GT(charts, 1000u);
}

}  // namespace
