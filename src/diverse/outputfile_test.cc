// Tests of the output file wrapper: writing, appending, failures.
#include "diverse/outputfile.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "diverse/fatal_error.h"
#include "output/page_test_util.h"

namespace {

class outputfile_test : public temp_folder_test {};

TEST_F(outputfile_test, open_print_append_close) {
  write_file("d.txt", "old\r\n");
  {
    outputfile file;
    file.open_append("d.txt");
    EXPECT_TRUE(file.is_open());
    EXPECT_EQ(file.print("%s %i %%\r\n", "x", 5), 0);
    file.write(std::string("a\0b", 3));
  }  // the destructor closes
  EXPECT_EQ(read_file("d.txt"), std::string("old\r\nx 5 %\r\na\0b", 15));
  outputfile file;
  EXPECT_EQ(file.open("d.txt"), 0);
  EXPECT_EQ(file.close(), 0);
  EXPECT_FALSE(file.is_open());
  EXPECT_EQ(read_file("d.txt"), "");  // open truncates
}

TEST_F(outputfile_test, open_failure_is_fatal) {
  outputfile file;
  EXPECT_EQ(fatal_message_of([&] { file.open("missing/a.htm"); }),
            "Couldn't open missing/a.htm");
  EXPECT_EQ(fatal_message_of([&] { file.open_append("missing/d.txt"); }),
            "Couldn't open missing/d.txt");
  EXPECT_FALSE(file.is_open());
}

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
    EXPECT_FALSE(file.is_open()) << size;
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

TEST(outputfile_death_test, failures_end_the_run_with_status_1) {
  auto full_page = [] {
    std::freopen("/dev/null", "r", stdin);
    dup2(2, 1);
    outputfile file;
    file.open("/dev/full");
    file.print("<html>");
    file.close();
  };
  EXPECT_EXIT(full_page(), testing::ExitedWithCode(1),
              "ERROR: Couldn't write /dev/full");
  auto missing_folder = [] {
    std::freopen("/dev/null", "r", stdin);
    dup2(2, 1);
    outputfile file;
    file.open("/nonexistent_folder/game_1.htm");
  };
  EXPECT_EXIT(missing_folder(), testing::ExitedWithCode(1),
              "ERROR: Couldn't open /nonexistent_folder/game_1.htm");
  // Text still in the buffer of a file left open reaches the file when
  // the run ends through fatal_error.
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
