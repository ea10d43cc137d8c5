// Tests of the output file wrapper: writing, appending, failures.
#include "diverse/outputfile.h"

#include <string>

#include "test_util.h"

namespace {

class outputfile_test : public temp_folder_test {};

TEST_F(outputfile_test, append_keeps_and_open_truncates) {
  write_file("d.txt", "old\r\n");
  {
    outputfile file;
    file.open_append("d.txt");
    file.print("%s %i %%\r\n", "x", 5);
    file.write(std::string("a\0b", 3));
  }  // the destructor closes
  EXPECT_EQ(read_file("d.txt"), std::string("old\r\nx 5 %\r\na\0b", 15));
  outputfile file;
  file.open("d.txt");
  file.close();
  EXPECT_FALSE(file.is_open());
  EXPECT_EQ(read_file("d.txt"), "");
}

TEST_F(outputfile_test, failures_are_fatal) {
  outputfile file;
  EXPECT_EQ(fatal_message_of([&] { file.open("missing/a.htm"); }),
            "Couldn't open missing/a.htm");
  EXPECT_EQ(fatal_message_of([&] { file.open_append("missing/d.txt"); }),
            "Couldn't open missing/d.txt");
  // A small text stays in the stream's buffer until close; a large one
  // fails on the write itself. Both must end the run, never pass silently.
  for (size_t size : {size_t{10}, size_t{1} << 20}) {
    file.open("/dev/full");
    EXPECT_EQ(fatal_message_of([&] {
                file.write(std::string(size, 'x'));
                file.close();
              }),
              "Couldn't write /dev/full")
        << size;
    EXPECT_FALSE(file.is_open()) << size;
  }
}

}  // namespace
