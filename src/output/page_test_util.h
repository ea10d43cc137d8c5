// Helpers shared by the page writers' tests: a fatal hook that throws, and
// writing a page piece into a file to compare its bytes.
#ifndef MORV_OUTPUT_PAGE_TEST_UTIL_H_
#define MORV_OUTPUT_PAGE_TEST_UTIL_H_

#include <functional>
#include <string>

#include "main/fatal_error.h"
#include "output/outputfile.h"
#include "test_util.h"

// Thrown by the hook instead of ending the process; carries the message.
struct fatal_thrown {
  std::string message;
};

// Installs a throwing fatal hook for the lifetime of the object.
class throwing_fatal_hook {
 public:
  throwing_fatal_hook() {
    set_fatal_hook([](const std::string& message) {
      throw fatal_thrown{message};
    });
  }
  ~throwing_fatal_hook() { set_fatal_hook(nullptr); }
};

// Message of the fatal error that statement raises ("" when none).
inline std::string fatal_message_of(const std::function<void()>& statement) {
  throwing_fatal_hook hook;
  try {
    statement();
  } catch (const fatal_thrown& fatal) {
    return fatal.message;
  }
  return "";
}

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
