// Helpers shared by the tests: a temporary folder, files, console capture,
// fatal errors caught, morv runs, recorded runs, and a site check.
#ifndef MORV_TEST_UTIL_H_
#define MORV_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

// Creates a fresh temporary folder, makes it the current folder, and on
// tear-down returns to the previous folder and removes it.
class temp_folder_test : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string folder;  // absolute path of the temporary folder

 private:
  std::string previous;
};

// Whole file as bytes ("" when it cannot be read).
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
bool file_exists(const std::string& path);
// Paths of the regular, not hidden files below root, relative to it.
std::set<std::string> files_below(const std::string& root);

// Captures what the statements between begin and end print to stdout.
void begin_capture();
std::string end_capture();

// Message of the fatal error that statement raises ("" when none); the
// error throws instead of ending the process.
std::string fatal_message_of(const std::function<void()>& statement);

struct run_result {
  int status;          // exit status, or -1 when the process did not exit
  std::string output;  // standard output
};
// Runs morv in folder with args (shell-quoted) and standard input from
// /dev/null, after $MORV_RUN_PREFIX when set (as tools/valgrind.sh does).
run_result run_morv(const std::string& folder, const std::string& args);

// The test data outside the repository, which may be missing: $MORV_SHARED,
// else "shared" beside the source tree. It holds recorded runs in
// golden/<name>/ (input/, command.txt, console.txt, expected/) and real logs
// in corpus/real/.
std::filesystem::path shared_folder();

// The names of the recorded runs, and the test name for one (a '-' becomes
// '_'), for INSTANTIATE_TEST_SUITE_P.
std::vector<std::string> recorded_run_names();
std::string recorded_run_test_name(
    const testing::TestParamInfo<std::string>& info);
// Copies the inputs of the recorded run in the folder recording into
// folder; returns the run's command line without its line end.
std::string prepare_recorded_run(const std::filesystem::path& recording,
                                 const std::string& folder);

// Replaces the date inside "<p class=text>[...]</p>" with "DATE" and the
// elapsed seconds figure with "S.SS", so that outputs compare stably.
std::string mask_volatile(std::string text);

// Problems of the site below root, one text each; empty when sound:
// players.htm and games.htm exist, every .htm file is <html>...</html>,
// every relative href names an existing file, and no page holds a raw
// <script or <img tag in any letter case.
std::vector<std::string> site_problems(const std::string& root);

#endif  // MORV_TEST_UTIL_H_
