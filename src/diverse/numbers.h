// Decimal conversion and 32-bit arithmetic that never hits undefined
// behaviour, whatever a log or command line holds.
#ifndef MORV_DIVERSE_NUMBERS_H_
#define MORV_DIVERSE_NUMBERS_H_

#include <cstdint>
#include <string_view>

namespace diverse {

// Like atoi: optional blanks (space, \t, \n, \v, \f, \r) and one sign, then
// the leading digits; 0 when there are none. A value beyond the 32-bit range
// saturates at INT32_MIN / INT32_MAX. Stops at a NUL byte.
int string_to_int(std::string_view text);
int string_to_int(const char* text);

// Clamps a 64-bit value into the 32-bit range.
int32_t saturate_int32(int64_t value);

// Adds in two's complement, wrapping modulo 2^32 instead of overflowing.
int32_t wrap_add(int32_t sum, int64_t value);

}  // namespace diverse

#endif  // MORV_DIVERSE_NUMBERS_H_
