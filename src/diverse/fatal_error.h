// The one routine that ends the run on an unrecoverable condition, and the
// warning helper for recoverable oddities.
#ifndef MORV_DIVERSE_FATAL_ERROR_H_
#define MORV_DIVERSE_FATAL_ERROR_H_

#include <string>

// Prints "\nERROR: ", the formatted message and "\n\nPress ENTER to exit" to
// standard output, waits for one character on standard input and exits with
// status 1. When a hook is installed (fuzzing, tests) the hook is called with
// the message instead; the hook must not return (it may throw or longjmp).
[[noreturn]] void fatal_error(const char* format, ...)
    __attribute__((format(printf, 1, 2)));

// Every warning goes through these. warning prints "\nWARNING: " and the
// formatted message to standard output; warning_at_line_start leaves out
// the line end before it, for a warning printed where a line begins.
void warning(const char* format, ...) __attribute__((format(printf, 1, 2)));
void warning_at_line_start(const char* format, ...)
    __attribute__((format(printf, 1, 2)));

// Replaces the wait-and-exit of fatal_error; nullptr restores it.
using fatal_hook = void (*)(const std::string& message);
void set_fatal_hook(fatal_hook hook);

#endif  // MORV_DIVERSE_FATAL_ERROR_H_
