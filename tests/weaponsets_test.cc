// Every real log runs with its mod's weapon set from share/morv.cfg, which
// must name every weapon it uses.
#include <filesystem>
#include <string>

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

size_t count_in_pages(const std::string& folder, const std::string& what) {
  size_t count = 0;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string page = read_file(entry.path().string());
    for (size_t at = page.find(what); at != std::string::npos;
         at = page.find(what, at + what.size())) {
      ++count;
    }
  }
  return count;
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
  size_t charts = 0;
  for (const auto& entry : fs::directory_iterator(corpus, error)) {
    const fs::path& log = entry.path();
    if (log.extension() != ".log") continue;
    std::string weaponset = weaponset_of(log.filename().string());
    std::string cfg = shipped;
    write_file(weaponset + ".cfg",
               cfg.replace(at, selected.size(),
                           "\nset_weaponset \"" + weaponset + "\"\n"));
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
  // Many logs are warm-ups, bot games or one idle client; the rest fight,
  // and their kills are charted.
  EXPECT_GT(charts, 1000u);
}

}  // namespace
