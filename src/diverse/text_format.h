// printf-style formatting appended to a string, without the printf
// machinery for the plain conversions that the pages use in every cell.
#ifndef MORV_DIVERSE_TEXT_FORMAT_H_
#define MORV_DIVERSE_TEXT_FORMAT_H_

#include <cstdarg>
#include <string>

// Appends exactly what vsnprintf would write for format and args. The
// conversions %s, %i, %d, %u, %lld, %.Nf (N one digit) and %% without
// flags or width are done here; any other format goes to vsnprintf.
void append_vformat(std::string& out, const char* format, va_list args);
// The same with the arguments given directly, and as a new string.
void append_format(std::string& out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
std::string formatted(const char* format, ...)
    __attribute__((format(printf, 1, 2)));
// Appends the decimal digits of value ("%lld").
void append_decimal(std::string& out, long long value);

#endif  // MORV_DIVERSE_TEXT_FORMAT_H_
