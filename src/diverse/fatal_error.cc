// The fatal-error routine and the warning helper.
#include "diverse/fatal_error.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "diverse/outputfile.h"
#include "diverse/text_format.h"

namespace {

fatal_hook installed_hook = nullptr;

std::string format_message(const char* format, va_list args) {
  std::string message;
  append_vformat(message, format, args);
  return message;
}

}  // namespace

void set_fatal_hook(fatal_hook hook) { installed_hook = hook; }

void fatal_error(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  if (installed_hook != nullptr) {
    installed_hook(message);
    std::abort();  // a hook that returns breaks the contract
  }
  std::printf("\nERROR: %s\n\nPress ENTER to exit", message.c_str());
  std::fflush(stdout);
  std::getchar();
  // The run ends here at once: open files and the console are written
  // out, but no destructor runs while the second thread may still be
  // rendering a page.
  outputfile::flush_open_files();
  std::fflush(nullptr);
  std::_Exit(1);
}

void warning(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  std::printf("\nWARNING: %s", message.c_str());
}

void warning_at_line_start(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  std::printf("WARNING: %s", message.c_str());
}
