// printf-style formatting appended to a string, without the printf
// machinery for the plain conversions that the pages use in every cell.
#ifndef MORV_DIVERSE_TEXT_FORMAT_H_
#define MORV_DIVERSE_TEXT_FORMAT_H_

#include <cstdarg>
#include <cstddef>
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

// Room that format_int needs at out.
inline constexpr size_t INT_TEXT_ROOM = 24;
// Writes value as %lld writes it (and %i, %d, %u for the values they
// take) to out and returns the end of the digits; no NUL is added.
char* format_int(char* out, long long value);

// Room that format_fixed needs at out, for any double.
inline constexpr size_t FIXED_TEXT_ROOM = 400;
// Writes value as %.Nf writes it, N = decimals (0 to 9), to out and
// returns the end of the text; no NUL is added.
char* format_fixed(char* out, double value, int decimals);

#endif  // MORV_DIVERSE_TEXT_FORMAT_H_
