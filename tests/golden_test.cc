// Runs compared with complete recordings kept outside the repository
// (skipped when absent).
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

// The recordings sit beside the repository; a clone elsewhere on this
// machine finds them at the shared location.
fs::path golden_root() {
  fs::path beside = fs::path(MORV_SOURCE_DIR) / ".." / "shared" / "golden";
  return fs::exists(beside) ? beside : "/work/shared/golden";
}

class golden_test : public temp_folder_test,
                    public testing::WithParamInterface<std::string> {};

TEST_P(golden_test, run_matches_recording) {
  fs::path recording = golden_root() / GetParam();
  if (!fs::exists(recording)) GTEST_SKIP() << "no recording " << recording;
  fs::copy(recording / "input", folder);
  std::string command = read_file(recording / "command.txt");
  command.erase(command.find_last_not_of("\r\n") + 1);
  run_result run = run_morv(folder, command);

  std::string console = run.output + "exit " + std::to_string(run.status) + "\n";
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
                         testing::Values("ffa-plain", "ffa-b-f-top3",
                                         "teamdm-d-l"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
