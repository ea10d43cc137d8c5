// Tests of the output file wrapper's failures (the sample run writes and
// appends; tests/failure_path_test.cc checks that failures end the run
// with status 1).
#include "diverse/outputfile.h"

#include <cstdio>
#include <string>

#include "test_util.h"

namespace {

class outputfile_test : public temp_folder_test {};

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

}  // namespace
