// The JSON writer of the data export (RapidJSON's streaming Writer) and the
// writers of a game and of a run-wide player.
#ifndef MORV_OUTPUT_JSON_WRITER_H_
#define MORV_OUTPUT_JSON_WRITER_H_

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "diverse/outputfile.h"
#include "stats/weapons.h"
#include "stats/rating_model.h"

struct award_winner;
class configdata;
struct game_mod_figures;
struct player_mod_figures;
class player_t;
class resultdata;

// The export's text collects in a RapidJSON string buffer, which the
// export moves to its file after each game and every few players.
using json_writer = rapidjson::Writer<rapidjson::StringBuffer>;

// Appends what buffer holds to file and empties it; the writer on the
// buffer goes on where it stopped.
void move_json(rapidjson::StringBuffer& buffer, outputfile& file);

// A member name given as a literal, its length known when compiled (every
// game writes a few hundred of them).
template <size_t N>
inline void json_key(json_writer& writer, const char (&name)[N]) {
  writer.Key(name, static_cast<rapidjson::SizeType>(N - 1));
}

// A text from the log or the configuration as a JSON string (json_text:
// UTF-8 kept, other bytes as Latin-1; the writer escapes what JSON needs).
void write_json_text(json_writer& writer, std::string_view bytes);
// The plain form of a raw player name: its text as write_json_text gives
// it, less the colour codes (json_plain_text).
void write_json_plain(json_writer& writer, std::string_view raw_name);
// A number that may be undefined: null instead of NaN or infinity.
void write_json_number(json_writer& writer, double value);
// value, or null when it is not present.
void write_json_optional(json_writer& writer, bool present, int64_t value);

// The members every player object has (json_players.cc): kills, killed,
// suicides, world and total deaths, frags, ratio (null without playtime),
// eff, skill, fpm, dpm, playtime and the average ping (null without
// samples).
void write_json_counts(json_writer& writer, const player_t& player);
// The "weapons" member: slots 1 to 63 with any kill, death or suicide,
// named by names.
using weapon_slot_names = std::array<std::string, MAX_WEAPONS>;
void write_json_weapons(json_writer& writer, const player_t& player,
                        const weapon_slot_names& names);

// Counts by name from the log as a JSON object, names as write_json_text
// gives them; names that become equal there are counted as one, and the
// object keeps the order given (json_mod.cc).
void write_json_tally(
    json_writer& writer,
    const std::vector<std::pair<std::string, int64_t>>& counts);
// The "mod" member of a game: the figures its log provided, by name, and
// the team scores and round wins when provided (json_mod.cc).
void write_json_game_mod(json_writer& writer, const game_mod_figures& game);
// The "mod" member of a game's player: each figure the game's log
// provided, and no other (json_mod.cc).
void write_json_player_mod(json_writer& writer,
                           const player_mod_figures& player,
                           const game_mod_figures& game);

// Stands in a game's text for a player's run-wide number, which is known
// when the game is written but not whether that player is listed: the
// digits between two marks, in place of the number's value. JSON text
// never holds the byte raw (the writer escapes control characters in
// strings), so the export finds every mark and puts the number or null
// there.
inline constexpr char PLAYER_MARK = '\x01';

// A belief as {"mu": ..., "sigma": ...}, under the key written before it.
void write_json_skill(json_writer& writer, const skill& belief);

// One finished game (json_game.cc), numbered as its page, read from the
// log file at log_path; player_numbers holds the run-wide number of each
// of its players, in its order, each written as a PLAYER_MARK pair.
void write_json_game(json_writer& writer, const resultdata& game, int number,
                     std::string_view log_path,
                     const std::vector<int>& player_numbers);
// The "awards" member of a game (json_awards.cc): each award's winner by
// position, run-wide number (a PLAYER_MARK pair, as for its players) and
// name.
void write_json_game_awards(json_writer& writer, const resultdata& game,
                            const std::vector<int>& player_numbers);
// The document's "awards": the all-time winners by run-wide number and
// name; by_number: the run-wide records by number - 1.
void write_json_run_awards(json_writer& writer,
                           const std::vector<award_winner>& winners,
                           const std::vector<const player_t*>& by_number);
// One run-wide player record with its opponents (json_players.cc); the
// totals' opponents must be finished for every player.
void write_json_player(json_writer& writer, const player_t& player,
                       const configdata& config,
                       const weapon_slot_names& weapon_names);

#endif  // MORV_OUTPUT_JSON_WRITER_H_
