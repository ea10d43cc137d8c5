// The data export of --json: every game and player of the run as one JSON
// document, written as the run goes.
#ifndef MORV_OUTPUT_JSON_EXPORT_H_
#define MORV_OUTPUT_JSON_EXPORT_H_

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "diverse/outputfile.h"
#include "stats/weapons.h"

struct award_winner;
class configdata;
class line_report;
class player_t;

// One per run with --json, owned by the driver. The document lists the
// logs, with their game counts, before the games, so each game goes to a
// spool file as its page is written, and finish assembles the document
// with the spool copied in blocks: memory holds one game at a time. The
// games' players carry their run-wide numbers as marks (PLAYER_MARK),
// which finish replaces once the rankings have said who is listed.
class json_export {
 public:
  // A log file read: its file name, its size, its games with a page.
  struct log_entry {
    std::string path;
    int64_t bytes;
    int games;
    std::vector<std::pair<std::string, int64_t>> ignored_lines;
  };

  // Where the document goes: a file made under a name of its own (which
  // the caller renames into place), or a file written through as it is
  // (a device, standard output through /dev/fd). shown names the
  // document in messages.
  struct destination {
    std::string path;
    bool write_through;
    std::string shown;
  };
  // Opens the spool, a file of its own at spool_path; fatal "Couldn't open
  // %s".
  json_export(const configdata& config, destination document,
              std::string spool_path);
  // Removes the spool, and the document of an export that did not finish
  // when it was made under a name of its own (a fatal error in a test or
  // fuzz run).
  ~json_export();
  json_export(const json_export&) = delete;
  json_export& operator=(const json_export&) = delete;

  // The next log file, its path as given (the export keeps its file name
  // only) and its size; its games follow.
  void begin_log(const std::string& path, int64_t bytes);
  // The current log's reading report: the lines it left unread, by type.
  void end_log(const line_report& report);
  // Spools a game's JSON object (in memory, and closed here), rendered
  // with the game's page, as the next game of the current log.
  void add_game(outputfile& json_object);
  // The run-wide players in the order the document lists them, that of
  // players.htm: every player, each with its number and listed flag final
  // (the games' player numbers go by them); they must live until finish.
  void set_players(std::vector<const player_t*> order,
                   const std::array<std::string, MAX_WEAPONS>& weapon_names);
  // The all-time awards (players by run-wide number), written after the
  // players.
  void set_awards(std::vector<award_winner> winners);
  // Writes the document (run-wide players in the order set, with their
  // opponents, which must be finished for every player) and removes the
  // spool; fatal "Couldn't write %s" when it cannot be completed, or
  // "Couldn't read %s" with the spool when that cannot be read back.
  // Returns its size in bytes.
  uint64_t finish();

 private:
  const configdata& config;
  const destination document;
  const std::string spool_name;
  bool finished = false;
  outputfile spool;
  int spooled_games = 0;
  std::vector<log_entry> logs;
  std::vector<const player_t*> players;
  std::array<std::string, MAX_WEAPONS> weapon_names;
  std::vector<award_winner> awards;
};

#endif  // MORV_OUTPUT_JSON_EXPORT_H_
