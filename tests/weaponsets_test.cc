// Every real log's weapons are named by its mod's weapon set, which the
// shipped share/morv.cfg chooses by each game's gamename, and all real logs
// together make a sound site (and a modern site and an export beside it).
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

using weaponsets_test = temp_folder_test;

TEST_F(weaponsets_test, every_real_log_names_its_weapons) {
  std::error_code error;
  const fs::path corpus = shared_folder() / "corpus" / "real";
  if (!fs::is_directory(corpus, error)) {
    GTEST_SKIP() << "no corpus at " << corpus;
  }
  auto config = std::make_unique<configdata>();
  begin_capture();
  config->read_cfg(MORV_SOURCE_DIR "/share/morv.cfg");
  end_capture();
  ASSERT_TRUE(config->auto_weaponset());
  // The last gamename of an InitGame line names the kills after it; no
  // kill before the first InitGame counts.
  static const std::regex event(
      R"(gamename\\([^\\\n]*)|Kill: [0-9]+ [0-9]+ ([0-9]+):)");
  int kills = 0;
  for (const auto& entry : fs::directory_iterator(corpus, error)) {
    if (entry.path().extension() != ".log") continue;
    const std::string log = read_file(entry.path());
    std::string gamename;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), event);
         it != std::sregex_iterator(); ++it) {
      if ((*it)[1].matched) {
        gamename = (*it)[1];
        continue;
      }
      if (gamename.empty()) continue;
      ++kills;
      const int weapon = std::stoi((*it)[2]);
      EXPECT_NE(config->weapon_names_for(gamename)[weapon < MAX_WEAPONS
                                                      ? weapon
                                                      : 0],
                "")
          << entry.path() << " " << gamename << " weapon " << weapon;
    }
  }
  EXPECT_GT(kills, 10000);
  write_file("morv.cfg", "output_directory \"site\"\n");
  const run_result run =
      run_morv(folder, "'" + (corpus / "*.log").string() +
                           "' -l -d --site=modern --json=morv.json");
  EXPECT_EQ(run.status, 0) << run.output.substr(0, 2000);
  EXPECT_EQ(std::vector<std::string>{}, site_problems(folder + "/site"));
  EXPECT_TRUE(fs::is_regular_file(folder + "/modern/index.html"));
  EXPECT_TRUE(fs::is_regular_file(folder + "/modern/games/1.html"));
}

}  // namespace
