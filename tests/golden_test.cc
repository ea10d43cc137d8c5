// Runs compared with complete recordings kept outside the repository
// (skipped when absent).
#include <filesystem>
#include <set>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

class golden_test : public temp_folder_test,
                    public testing::WithParamInterface<std::string> {};

TEST_P(golden_test, run_matches_recording) {
  const fs::path recording = shared_folder() / "golden" / GetParam();
  if (!fs::exists(recording)) {
    GTEST_SKIP() << "no recorded run in " << recording;
  }
  run_result run = run_morv(folder, prepare_recorded_run(recording, folder));

  std::string console =
      run.output + "exit " + std::to_string(run.status) + "\n";
  EXPECT_EQ(mask_volatile(read_file(recording / "console.txt")),
            mask_volatile(console));

  std::set<std::string> written = files_below(folder);
  for (const std::string& input : files_below(recording / "input")) {
    written.erase(input);
  }
  std::set<std::string> expected =
      files_below((recording / "expected").string());
  EXPECT_EQ(expected, written);
  for (const std::string& name : expected) {
    EXPECT_EQ(mask_volatile(read_file(recording / "expected" / name)),
              mask_volatile(read_file(fs::path(folder) / name)))
        << name;
  }
}

INSTANTIATE_TEST_SUITE_P(recordings, golden_test,
                         testing::ValuesIn(recorded_run_names()),
                         recorded_run_test_name);

}  // namespace
