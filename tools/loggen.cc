// loggen: writes a deterministic, realistic game server log for tests and
// benchmarks. The same options always give the same bytes.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tools/loggen_game.h"
#include "tools/loggen_util.h"

namespace {

const char USAGE[] =
    "usage: loggen [options] [-o FILE]\n"
    "  --seed N       random seed (default 1)\n"
    "  --size N       write exactly N bytes (suffix K, M or G for KiB, MiB,\n"
    "                 GiB); the game at the end is cut off\n"
    "  --games N      write N complete games and a cut-off one (default 100)\n"
    "  --players N    most players in one game, 2 to 64 (default 16)\n"
    "  --stress       begin with one free-for-all game of 511 players\n"
    "  --names N      distinct player names in the pool, 1 to 1000000\n"
    "                 (default 2000)\n"
    "  --fresh P      per cent of players that take a name not used before,\n"
    "                 while there is one (default 30)\n"
    "  --minutes N    longest game in minutes (default: 8 to 20)\n"
    "  --crlf         end lines with carriage return and line feed\n"
  "  --strength[=SPREAD]\n"
  "                 give each pool player a hidden strength s (standard\n"
  "                 normal, fixed by the seed): a player kills with odds\n"
  "                 exp(SPREAD * s) and is killed with odds exp(-SPREAD * s)\n"
  "                 (SPREAD 0.01 to 10, default 1; bots have s = 0)\n"
  "  --strengths=FILE\n"
  "                 write \"name<TAB>s\" lines for the whole pool to FILE,\n"
  "                 the names as the log first writes them (implies\n"
  "                 --strength)\n"
    "  -o FILE        output file (default: standard output)\n";

bool parse_number(const char* text, uint64_t& value) {
  char* end = nullptr;
  errno = 0;
  unsigned long long n = std::strtoull(text, &end, 10);
  if (errno != 0 || end == text || text[0] == '-') return false;
  std::string_view suffix(end);
  int shift = suffix == "" ? 0 : suffix == "K" ? 10 : suffix == "M" ? 20
                             : suffix == "G" ? 30 : -1;
  if (shift < 0 || n > (~0ull >> shift)) return false;
  value = n << shift;
  return true;
}

// Takes the value of option `name`; false (with a message) when it is
// missing, not a number, or outside lo to hi.
bool take_value(int argc, char** argv, int& i, uint64_t lo, uint64_t hi,
                uint64_t& value) {
  if (i + 1 >= argc || !parse_number(argv[i + 1], value) || value < lo ||
      value > hi) {
    std::fprintf(stderr, "loggen: %s needs a number from %llu to %llu\n",
                 argv[i], static_cast<unsigned long long>(lo),
                 static_cast<unsigned long long>(hi));
    return false;
  }
  ++i;
  return true;
}

// --strength with an optional =SPREAD.
bool parse_strength(std::string_view arg, double& spread) {
  if (arg == "--strength") {
    spread = 1;
    return true;
  }
  std::string value(arg.substr(std::string_view("--strength=").size()));
  char* end = nullptr;
  spread = std::strtod(value.c_str(), &end);
  if (!value.empty() && *end == '\0' && spread >= 0.01 && spread <= 10) {
    return true;
  }
  std::fputs("loggen: --strength=SPREAD needs a number from 0.01 to 10\n",
             stderr);
  return false;
}

bool parse_options(int argc, char** argv, loggen::settings& config,
                   std::string& output, std::string& strengths) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    uint64_t n = 0;
    bool ok = true;
    if (arg == "--stress") {
      config.stress = true;
    } else if (arg == "--crlf") {
      config.crlf = true;
    } else if (arg == "--strength" || arg.starts_with("--strength=")) {
      ok = parse_strength(arg, config.strength);
    } else if (arg.starts_with("--strengths=") && arg.size() > 12) {
      strengths = arg.substr(12);
    } else if (arg == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (arg == "--seed") {
      ok = take_value(argc, argv, i, 0, ~0ull, config.seed);
    } else if (arg == "--size") {
      ok = take_value(argc, argv, i, 1, ~0ull, config.size);
    } else if (arg == "--games") {
      ok = take_value(argc, argv, i, 0, 100000000, n);
      config.games = static_cast<long>(n);
    } else if (arg == "--players") {
      ok = take_value(argc, argv, i, 2, 64, n);
      config.players = static_cast<int>(n);
    } else if (arg == "--names") {
      ok = take_value(argc, argv, i, 1, loggen::MAX_POOL, n);
      config.names = static_cast<uint32_t>(n);
    } else if (arg == "--fresh") {
      ok = take_value(argc, argv, i, 0, 100, n);
      config.fresh = static_cast<int>(n);
    } else if (arg == "--minutes") {
      ok = take_value(argc, argv, i, 1, 1000, n);
      config.minutes = static_cast<int>(n);
    } else {
      std::fputs(USAGE, stderr);
      return false;
    }
    if (!ok) return false;
  }
  if (!strengths.empty() && config.strength <= 0) config.strength = 1;
  return true;
}

// The hidden strength of every pool entry, under its first name.
bool write_strengths(const loggen::settings& config, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    std::fprintf(stderr, "loggen: cannot write %s: %s\n", path.c_str(),
                 std::strerror(errno));
    return false;
  }
  for (uint32_t i = 0; i < config.names; ++i) {
    std::fprintf(file, "%s\t%.6f\n", loggen::pool_name(i, 0).c_str(),
                 loggen::pool_strength(config.seed, i));
  }
  if (std::fclose(file) == 0) return true;
  std::fprintf(stderr, "loggen: write error on %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  loggen::settings config;
  std::string output, strengths;
  if (!parse_options(argc, argv, config, output, strengths)) return 2;
  if (!strengths.empty() && !write_strengths(config, strengths)) return 1;
  FILE* stream = output.empty() ? stdout : std::fopen(output.c_str(), "wb");
  if (stream == nullptr) {
    std::fprintf(stderr, "loggen: cannot write %s: %s\n", output.c_str(),
                 std::strerror(errno));
    return 1;
  }
  bool ok;
  {
    loggen::log_out out(stream, config.size > 0 ? config.size : ~0ull,
                        config.crlf);
    loggen::write_log(config, out);
    ok = out.flush();
  }
  if (stream != stdout) ok = std::fclose(stream) == 0 && ok;
  else ok = std::fflush(stdout) == 0 && ok;
  if (!ok) std::fprintf(stderr, "loggen: write error\n");
  return ok ? 0 : 1;
}
