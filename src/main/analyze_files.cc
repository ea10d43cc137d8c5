// The analysis: each log file's games read, finished, rendered beside the
// reader and committed in order; then the pages that need every game.
#include <sys/stat.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analyzelog/analyzelog.h"
#include "analyzelog/chat_log.h"
#include "diverse/fatal_error.h"
#include "diverse/folders.h"
#include "diverse/log_input.h"
#include "main/morv_main.h"
#include "output/player_page_writer.h"
#include "output/site.h"
#include "stats/resultdata.h"
#include "stats/resultdata_total.h"

namespace {

// Games of up to MAX_RENDERED_BESIDE players are rendered on the second
// thread, so that the reader and the pages share the two cores. A larger
// game is rare, and its copy and in-memory texts (kill matrices, data file
// block) would run to many megabytes: it is rendered at once.
constexpr int MAX_RENDERED_BESIDE = 64;
// Games submitted and not yet committed: enough that the reader seldom
// waits for a game that takes long to render.
constexpr size_t MAX_PENDING_GAMES = 3;

// Splits the log file argument into its folder part (kept as typed, ""
// for the start folder) and its name pattern.
void split_log_argument(const std::string& argument, std::string& folder,
                        std::string& pattern) {
  size_t slash = argument.find_last_of('/');
  if (slash == std::string::npos) {
    folder.clear();
    pattern = argument;
  } else {
    folder = argument.substr(0, slash + 1);
    pattern = argument.substr(slash + 1);
  }
}

// True when entry, listed a moment ago, is gone (a link whose target is
// missing is still there).
bool vanished(const std::string& path) {
  struct stat status;
  return ::lstat(path.c_str(), &status) != 0 && errno == ENOENT;
}

void warn_gone(const std::string& path) {
  warning("logfile %s disappeared before it was read\n", path.c_str());
}

}  // namespace

morv_main* morv_main::reading_run = nullptr;

void morv_main::analyze_files(const std::vector<std::string>& log_arguments) {
  if (!output) output = std::make_unique<site>(cfg);
  output->prepare();
  if (!cfg.site_directory.empty()) {
    modern = std::make_unique<modern::modern_site>(cfg);
    modern->prepare();
  }
  chatlog = std::make_unique<chat_log>(
      output->output_folder(),
      cfg.write_chatlog ? output->chat_log_file() : "chat.htm");
  totals = std::make_unique<resultdata_total>(cfg);
  rendering = std::make_unique<diverse::ordered_queue<rendered_game>>();
  reading_run = this;

  for (const std::string& argument : log_arguments) {
    const int matched = analyze_matching_files(argument);
    // With several log file arguments one that matches nothing is no
    // reason to stop; with one, the run ends below as it always has.
    if (matched == 0 && log_arguments.size() > 1) {
      warning("no logfile matches %s\n", argument.c_str());
    }
  }
  reading_run = nullptr;
  rendering.reset();
  chatlog->finish();
  if (logfile_count == 0) fatal_error("No logfiles found");
  std::printf("\n");

  output->finish_games();
  write_player_pages();
  output->finish_export();
  output->publish();
  if (modern) modern->publish();
  modern.reset();
  totals.reset();
  chatlog.reset();
  output.reset();
}

int morv_main::analyze_matching_files(const std::string& log_argument) {
  if (log_argument == "-") {
    diverse::log_input input;
    if (!input.open("-")) fatal_error("Couldn't read standard input");
    ++logfile_count;
    analyze("-", input);
    return 1;
  }
  std::string folder, pattern;
  split_log_argument(log_argument, folder, pattern);
  // Files listed by a wildcard may go before they are read (a log rotated
  // while the ones before it are read): they are skipped with a warning.
  // A file named as it is must be read.
  const bool wildcard = pattern.find_first_of("*?") != std::string::npos;
  std::vector<std::string> names =
      diverse::matching_entries(folder.empty() ? "." : folder, pattern);
  diverse::sort_rotated_logs(names);
  int matched = 0;
  for (const std::string& name : names) {
    if (name[0] == '.') continue;
    const std::string path = folder + name;
    if (!diverse::is_regular_file(path)) {
      if (wildcard && vanished(path)) warn_gone(path);
      continue;
    }
    diverse::log_input input;
    if (!input.open(path)) {
      if (!wildcard || errno != ENOENT) {
        fatal_error("Couldn't open %s", path.c_str());
      }
      warn_gone(path);
      continue;
    }
    ++matched;
    ++logfile_count;
    analyze(path, input);
  }
  return matched;
}

void morv_main::analyze(const std::string& path, diverse::log_input& input) {
  const int64_t size = input.size();
  std::printf("\nParsing %s [%" PRId64 " byte]", path.c_str(), size);
  output->begin_log(path, size);
  std::printf("\n- Writing game stats        ");

  auto game = std::make_unique<resultdata>(cfg);
  game->warned_weapons = warned_weapons;
  auto reader = std::make_unique<analyzelog>(input.stream(), *game, cfg,
                                             *chatlog, ignore_events);
  for (;;) {
    game->reset();
    // A fatal error of the reader comes after the games before it: what
    // came of them is reported first.
    set_fatal_first(&commit_pending_games_first);
    const int finished = reader->parse();
    set_fatal_first(nullptr);
    if (finished == 0) break;
    std::printf("\b\b\b\b\b\b\b(%3i %%)", input.percent(reader->position()));
    if (!game->finish()) continue;
    std::vector<int> numbers = totals->add_game(*game);
    // Rated in run order, before the game is copied for its pages.
    totals->rate_game(*game, numbers);
    pass_game(*game, path, std::move(numbers));
  }
  commit_pending_games();
  input.check_end();
  output->end_log(reader->reading_report());
  std::printf("\b\b\b\b\b\b\b(100 %%)");
  if (cfg.write_datafile) std::printf("\nWriting morvdata.txt");
  reader.reset();
  game.reset();
}

void morv_main::commit_pending_games_first() {
  if (reading_run != nullptr) reading_run->commit_pending_games();
}

void morv_main::pass_game(const resultdata& game, const std::string& log_path,
                          std::vector<int> player_numbers) {
  const int number = output->number_game();
  // The heading of the chat that follows this game.
  if (cfg.write_chatlog) chatlog->write_game_heading(number + 1);
  std::optional<modern::game_page_context> page;
  if (modern) page.emplace(modern->add_game(game, player_numbers, *totals, number));
  const run_context context{cfg,
                            number,
                            output->games_folder(),
                            cfg.json_export,
                            cfg.classic_pages(),
                            log_path,
                            std::move(player_numbers)};
  const bool beside = game.num_players <= MAX_RENDERED_BESIDE;
  std::shared_ptr<const resultdata> copy;
  if (beside || modern) copy = resultdata::copy_of_finished(game);
  if (modern) modern->keep_latest(copy, *page);
  auto render = [context, page](const resultdata& record) {
    rendered_game rendered{render_game(record, context)};
    if (page) rendered.modern = modern::write_game_page(record, *page);
    return rendered;
  };
  if (!beside) {
    commit_pending_games();
    commit_game(render(game));
    return;
  }
  if (rendering->pending() == MAX_PENDING_GAMES) commit_oldest_game();
  rendering->submit([copy, render] { return render(*copy); });
}

void morv_main::commit_game(rendered_game game) {
  output->commit_game(*game.classic);
  if (modern) modern->report_game(game.modern, game.classic->number);
}

void morv_main::commit_oldest_game() { commit_game(rendering->next()); }

void morv_main::commit_pending_games() {
  while (rendering->pending() > 0) commit_oldest_game();
}

void morv_main::write_player_pages() {
  diverse::ordered_queue<outputfile::save_result> work;
  // The opponents are sorted for the player pages in two halves, beside
  // the ranking sorts and pages, which neither read nor move them.
  for (std::vector<player_t*>& half : totals->opponent_owner_halves()) {
    work.submit([this, owners = std::move(half)] {
      totals->sort_opponents(owners);
      return outputfile::save_result::saved;
    });
  }
  const run_rankings rankings = totals->rankings();
  output->write_rankings(rankings);
  work.next();
  work.next();
  totals->finish_opponents();
  if (modern) {
    modern->write_pages(*totals, rankings.main_order, rankings.awards);
  }
  if (cfg.classic_pages()) write_classic_player_pages(work);
}

void morv_main::write_classic_player_pages(
    diverse::ordered_queue<outputfile::save_result>& work) {
  const int folder = output->open_players_folder();
  std::printf("\nWriting per player stats        ");
  // The listed players in order, each with its place among all players
  // (for the progress figure).
  std::vector<std::pair<const player_t*, int64_t>> listed;
  int64_t visited = 0;
  for (const auto& player : totals->players) {
    ++visited;
    if (player->listed) listed.emplace_back(player.get(), visited);
  }
  for (const auto& [player, place] : listed) {
    work.submit([this, folder, player = player] {
      return save_player_page(folder, *totals, cfg, *player);
    });
  }
  for (const auto& [player, place] : listed) {
    std::printf("\b\b\b\b\b\b\b(%3i %%)",
                static_cast<int>(place * 100 / visited));
    outputfile::report_saving(work.next(), player_page_name(*player));
  }
  std::printf("\b\b\b\b\b\b\b(100 %%)");
  std::printf("\n");
}
