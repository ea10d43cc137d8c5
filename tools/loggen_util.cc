// The random source, the line writer and the name pool of the generator.
#include "tools/loggen_util.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

namespace loggen {
namespace {

uint64_t splitmix64(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

constexpr size_t FLUSH_AT = 1 << 20;

// Fixed-length syllables decode uniquely, so distinct indexes give distinct
// cores whatever the decoration around them.
constexpr std::array<const char*, 32> SYLLABLES = {
    "ba", "be", "bo", "da", "de", "di", "do", "ka", "ke", "ki", "ko",
    "la", "le", "li", "lo", "ma", "me", "mi", "mo", "na", "ne", "no",
    "ra", "re", "ri", "ro", "sa", "se", "so", "ta", "to", "zu"};
// Clan tags start with distinct non-letter characters, and cores start with
// a letter, so a tag never makes two names equal. Some carry the characters
// that HTML escapes.
constexpr std::array<const char*, 8> TAGS = {
    "[TLC]", "<3", "&", "{Q}", "|R|", "=X=", "\"Q\"", "#"};
constexpr std::array<std::string_view, BOT_NAMES> BOTS = {
    "Sarge", "Grunt",  "Major", "Visor", "Xaero",  "Anarki",
    "Bitterman", "Daemia", "Doom", "Hunter", "Klesk", "Lucy",
    "Mynx",  "Orbb",   "Phobos", "Slash"};

uint64_t mix(uint64_t x) { return splitmix64(x); }

void add_colour(std::string& name, uint64_t bits) {
  name += '^';
  name += static_cast<char>('0' + bits % 8);
}

}  // namespace

rng::rng(uint64_t seed) {
  for (uint64_t& word : s) word = splitmix64(seed);
}

uint64_t rng::next() {
  uint64_t result = rotl(s[1] * 5, 7) * 9;
  uint64_t t = s[1] << 17;
  s[2] ^= s[0];
  s[3] ^= s[1];
  s[1] ^= s[2];
  s[0] ^= s[3];
  s[2] ^= t;
  s[3] = rotl(s[3], 45);
  return result;
}

log_out::log_out(FILE* stream, uint64_t limit, bool crlf)
    : stream(stream), limit(limit), crlf(crlf) {
  buffer.reserve(FLUSH_AT + 4096);
}

log_out::~log_out() { flush(); }

void log_out::take(const char* data, size_t size) {
  uint64_t room = limit - (written + buffer.size());
  if (size > room) size = static_cast<size_t>(room);
  buffer.append(data, size);
}

void log_out::stamp(int seconds) {
  char text[16];
  int minutes = seconds / 60;
  int rest = seconds % 60;
  char* end = std::to_chars(text + 8, text + 16, minutes).ptr;
  char* start = text + 8;
  while (end - start < 3) *--start = ' ';
  *end++ = ':';
  *end++ = static_cast<char>('0' + rest / 10);
  *end++ = static_cast<char>('0' + rest % 10);
  *end++ = ' ';
  take(start, static_cast<size_t>(end - start));
}

void log_out::text(std::string_view s) { take(s.data(), s.size()); }

void log_out::number(long n) {
  char text[24];
  char* end = std::to_chars(text, text + sizeof text, n).ptr;
  take(text, static_cast<size_t>(end - text));
}

void log_out::end_line() {
  if (crlf) take("\r\n", 2);
  else take("\n", 1);
  if (buffer.size() >= FLUSH_AT) flush();
}

bool log_out::flush() {
  if (!buffer.empty() && !failed) {
    failed = std::fwrite(buffer.data(), 1, buffer.size(), stream) !=
             buffer.size();
  }
  written += buffer.size();
  buffer.clear();
  return !failed;
}

std::string pool_name(uint32_t index, uint32_t variant) {
  uint64_t h = mix(index);
  uint32_t p = (index * 747796405u + 2891336453u) & 0xFFFFFu;
  std::string name;
  uint64_t colours = mix(h + variant);
  if (h % 10 < 2) name += TAGS[(h >> 8) % TAGS.size()];
  if (colours % 5 >= 2) add_colour(name, colours >> 8);
  bool caps = (h >> 16) % 9 == 0;
  for (int i = 0; i < 4; ++i) {
    const char* syllable = SYLLABLES[(p >> (5 * (3 - i))) & 31];
    for (const char* c = syllable; *c; ++c) {
      bool upper = caps || (i == 0 && c == syllable);
      name += upper ? static_cast<char>(*c - 'a' + 'A') : *c;
    }
    if (i == 1 && (h >> 20) % 6 == 0) name += ' ';
    if (i == 1 && colours % 5 == 4) add_colour(name, colours >> 16);
  }
  if ((h >> 24) % 7 == 0) name += std::to_string((h >> 32) % 100);
  return name;
}

double pool_strength(uint64_t seed, uint32_t index) {
  uint64_t state = mix(seed) ^ (uint64_t{index} << 32 | index);
  // Box-Muller; u1 is in (0, 1], so its logarithm is finite.
  double u1 = (static_cast<double>(splitmix64(state) >> 11) + 1) * 0x1.0p-53;
  double u2 = static_cast<double>(splitmix64(state) >> 11) * 0x1.0p-53;
  return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

std::string_view bot_name(uint32_t index) { return BOTS[index % BOT_NAMES]; }

}  // namespace loggen
