// The per-player pages: Player info, Weapon stats and Player vs player
// stats of one run-wide record.
#ifndef MORV_OUTPUT_PLAYER_PAGE_WRITER_H_
#define MORV_OUTPUT_PLAYER_PAGE_WRITER_H_

#include <string>

#include "diverse/outputfile.h"

class configdata;
class player_t;
class resultdata_total;

// Writes into one open page; owns nothing it refers to. The totals must
// be finished (resultdata_total::finish_opponents) before.
class player_page_writer {
 public:
  player_page_writer(const resultdata_total& totals, const configdata& config,
                     outputfile& file)
      : totals(totals), config(config), file(file) {}

  // Sections (player_sections.cc, weapon_stats.cc).
  void write_player_info(const player_t& player) const;
  void write_weapon_stats(const player_t& player) const;
  void write_p2p(const player_t& player) const;

 private:
  const resultdata_total& totals;
  const configdata& config;
  outputfile& file;
};

// The page's file name, player_<number>.htm in the players folder.
std::string player_page_name(const player_t& player);
// Writes the page of player into file (open, or in memory).
void write_player_page(outputfile& file, const resultdata_total& totals,
                       const configdata& config, const player_t& player);
// Writes the page of player into its file in the players folder held open
// as folder, on any thread: a failure is returned, not reported.
outputfile::save_result save_player_page(int folder,
                                         const resultdata_total& totals,
                                         const configdata& config,
                                         const player_t& player);

#endif  // MORV_OUTPUT_PLAYER_PAGE_WRITER_H_
