// The classic site's folders, stylesheet, game lists, data files, ranking
// pages and export, committed in the run's order under temporary names.
#include "output/site.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

#include "config/configdata.h"
#include "diverse/deltree.h"
#include "diverse/fatal_error.h"
#include "output/datafile.h"
#include "output/game_index.h"
#include "output/game_output.h"
#include "output/game_page.h"
#include "output/json_export.h"
#include "output/ranking_page.h"
#include "output/site_folder.h"
#include "output/site_nav.h"
#include "stats/resultdata_total.h"

namespace {

const char* const STYLESHEET = "morv.css";
const char* const JSON_NAME = "morv.json";
const char* const LOCK_NAME = ".morv.lock";
const char* const MANIFEST_NAME = ".morv-manifest";

// The output folder and the modern site's parent folder, held open for the
// fatal and signal exits.
std::atomic<int> cleanup_folder{-1};
std::atomic<int> cleanup_site_parent{-1};

// The whole file in the current folder; false when it cannot be opened,
// fatal "Couldn't read %s" when it cannot be read to its end.
bool read_whole_file(const char* name, std::string& bytes) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, n);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) fatal_error("Couldn't read %s", name);
  return true;
}

bool file_opens(int folder, const char* name) {
  const int file = ::openat(folder, name, O_RDONLY | O_CLOEXEC);
  if (file < 0) return false;
  ::close(file);
  return true;
}

// Copies the start folder's stylesheet into folder as name; false when it
// cannot be written completely, and then no half stylesheet is left.
bool write_stylesheet(int folder, const std::string& name,
                      const std::string& bytes) {
  outputfile file;
  file.open_at(folder, name.c_str(), name, outputfile::open_mode::create,
               outputfile::failures::kept);
  file.write(bytes);
  file.close();
  if (file.result() == outputfile::save_result::saved) return true;
  ::unlinkat(folder, name.c_str(), 0);
  return false;
}

bool same_folder(int a, int b) {
  struct stat first, second;
  return ::fstat(a, &first) == 0 && ::fstatat(b, ".", &second, 0) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

site::site(configdata& config)
    : config(config), prefix(temporary_prefix(::getpid())) {}

site::~site() {
  if (lock >= 0) ::close(lock);
}

std::string site::shown(const std::string& name) const {
  if (!config.uses_output_folder()) return name;
  std::string path = config.output_directory;
  if (path.back() != '/') path += '/';
  return path + name;
}

std::string site::temporary(const std::string& name) {
  published.push_back(name);
  return prefix + name;
}

void site::start_datafile() {
  outputfile file;
  const std::string name = prefix + DATAFILE_NAME;
  file.open_at(AT_FDCWD, name.c_str(), DATAFILE_NAME);
  file.close();
  start_datafile_started = true;
}

// Another thread may still be making pages in a temporary folder: it is
// emptied again until it can be removed (then nothing more can be made in
// it).
void site::remove_temporaries() {
  outputfile::stop_making_files();
  const int folders[] = {AT_FDCWD, cleanup_folder.load(),
                         cleanup_site_parent.load()};
  const std::string own = temporary_prefix(::getpid()) + "*";
  for (int round = 0; round < 1000; ++round) {
    bool clean = true;
    for (int folder : folders) {
      if (folder == -1) continue;
      remove_temporaries_in(folder, false);
      clean = clean && diverse::entries_matching(folder, own.c_str()).empty();
    }
    if (clean) break;
  }
  // A thread may have been between its last look at the flag and making
  // its file.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  for (int folder : folders) {
    if (folder != -1) remove_temporaries_in(folder, false);
  }
}

void site::watch_folder(int folder) { cleanup_site_parent = folder; }

void site::prepare() {
  std::string start_css;
  if (config.uses_output_folder() && read_whole_file(STYLESHEET, start_css)) {
    config.css_present = true;
    std::printf("Reading morv.css\n");
  }
  // Missing parent folders are made too, as mkdir -p does.
  const std::string& path =
      config.uses_output_folder() ? config.output_directory : ".";
  if (config.uses_output_folder()) diverse::make_folders(path);
  output = diverse::folder_handle(path);
  if (!output.is_open()) fatal_error("Couldn't open %s", path.c_str());
  output_is_start = same_folder(output.descriptor(), AT_FDCWD);
  take_lock();
  remove_temporaries_in(output.descriptor(), true);
  if (!output_is_start) remove_temporaries_in(AT_FDCWD, true);
  cleanup_folder = output.descriptor();
  if (config.classic_pages()) settle_stylesheet(start_css);
  if (config.json_export) start_export();
}

// A second run on the same output folder waits for the first, or with
// --quiet (a scheduled run) gives up at once.
void site::take_lock() {
  lock = ::openat(output.descriptor(), LOCK_NAME,
                  O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (lock < 0) fatal_error("Couldn't open %s", shown(LOCK_NAME).c_str());
  const int how = config.quiet ? LOCK_EX | LOCK_NB : LOCK_EX;
  while (::flock(lock, how) != 0) {
    if (errno == EINTR) continue;
    fatal_error("Another run of morv is writing %s",
                config.uses_output_folder() ? config.output_directory.c_str()
                                            : "the current folder");
  }
}

void site::settle_stylesheet(const std::string& start_css) {
  const int folder = output.descriptor();
  if (config.css_present) {
    if (file_opens(folder, STYLESHEET)) {
      std::printf("\nUsing existing stylesheet file morv.css");
    } else if (!write_stylesheet(folder, temporary(STYLESHEET), start_css)) {
      published.pop_back();
      std::printf("\nCouldn't write morv.css, using default stylesheets");
      config.css_present = false;
    } else {
      std::printf("\nCopied stylesheet file morv.css to results folder");
    }
  } else if (file_opens(folder, STYLESHEET)) {
    std::printf("\nUsing existing stylesheet file morv.css");
    config.css_present = true;
  } else {
    std::printf("\nNo morv.css found, using default stylesheets");
  }
  std::printf("\n");
}

// The document is written beside its target under a temporary name and
// put in place with the site; a target that exists and is not a regular
// file (a device, a pipe; "-" for standard output) is written through.
void site::start_export() {
  json_export::destination document;
  if (config.json_path.empty()) {
    json_target = shown(JSON_NAME);
    document = {json_target, false, json_target};
  } else if (config.json_path == "-") {
    document = {"/dev/fd/" + std::to_string(quiet_stdout()), true, "-"};
  } else {
    json_target = config.json_path;
    document = {json_target, false, json_target};
  }
  struct stat existing;
  if (!json_target.empty() && ::stat(json_target.c_str(), &existing) == 0 &&
      !S_ISREG(existing.st_mode)) {
    document.write_through = true;
    json_target.clear();
  }
  if (!document.write_through) {
    const size_t slash = json_target.find_last_of('/');
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    json_temporary =
        json_target.substr(0, base) + prefix + json_target.substr(base);
    document.path = json_temporary;
  }
  json = std::make_unique<json_export>(config, document,
                                       shown(prefix + JSON_NAME + ".games"));
}

void site::begin_log(const std::string& path, int64_t bytes) {
  if (json) json->begin_log(path, bytes);
}

void site::end_log(const line_report& report) {
  if (json) json->end_log(report);
}

int site::number_game() {
  const int number = ++games_numbered;
  // The games folder was emptied away before the first log; the first game
  // makes it again, and every later game finds it.
  if (number == 1 && config.classic_pages()) {
    const std::string name = temporary(GAMES_FOLDER);
    diverse::make_folder_at(output.descriptor(), name);
    games = diverse::folder_handle(name, output.descriptor());
  }
  return number;
}

void site::commit_game(game_output& game) {
  const int per_page = games_per_list_page(config);
  const bool classic = config.classic_pages();
  if (classic && !games.is_open()) {
    fatal_error("Couldn't open %s", shown(GAMES_FOLDER).c_str());
  }
  if (classic && (game.number - 1) % per_page == 0) {
    start_game_list_page(game.number);
  }
  if (classic) game.list_entry.copy_to(game_list_page);
  outputfile::report_saving(
      game.page_saved,
      shown(std::string(GAMES_FOLDER) + "/" + game_page_name(game.number)));
  if (json) json->add_game(game.json_game);
  if (config.write_datafile) game.player_lines.copy_to(output_datafile_file());
  if (classic && game.number % per_page == 0) finish_game_list_page();
  if (config.write_datafile) {
    game.datafile_block.copy_to(start_datafile_file());
  }
}

// The data files are appended to game by game, as the classic run did:
// with the output folder also the start folder, both texts go to one file,
// each game's player lines before its block.
outputfile& site::start_datafile_file() {
  if (!start_datafile_text.is_open()) {
    open_datafile(AT_FDCWD, start_datafile_text, start_datafile_started);
  }
  return start_datafile_text;
}

outputfile& site::output_datafile_file() {
  if (output_is_start) return start_datafile_file();
  if (!output_datafile_text.is_open()) {
    open_datafile(output.descriptor(), output_datafile_text,
                  output_datafile_started);
  }
  return output_datafile_text;
}

void site::open_datafile(int folder, outputfile& file, bool& started) {
  const std::string name = prefix + DATAFILE_NAME;
  const std::string what =
      folder == AT_FDCWD ? std::string(DATAFILE_NAME) : shown(DATAFILE_NAME);
  if (!started) {
    file.open_at(folder, name.c_str(), what);
    const int published_file =
        ::openat(folder, DATAFILE_NAME, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (published_file >= 0) {
      char block[65536];
      ssize_t n;
      while ((n = ::read(published_file, block, sizeof block)) > 0) {
        file.write(std::string_view(block, static_cast<size_t>(n)));
      }
      ::close(published_file);
      if (n < 0) fatal_error("Couldn't read %s", what.c_str());
    }
    file.close();
    started = true;
  }
  file.open_at(folder, name.c_str(), what, outputfile::open_mode::append);
}

void site::close_datafiles() {
  start_datafile_text.close();
  output_datafile_text.close();
}

void site::start_game_list_page(int number) {
  const std::string name =
      "games" + std::to_string(game_list_page_of(config, number)) + ".htm";
  game_list_page.open_at(games.descriptor(), name.c_str(),
                         shown(std::string(GAMES_FOLDER) + "/" + name));
  write_game_list_head(game_list_page, config);
}

void site::finish_game_list_page() {
  write_game_list_foot(game_list_page);
  game_list_page.close();
}

void site::finish_games() {
  if (!config.classic_pages()) return;
  if (game_list_page.is_open()) finish_game_list_page();
  outputfile index;
  index.open_at(output.descriptor(), temporary("games.htm").c_str(),
                shown("games.htm"));
  write_game_index(index, config, games_numbered);
  index.close();
}

void site::write_rankings(const run_rankings& rankings) {
  if (!config.classic_pages()) {
    if (json) json->set_players(rankings.main_order, rankings.weapon_names);
    if (json) json->set_awards(rankings.awards);
    return;
  }
  for (const run_rankings::set& set : rankings.sets) {
    const std::string prefix = set.n == 0 ? "" : "top_";
    for (const ranking_table& table : set.tables) {
      const std::string name = prefix + ranking_page_base_name(table.page_key);
      outputfile file;
      file.open_at(output.descriptor(), temporary(name).c_str(), shown(name));
      std::printf("\nWriting player stats to \"%s\"", name.c_str());
      for (int k = 0; k < table.sorts; ++k) {
        resultdata_total::print_sort_display(
            static_cast<int>(rankings.main_order.size()));
      }
      write_ranking_page(file, config,
                         {table.rows, table.sort_key, set.n, games_numbered});
      file.close();
    }
  }
  if (json) json->set_players(rankings.main_order, rankings.weapon_names);
  if (json) json->set_awards(rankings.awards);
}

int site::open_players_folder() {
  const std::string name = temporary(PLAYERS_FOLDER);
  diverse::make_folder_at(output.descriptor(), name);
  players = diverse::folder_handle(name, output.descriptor());
  if (!players.is_open()) {
    fatal_error("Couldn't open %s", shown(PLAYERS_FOLDER).c_str());
  }
  return players.descriptor();
}

std::string site::chat_log_file() { return temporary("chat.htm"); }

void site::finish_export() {
  if (!json) return;
  const unsigned long long size = json->finish();
  // The path as seen from the start folder, as the options name it.
  std::string shown = config.json_path;
  if (shown.empty()) {
    if (config.uses_output_folder()) {
      shown = config.output_directory;
      if (shown.back() != '/') shown += '/';
    }
    shown += JSON_NAME;
  }
  std::printf("\nWrote %s [%llu byte]", shown.c_str(), size);
}

// The sub-folders first, each swapped with the published one at once; then
// the files, each replacing its published version (or a link there) by
// rename; then what the previous run wrote and this one did not.
void site::publish() {
  close_datafiles();
  // What lies outside the output folder first: a failure there leaves the
  // site as it was.
  if (config.write_datafile && start_datafile_started) {
    const std::string from = prefix + DATAFILE_NAME;
    if (::rename(from.c_str(), DATAFILE_NAME) != 0) {
      fatal_error("Couldn't write %s", DATAFILE_NAME);
    }
  }
  if (json && !json_temporary.empty() &&
      std::rename(json_temporary.c_str(), json_target.c_str()) != 0) {
    fatal_error("Couldn't write %s", json_target.c_str());
  }
  json.reset();
  const int folder = output.descriptor();
  if (config.write_datafile && output_datafile_started) {
    const std::string from = prefix + DATAFILE_NAME;
    if (::renameat(folder, from.c_str(), folder, DATAFILE_NAME) != 0) {
      fatal_error("Couldn't write %s", shown(DATAFILE_NAME).c_str());
    }
  }
  if (config.classic_pages()) {
    replace_folder(GAMES_FOLDER);
    replace_folder(PLAYERS_FOLDER);
  }
  for (const std::string& name : published) {
    if (name == GAMES_FOLDER || name == PLAYERS_FOLDER) continue;
    const std::string from = prefix + name;
    if (::renameat(folder, from.c_str(), folder, name.c_str()) != 0) {
      fatal_error("Couldn't write %s", shown(name).c_str());
    }
  }
  remove_stale_files();
}

void site::replace_folder(const char* name) {
  const int folder = output.descriptor();
  const std::string from = prefix + name;
  bool made = false;
  for (const std::string& entry : published) made = made || entry == name;
  if (!made) {
    // A run without games leaves no games folder, as the classic run.
    diverse::remove_tree(folder, name);
    return;
  }
  if (::renameat2(folder, from.c_str(), folder, name, RENAME_EXCHANGE) == 0) {
    diverse::remove_tree(folder, from);
  } else if (::renameat(folder, from.c_str(), folder, name) != 0) {
    fatal_error("Couldn't write %s", shown(name).c_str());
  }
}

// The manifest lists the files of the output folder that the last run
// wrote. A stylesheet is never removed: the user may have put it there.
void site::remove_stale_files() {
  const int folder = output.descriptor();
  std::vector<std::string> written = published;
  if (config.write_datafile && (output_datafile_started || output_is_start)) {
    written.push_back(DATAFILE_NAME);
  }
  if (!json_target.empty() && json_target == shown(JSON_NAME)) {
    written.push_back(JSON_NAME);
  }
  std::string previous;
  diverse::read_file_at(folder, MANIFEST_NAME, previous);
  size_t start = 0;
  while (start < previous.size()) {
    size_t end = previous.find('\n', start);
    if (end == std::string::npos) end = previous.size();
    const std::string name = previous.substr(start, end - start);
    start = end + 1;
    if (name.empty() || name == STYLESHEET ||
        name.find('/') != std::string::npos || name[0] == '.') {
      continue;
    }
    bool kept = false;
    for (const std::string& entry : written) kept = kept || entry == name;
    // Without the classic pages, the classic files stay, and stay listed.
    if (!kept && !config.classic_pages()) written.push_back(name);
    if (!kept && config.classic_pages()) ::unlinkat(folder, name.c_str(), 0);
  }
  outputfile manifest;
  const std::string temporary_manifest = prefix + MANIFEST_NAME;
  manifest.open_at(folder, temporary_manifest.c_str(), shown(MANIFEST_NAME));
  for (const std::string& name : written) manifest.write(name + "\n");
  manifest.close();
  if (::renameat(folder, temporary_manifest.c_str(), folder, MANIFEST_NAME) !=
      0) {
    fatal_error("Couldn't write %s", shown(MANIFEST_NAME).c_str());
  }
}
