// Helper shared by the page writers' tests: writing a page piece into a file
// to compare its bytes.
#ifndef MORV_OUTPUT_PAGE_TEST_UTIL_H_
#define MORV_OUTPUT_PAGE_TEST_UTIL_H_

#include <functional>
#include <string>

#include "diverse/outputfile.h"
#include "test_util.h"

// Bytes that write puts into a fresh file (in the current folder).
inline std::string written_by(const std::function<void(outputfile&)>& write) {
  {
    outputfile file;
    file.open("piece.htm");
    write(file);
    file.close();
  }
  return read_file("piece.htm");
}

#endif  // MORV_OUTPUT_PAGE_TEST_UTIL_H_
