// Every real log's weapons are named by its mod's weapon set in
// share/morv.cfg, and all real logs together make a sound site.
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "config/configdata.h"
#include "stats/weapons.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace {

// The weapon set a log's server needs, by file name prefix.
std::string weaponset_of(const std::string& log_name) {
  const char* const rows[][2] = {
      {"oa-", "baseoa"},         {"q3-osp-", "osp"},
      {"urt-q3ut4-", "q3ut4"},   {"urt-q3urt42-", "q3urt42"},
      {"urt-ygarr-", "q3urt42"}, {"urt-q3urt43-", "q3urt43"}};
  for (const auto& row : rows) {
    if (log_name.starts_with(row[0])) return row[1];
  }
  return "baseq3";
}

using weaponsets_test = temp_folder_test;

TEST_F(weaponsets_test, every_real_log_names_its_weapons) {
  std::error_code error;
  const fs::path corpus = shared_folder() / "corpus" / "real";
  if (!fs::is_directory(corpus, error)) {
    GTEST_SKIP() << "no corpus at " << corpus;
  }
  const std::string shipped = read_file(MORV_SOURCE_DIR "/share/morv.cfg");
  const std::string selected = "\nset_weaponset \"baseq3\"\n";
  const size_t at = shipped.find(selected);
  ASSERT_NE(at, std::string::npos);
  static const std::regex kill(R"(Kill: [0-9]+ [0-9]+ ([0-9]+):)");
  int kills = 0;
  for (const auto& entry : fs::directory_iterator(corpus, error)) {
    if (entry.path().extension() != ".log") continue;
    const std::string weaponset = weaponset_of(entry.path().filename());
    std::string cfg = shipped;
    write_file("morv.cfg",
               cfg.replace(at, selected.size(),
                           "\nset_weaponset \"" + weaponset + "\"\n"));
    auto config = std::make_unique<configdata>();
    begin_capture();
    config->read_cfg("morv.cfg");
    end_capture();
    const std::string log = read_file(entry.path());
    for (auto it = std::sregex_iterator(log.begin(), log.end(), kill);
         it != std::sregex_iterator(); ++it, ++kills) {
      const int weapon = std::stoi((*it)[1]);
      EXPECT_NE(config->weaponnames[weapon < MAX_WEAPONS ? weapon : 0], "")
          << entry.path() << " weapon " << weapon;
    }
  }
  EXPECT_GT(kills, 10000);
  write_file("morv.cfg", "output_directory \"site\"\n");
  const run_result run =
      run_morv(folder, "'" + (corpus / "*.log").string() + "' -l -d");
  EXPECT_EQ(run.status, 0) << run.output.substr(0, 2000);
  EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"));
}

}  // namespace
