// End-to-end runs against complete recorded runs kept outside the
// repository (input log, command, console, every file written). Skips
// cleanly when the recordings are absent.
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
  if (fs::exists(beside)) return beside;
  return "/work/shared/golden";
}

std::string trim_line_end(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

class golden_test : public temp_folder_test,
                    public testing::WithParamInterface<std::string> {};

TEST_P(golden_test, run_matches_recording) {
  fs::path recording = golden_root() / GetParam();
  if (!fs::exists(recording)) GTEST_SKIP() << "no recording " << recording;
  std::set<std::string> inputs;
  for (const auto& entry : fs::directory_iterator(recording / "input")) {
    fs::copy_file(entry.path(), fs::path(folder) / entry.path().filename());
    inputs.insert(entry.path().filename().string());
  }
  std::string command = trim_line_end(read_file(recording / "command.txt"));
  run_result run = run_morv(folder, command);

  std::string console = run.output + "exit " + std::to_string(run.status) + "\n";
  EXPECT_EQ(mask_volatile(read_file(recording / "console.txt")),
            mask_volatile(console));

  std::set<std::string> written = files_below(folder);
  for (const std::string& input : inputs) written.erase(input);
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
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
