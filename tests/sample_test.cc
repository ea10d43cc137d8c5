// The shipped sample run: console and every written file equal
// tests/sample_expected byte for byte (date and seconds masked).
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

class sample_test : public temp_folder_test {};

TEST_F(sample_test, run_writes_the_expected_files) {
  const fs::path expected_root =
      fs::path(MORV_SOURCE_DIR) / "tests" / "sample_expected";
  fs::copy_file(MORV_SOURCE_DIR "/sample/sample.log", "sample.log");
  run_result run = run_morv(folder, "sample.log -l -d -top5");
  const std::string console = mask_volatile(
      run.output + "exit " + std::to_string(run.status) + "\n");
  std::set<std::string> written = files_below(folder);
  written.erase("sample.log");
  // After an intended change of the output, MORV_UPDATE_EXPECTED=1 rewrites
  // the expected files from this run; read every changed page.
  const char* update = std::getenv("MORV_UPDATE_EXPECTED");
  if (update != nullptr && std::string(update) == "1") {
    fs::remove_all(expected_root / "site");
    for (const std::string& name : written) {
      fs::path target = expected_root / "site" / name;
      fs::create_directories(target.parent_path());
      write_file(target.string(), mask_volatile(read_file(name)));
    }
    write_file((expected_root / "console.txt").string(), console);
    GTEST_SKIP() << "rewrote " << expected_root;
  }
  EXPECT_EQ(read_file((expected_root / "console.txt").string()), console);
  std::set<std::string> expected =
      files_below((expected_root / "site").string());
  EXPECT_EQ(expected, written);
  for (const std::string& name : expected) {
    EXPECT_EQ(read_file((expected_root / "site" / name).string()),
              mask_volatile(read_file((fs::path(folder) / name).string())))
        << name;
  }
}

}  // namespace
