// The run sequence of morv_main: usage, banner, settings, analysis, timing.
#include "main/morv_main.h"

#include <pthread.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

#include "analyzelog/chat_log.h"
#include "diverse/fatal_error.h"
#include "diverse/folders.h"
#include "output/page_frame.h"
#include "output/site.h"
#include "stats/resultdata_total.h"

namespace {

constexpr const char* MORV_CREDIT = "Copyright (c) the Morv authors";

// Milliseconds on a clock that never goes back.
long long clock_milliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch())
      .count();
}

// The text quoted for the POSIX shell.
std::string shell_quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

// The program was made for a system whose command interpreter opens a page
// with "start players.htm". Here the desktop's opener does that, when there
// is one, for the ranking page in the output folder (where the run wrote
// it); without an opener or a page nothing happens.
void open_results_page(const configdata& cfg) {
  std::string page = "players.htm";
  if (cfg.uses_output_folder()) page = cfg.output_directory + "/" + page;
  if (!diverse::is_regular_file(page) || std::system(nullptr) == 0) return;
  if (std::system("command -v xdg-open >/dev/null 2>&1") != 0) return;
  std::string command = "xdg-open " + shell_quoted(page) + " >/dev/null 2>&1";
  [[maybe_unused]] int unchecked = std::system(command.c_str());
}

// SIGINT and SIGTERM end the run as a fatal error does, leaving the
// published site as it was: one thread waits for them (blocked in every
// other thread), removes the run's temporary files and exits with 128 and
// the signal's number.
void watch_for_signals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  if (pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0) return;
  try {
    std::thread([signals] {
      int received = 0;
      while (sigwait(&signals, &received) != 0) {
      }
      site::remove_temporaries();
      std::_Exit(128 + received);
    }).detach();
  } catch (const std::system_error&) {
    pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
  }
}

}  // namespace

morv_main::morv_main() = default;
morv_main::~morv_main() {
  if (reading_run == this) reading_run = nullptr;
}

void morv_main::run(int argc, char** argv) {
  if (argc < 2) usage();
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h" || argument == "-H") help();
    if (argument == "--version") version();
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--quiet" || argument == "--json=-") set_quiet_console();
  }
  banner();
  long long start = clock_milliseconds();
  // The first pass lets cfg: choose the configuration file.
  cfg.parse_commandline(argc, argv, true);
  choose_cfg_file();
  std::printf("\nReading CFG: %s", cfg.cfg_filename.c_str());
  if (cfg.cfg_required && !diverse::is_regular_file(cfg.cfg_filename)) {
    usage_error("Couldn't open %s", cfg.cfg_filename.c_str());
  }
  cfg.read_cfg(cfg.cfg_filename);
  std::printf("\n");
  cfg.parse_commandline(argc, argv);
  // The chat log is a classic page.
  if (cfg.no_classic) cfg.write_chatlog = false;
  watch_for_signals();
  set_fatal_cleanup(&site::remove_temporaries);
  output = std::make_unique<site>(cfg);
  // Each game's block is appended later; start from an empty file.
  if (cfg.write_datafile) output->start_datafile();
  cfg.print_settings();
  analyze_files(cfg.logfile_args);
  long long end = clock_milliseconds();
  std::printf("\n%.2f seconds elapsed", static_cast<double>(end - start) / 1000.0);
  if (cfg.open_results) open_results_page(cfg);
}

// Without a file named on the command line or ./morv.cfg, an installed
// Morv reads the system's configuration when there is one.
void morv_main::choose_cfg_file() {
#ifdef MORV_SYSTEM_CONFIG
  if (cfg.cfg_required || cfg.cfg_named) return;
  if (!diverse::is_regular_file(cfg.cfg_filename) &&
      diverse::is_regular_file(MORV_SYSTEM_CONFIG)) {
    cfg.cfg_filename = MORV_SYSTEM_CONFIG;
  }
#endif
}

void morv_main::usage() {
  print_banner_and_usage();
  std::exit(1);
}

void morv_main::help() {
  banner();
  configdata::print_long_options();
  std::exit(0);
}

void morv_main::print_banner_and_usage() {
  banner();
  cfg.print_usage();
  std::printf(
      "\n\nOptions can be specified in upper or lower case with the prefix "
      "'/' or '-'");
  std::printf("\n");
}

void morv_main::version() {
  std::printf("morv %s\n%s\n", MORV_VERSION, MORV_CREDIT);
  std::exit(0);
}

void morv_main::banner() {
  std::printf("\n%s %s, %s\n%s\n", MORV_TITLE, MORV_BUILD, MORV_BUILD_DATE,
              MORV_CREDIT);
}
