// Building blocks of the log generator: a seeded random source, a buffered
// line writer with a byte limit, and the pool of player names.
#ifndef MORV_TOOLS_LOGGEN_UTIL_H_
#define MORV_TOOLS_LOGGEN_UTIL_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace loggen {

// xoshiro256** seeded through splitmix64: fast, and the same sequence for
// the same seed on every platform.
class rng {
 public:
  explicit rng(uint64_t seed);
  uint64_t next();
  // Uniform in 0 to n - 1 (n > 0).
  uint32_t below(uint32_t n) {
    return static_cast<uint32_t>(((next() >> 32) * n) >> 32);
  }
  // Uniform in lo to hi, both included.
  int range(int lo, int hi) {
    return lo + static_cast<int>(below(static_cast<uint32_t>(hi - lo + 1)));
  }
  // True with a probability of per_mille / 1000.
  bool chance(uint32_t per_mille) { return below(1000) < per_mille; }
  // Uniform in [0, 1).
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

 private:
  uint64_t s[4];
};

// Buffers lines and writes them to a stream in large blocks. Stops
// accepting bytes once `limit` bytes have been taken, so the output can end
// in the middle of a line (a cut-off log).
class log_out {
 public:
  log_out(FILE* stream, uint64_t limit, bool crlf);
  ~log_out();
  log_out(const log_out&) = delete;
  log_out& operator=(const log_out&) = delete;

  // Starts a line with the right-aligned time stamp "%3i:%02i ".
  void stamp(int seconds);
  void text(std::string_view s);
  void number(long n);
  void end_line();
  // Writes what is buffered; false when the stream reported an error.
  bool flush();

  bool full() const { return written + buffer.size() >= limit; }
  uint64_t total() const { return written + buffer.size(); }

 private:
  void take(const char* data, size_t size);

  FILE* stream;
  uint64_t limit;
  bool crlf;
  uint64_t written = 0;
  bool failed = false;
  std::string buffer;
};

// Raw name (with colour codes) of pool entry `index`; every entry has a
// distinct plain lower-cased form. `variant` changes only the colours, so a
// variant is a rename that keeps the player.
std::string pool_name(uint32_t index, uint32_t variant);
// Hidden strength of pool entry `index` for a seed: standard normal, drawn
// from the pair alone (not from a game's random source), so asking for it
// changes nothing else in the log.
double pool_strength(uint64_t seed, uint32_t index);
// Name of a bot (a small fixed set, shared by all games).
std::string_view bot_name(uint32_t index);
inline constexpr uint32_t BOT_NAMES = 16;
inline constexpr uint32_t MAX_POOL = 1000000;

}  // namespace loggen

#endif  // MORV_TOOLS_LOGGEN_UTIL_H_
