// The fatal-error routine and the warning helper.
#include "diverse/fatal_error.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "diverse/outputfile.h"
#include "diverse/text_format.h"

namespace {

fatal_hook installed_hook = nullptr;
fatal_cleanup installed_cleanup = nullptr;
fatal_first installed_first = nullptr;
int given_stdout = -1;  // the standard output of a quiet run

std::string format_message(const char* format, va_list args) {
  std::string message;
  append_vformat(message, format, args);
  return message;
}

// Ends the run with message (fatal_error's contract), with status.
[[noreturn]] void end_run(int status, const std::string& message,
                          int reason) {
  if (installed_hook != nullptr) {
    installed_hook(message);
    std::abort();  // a hook that returns breaks the contract
  }
  const fatal_first first = std::exchange(installed_first, nullptr);
  if (first != nullptr) first();
  if (quiet_console()) {
    std::string line = "ERROR: " + message;
    if (reason != 0 && std::string_view(message).starts_with("Couldn't ")) {
      line += std::string(": ") + std::strerror(reason);
    }
    std::fprintf(stderr, "%s\n", line.c_str());
  } else {
    std::printf("\nERROR: %s\n\nPress ENTER to exit", message.c_str());
    std::fflush(stdout);
    // Only a person at a terminal can press it: a pipe or a file could
    // keep the run waiting, or never end it (cron, systemd).
    if (::isatty(STDIN_FILENO)) std::getchar();
  }
  // The run ends here at once: open files and the console are written
  // out, but no destructor runs while the second thread may still be
  // rendering a page.
  outputfile::flush_open_files();
  outputfile::stop_making_files();
  // Once only: a fatal error within the cleanup ends the run at once.
  const fatal_cleanup cleanup = std::exchange(installed_cleanup, nullptr);
  if (cleanup != nullptr) cleanup();
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace

void set_fatal_hook(fatal_hook hook) { installed_hook = hook; }

void set_fatal_cleanup(fatal_cleanup cleanup) { installed_cleanup = cleanup; }

void set_fatal_first(fatal_first first) { installed_first = first; }

void fatal_error(const char* format, ...) {
  const int reason = errno;
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  end_run(1, message, reason);
}

void usage_error(const char* format, ...) {
  const int reason = errno;
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  end_run(2, message, reason);
}

void set_quiet_console() {
  if (given_stdout >= 0) return;
  std::fflush(stdout);
  given_stdout = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
  const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (nothing >= 0) {
    ::dup2(nothing, STDOUT_FILENO);
    ::close(nothing);
  }
}

bool quiet_console() { return given_stdout >= 0; }

int quiet_stdout() { return given_stdout; }

void warning(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  if (quiet_console()) {
    std::fprintf(stderr, "WARNING: %s\n", message.c_str());
    return;
  }
  std::printf("\nWARNING: %s", message.c_str());
}

void warning_at_line_start(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = format_message(format, args);
  va_end(args);
  if (quiet_console()) {
    std::fprintf(stderr, "WARNING: %s", message.c_str());
    return;
  }
  std::printf("WARNING: %s", message.c_str());
}
