// The one routine that ends the run on an unrecoverable condition, and the
// warning helper for recoverable oddities.
#ifndef MORV_DIVERSE_FATAL_ERROR_H_
#define MORV_DIVERSE_FATAL_ERROR_H_

#include <string>

// Prints "\nERROR: ", the formatted message and "\n\nPress ENTER to exit" to
// standard output, waits for one character on standard input when that is
// a terminal, runs the cleanup set with set_fatal_cleanup and exits with
// status 1. On a quiet console the message goes to standard error instead,
// as "ERROR: message" with the system's reason (errno at the call) after a
// message that begins with "Couldn't ". When a hook is installed (fuzzing,
// tests) the hook is called with the message instead; the hook must not
// return (it may throw or longjmp).
[[noreturn]] void fatal_error(const char* format, ...)
    __attribute__((format(printf, 1, 2)));
// The same with exit status 2, for an error in what the user asked for
// (a configuration file named with --config that does not exist).
[[noreturn]] void usage_error(const char* format, ...)
    __attribute__((format(printf, 1, 2)));

// A quiet console (--quiet): standard output goes to /dev/null from here
// on, and warnings and errors go to standard error. The standard output
// the process was given stays open as quiet_stdout() (for --json=-).
void set_quiet_console();
bool quiet_console();
int quiet_stdout();

// Called by fatal_error before it reports its message, to report an
// earlier failure first (a fatal error there is the one reported); cleared
// when called; nullptr for none.
using fatal_first = void (*)();
void set_fatal_first(fatal_first first);

// Called by fatal_error (also through a signal's exit) before the process
// ends, to remove what the run leaves half made; nullptr for none.
using fatal_cleanup = void (*)();
void set_fatal_cleanup(fatal_cleanup cleanup);

// Every warning goes through these. warning prints "\nWARNING: " and the
// formatted message to standard output; warning_at_line_start leaves out
// the line end before it, for a warning printed where a line begins. On a
// quiet console both print "WARNING: " and the message, ending its line,
// to standard error.
void warning(const char* format, ...) __attribute__((format(printf, 1, 2)));
void warning_at_line_start(const char* format, ...)
    __attribute__((format(printf, 1, 2)));

// Replaces the wait-and-exit of fatal_error; nullptr restores it.
using fatal_hook = void (*)(const std::string& message);
void set_fatal_hook(fatal_hook hook);

#endif  // MORV_DIVERSE_FATAL_ERROR_H_
