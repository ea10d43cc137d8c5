// End-to-end run over the shipped sample log, as the `sample` target runs
// it: the console output with the exit status, and every file the run
// writes, must equal the files under tests/sample_expected byte for byte
// (the page date and the elapsed seconds masked). Needs nothing outside the
// repository.
//
// After an intended change of the output, rewrite the expected files with
//   MORV_UPDATE_EXPECTED=1 ./build/morv_tests --gtest_filter='sample_test.*'
// and read every changed page before committing it.
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

const fs::path expected_root =
    fs::path(MORV_SOURCE_DIR) / "tests" / "sample_expected";

// Replaces the expected files with what the run wrote, masked.
void rewrite_expected(const std::string& site,
                      const std::set<std::string>& written,
                      const std::string& console) {
  fs::remove_all(expected_root / "site");
  for (const std::string& name : written) {
    fs::path target = expected_root / "site" / name;
    fs::create_directories(target.parent_path());
    write_file(target.string(),
               mask_volatile(read_file((fs::path(site) / name).string())));
  }
  write_file((expected_root / "console.txt").string(), mask_volatile(console));
}

class sample_test : public temp_folder_test {};

TEST_F(sample_test, run_writes_the_expected_files) {
  fs::copy_file(MORV_SOURCE_DIR "/sample/sample.log", "sample.log");
  run_result run = run_morv(folder, "sample.log -l -d -top5");
  std::string console =
      run.output + "exit " + std::to_string(run.status) + "\n";
  std::set<std::string> written = files_below(folder);
  written.erase("sample.log");

  const char* update = std::getenv("MORV_UPDATE_EXPECTED");
  if (update != nullptr && std::string(update) == "1") {
    rewrite_expected(folder, written, console);
    GTEST_SKIP() << "rewrote " << expected_root;
  }

  EXPECT_EQ(read_file((expected_root / "console.txt").string()),
            mask_volatile(console));
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
