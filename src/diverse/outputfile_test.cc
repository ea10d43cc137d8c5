// Tests of the output file wrapper: lost data is fatal, and detached files
// keep their failures for the run's thread to report.
#include "diverse/outputfile.h"

#include <unistd.h>

#include <string>

#include "diverse/folders.h"
#include "test_util.h"

namespace {

class outputfile_test : public temp_folder_test {};

TEST_F(outputfile_test, lost_data_is_fatal) {
  // A small text fails at close, a large one at the write itself.
  for (size_t size : {size_t{10}, size_t{1} << 20}) {
    outputfile file;
    file.open("/dev/full");
    std::string text(size, 'x');
    EXPECT_EQ(fatal_message_of([&] {
                file.write(text);
                file.close();
              }),
              "Couldn't write /dev/full")
        << size;
  }
}

TEST_F(outputfile_test, kept_failure_is_returned_not_fatal) {
  ASSERT_EQ(symlink("/dev/full", "full.htm"), 0);
  const diverse::folder_handle here(".");
  const std::string text(100000, 'x');  // beyond one buffer
  const struct {
    int folder;
    const char* name;
    outputfile::save_result expected;
  } rows[] = {
      {here.descriptor(), "page.htm", outputfile::save_result::saved},
      {here.descriptor(), "full.htm", outputfile::save_result::not_written},
      {here.descriptor(), "none/page.htm",
       outputfile::save_result::not_opened},
      {-1, "page2.htm", outputfile::save_result::not_opened},
  };
  outputfile file;
  for (const auto& row : rows) {
    file.open_at(row.folder, row.name, row.name, outputfile::open_mode::empty,
                 outputfile::failures::kept);
    file.write(text);
    file.write("end");
    file.close();
    EXPECT_EQ(file.result(), row.expected) << row.name;
  }
  EXPECT_EQ(read_file("page.htm"), text + "end");
  EXPECT_FALSE(file_exists("page2.htm"));
}

}  // namespace
