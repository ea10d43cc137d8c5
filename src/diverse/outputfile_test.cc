// Tests of the output file wrapper: lost data, long texts, fatal exits.
#include "diverse/outputfile.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "diverse/fatal_error.h"
#include "test_util.h"

namespace {

class outputfile_test : public temp_folder_test {};

TEST_F(outputfile_test, lost_data_is_fatal) {
  // A small text stays in the stream's buffer until close; a large one
  // fails on the write itself. Both must end the run, never pass silently.
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

TEST_F(outputfile_test, texts_longer_than_the_buffer_keep_their_order) {
  std::string expected;
  {
    outputfile file;
    file.open("long.htm");
    for (int i = 0; i < 20000; ++i) {
      std::string cell = "<td>" + std::to_string(i) + "</td>\r\n";
      file.write(cell);
      expected += cell;
      if (i % 5000 == 0) {
        std::string block(70000 + static_cast<size_t>(i), 'a' + i % 26);
        file.write(block);
        expected += block;
      }
    }
  }
  EXPECT_EQ(read_file("long.htm"), expected);
}

// Text still in the buffer of a file left open reaches the file when the
// run ends through fatal_error.
TEST(outputfile_death_test, open_files_are_written_out_at_a_fatal_error) {
  std::string chat = testing::TempDir() + "outputfile_exit_chat.htm";
  auto open_chat_log = [&] {
    std::freopen("/dev/null", "r", stdin);
    dup2(2, 1);
    outputfile file;  // exit leaves it open: no destructor runs
    file.open(chat.c_str());
    file.write("<html>");
    fatal_error("Line too long");
  };
  EXPECT_EXIT(open_chat_log(), testing::ExitedWithCode(1),
              "ERROR: Line too long");
  EXPECT_EQ(read_file(chat), "<html>");
  std::remove(chat.c_str());
}

}  // namespace
