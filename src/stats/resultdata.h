// The record of one game: settings, client slots, players, teams, streaks
// and the kill matrix, filled by the log reader and read by the pages.
#ifndef MORV_STATS_RESULTDATA_H_
#define MORV_STATS_RESULTDATA_H_

#include <array>
#include <memory>
#include <set>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/configdata.h"
#include "stats/awards.h"
#include "stats/game_chat.h"
#include "stats/mod_figures.h"
#include "stats/player_t.h"
#include "stats/weapons.h"

// One server client number's slot in the current game.
struct client_slot {
  int state = 0;  // 0 not seen in this game, 1 active, 2 disconnected
  int player = -1;  // index into players, -1 for none
  int join_time = 0;  // start of the current playing period, seconds
};

// What the game's InitGame line and its end set: copied as a whole with
// the finished record.
struct game_settings {
  std::string mapname;   // lower case, at most 63 characters
  std::string gamename;  // at most 63 characters
  int gametype = 0;
  std::string gametype_name;  // "" until the first InitGame of the log
  int timelimit = 0;
  int fraglimit = 0;
  bool teamgame = false;
  // For the export; each InitGame starts them afresh.
  std::string hostname;  // sv_hostname, raw, at most 63 bytes; "" not given
  std::string started;   // wall-clock start, "YYYY-MM-DDThh:mm:ss"; "" unknown
  int init_time = -1;    // InitGame's time stamp, seconds; -1 without one
  int duration = -1;     // seconds from InitGame to ShutdownGame; -1 unknown
  // The weapon names of the game's mod (owned by the configuration), and
  // per slot the first "by MOD_..." text of its kill lines in this game.
  const configdata::weapon_names* weapon_set = nullptr;
  std::array<std::string, MAX_WEAPONS> weapon_texts;
  // True for a game of Urban Terror (by its gamename), which plays in
  // rounds after a "Warmup:" line and numbers its game types its own way.
  bool plays_in_rounds() const {
    return gamename.starts_with("q3ut") || gamename.starts_with("q3urt");
  }
  // The name a slot shows: the set's, else the log's own text.
  const std::string& weapon_name(int slot) const {
    const std::string& named = (*weapon_set)[static_cast<size_t>(slot)];
    return named.empty() ? weapon_texts[static_cast<size_t>(slot)] : named;
  }
  game_mod_figures mod;  // what the mod's own lines told of the game
};

// One game record per log file, owned by the driver (on the heap) and
// reset before every game. Client numbers outside 0 to 511 never index a
// slot: every event operation ignores them.
class resultdata : public game_settings {
 public:
  static constexpr int MAX_CLIENTS = 512;
  static constexpr int MAX_PLAYERS = 513;
  static constexpr int INITIAL_CAPACITY = 16;
  static constexpr int WORLD = 1022;  // the killer number of world deaths
  static constexpr int SPECTATOR = 3;  // the team code of spectators

  explicit resultdata(const configdata& config);
  resultdata(const resultdata&) = delete;
  resultdata& operator=(const resultdata&) = delete;

  // --- Lifecycle and players (resultdata.cc)
  void reset();
  // A copy of a finished game, as far as its pages, data file texts and
  // export read it: settings, teams, its players and their matrix (sized
  // for them alone, with planes only for the weapons used), none of the
  // reader's state. A copy is only read: no player can be added, no kill
  // counted.
  static std::unique_ptr<resultdata> copy_of_finished(const resultdata& game);
  // Takes and clears the next player record; grows the matrix when
  // num_players reaches capacity - 1; the 512th player is fatal
  // ("resultdata::add_player - too many clients in game (%i)").
  int add_player();
  // First player whose raw name equals name exactly, or -1.
  int find_player(std::string_view name) const;
  void set_gametype(int number);

  // --- Accessors (plain reads, no checks)
  int get_num_players() const { return num_players; }
  player_t& get_player(int i) { return players[static_cast<size_t>(i)]; }
  const player_t& get_player(int i) const {
    return players[static_cast<size_t>(i)];
  }
  player_t& get_team(int t) { return teams[static_cast<size_t>(t)]; }
  const player_t& get_team(int t) const {
    return teams[static_cast<size_t>(t)];
  }
  size_t matrix_index(int k, int v, int w) const {
    return (static_cast<size_t>(plane_of[static_cast<size_t>(w)]) *
                static_cast<size_t>(capacity) +
            static_cast<size_t>(k)) * static_cast<size_t>(capacity) +
           static_cast<size_t>(v);
  }
  int get_kills(int k, int v, int w) const {
    return kill_matrix[matrix_index(k, v, w)];
  }
  void set_kills(int k, int v, int w, int n) {
    kill_matrix[matrix_index(k, v, w)] = static_cast<uint16_t>(n);
    weapon_counted[static_cast<size_t>(w)] = true;
  }
  void count_kill(int k, int v, int w) {
    ++kill_matrix[matrix_index(k, v, w)];
    weapon_counted[static_cast<size_t>(w)] = true;
  }
  // False while weapon w's matrix has stayed all zero since the last reset
  // (most games use a few of the 40 weapons): moving or clearing players
  // skips those matrices.
  bool weapon_in_matrix(int w) const {
    return weapon_counted[static_cast<size_t>(w)];
  }
  int player_kills(int i, int w = 0) const { return get_player(i).kills[w]; }
  int player_killed(int i, int w = 0) const { return get_player(i).killed[w]; }
  int player_suicides(int i, int w = 0) const {
    return get_player(i).suicides[w];
  }
  int team_kills(int t, int w = 0) const { return teams[t].kills[w]; }
  int team_killed(int t, int w = 0) const { return teams[t].killed[w]; }
  int team_suicides(int t, int w = 0) const { return teams[t].suicides[w]; }
  // Sum of kills[w] over the game's players (saturated at INT32_MAX).
  int weapon_kills(int w) const;
  // A number names a client of kill and item lines when it lies in
  // 0 to capacity - 1.
  bool is_client(int number) const { return number >= 0 && number < capacity; }

  // --- Client and kill events (client_events.cc, kill_events.cc)
  // Opens a playing period and a streak for the slot.
  void client_connect(int client, int time);
  // Returns 1 when an active player of a 1on1 game goes to the spectators.
  int client_userinfo(int client, std::string_view name, int skill, int team,
                      int time);
  // Returns 1 when a non-spectator leaves a 1on1 game.
  int client_disconnect(int client, int time);
  // 0 recorded, 1 skipped for a bot, 2 not running or no player (a client
  // whose slot has no player record is never counted). A weapon number
  // without a slot (see SLOTTED_WEAPONS) counts under slot 0, with a
  // warning the first time the run meets the number.
  int add_kill(int killer, int victim, int weapon, int time);
  // Keeps text (a kill line's "by MOD_..." word) as the slot's text when
  // it has none yet in this game.
  void note_weapon_text(int weapon, std::string_view text);
  // The two halves of a move to and from the spectators.
  void leave_play(int client, int time);
  void rejoin_play(int client, int time);

  // --- Item, ping and game-control events (item_events.cc)
  // Counts a pickup; prints a warning with "LOGTIME" for a number that is
  // not a client or a slot without a player.
  void add_item(int client, const char* item, int time);
  void add_ping(int client, int ping);
  // Empties the client table and starts recording; players stay.
  void start_game(int time);
  // Decides teamgame, closes playing periods and streaks, empties the
  // client table and stops recording.
  void end_game(int time);
  // A game played in rounds between warm-ups: pause_round closes the
  // playing periods and streaks and stops recording, but keeps the client
  // table, so that joins and team changes before the next round still
  // count; no play time runs until open_round, which starts a period and
  // a streak for every client in the table and records again.
  void pause_round(int time);
  void open_round(int time);

  // --- Figures of the mods' own lines (mod_figures.cc). Each acts only
  // while running; the player ones only on a slot (0 to 511) that has a
  // player (a disconnected slot keeps its last). Each marks its figure as
  // provided by the log.
  void count_figure(int client, mod_figure figure);
  // Keeps the fastest capture; times below 0 are ignored.
  void capture_time(int client, int64_t milliseconds);
  void set_server_score(int client, int score);
  void add_award(int client, std::string_view name);
  // Marks shots as provided only when shots_known.
  void add_accuracy(int client, std::string_view weapon, int64_t shot_count,
                    int64_t hit_count, bool shots_known);
  // team 1 red, 2 blue: the last score given stands; other teams ignored.
  void set_team_score(int team, int score);
  // team 0 a draw, 1 red, 2 blue.
  void add_round_win(int team);

  // --- Finishing, ordering and compaction (game_order.cc).
  // Finishes a game that the reader has ended, for its pages, which only
  // read it: the secondary and primary sorts, remove_bots, remove_idle,
  // order_by_team and collapse_team_histories, in this order. False when
  // fewer than two players are left: the game is not shown nor counted.
  bool finish();
  // Exchange sort of the players by sort key (0 to 9; others do nothing):
  // descending, or alphabetical for the name, unless reverse is set. The
  // order of equal keys follows from the exchanges.
  void sort(int key, bool reverse);
  // Drop players (keeping the order of the rest and the matrix): bots
  // when skip_bots is on; players that neither fragged nor died.
  void remove_bots();
  void remove_idle();
  // A team game's players by team, the leading team first (red on equal
  // scores); other games keep their order.
  void order_by_team();
  // Runs of equal codes in each team history become one code.
  void collapse_team_histories();

  const configdata& config;
  int num_players = 0;
  int capacity = INITIAL_CAPACITY;
  // Most players in use since the last reset: reset clears that many
  // records and that corner of the matrix.
  int used_players = 0;
  std::array<client_slot, MAX_CLIENTS> clients{};
  std::array<player_t, 3> teams;
  std::array<int, MAX_CLIENTS + 1> streak{};
  std::array<int, MAX_CLIENTS + 1> streak_start{};
  bool running = false;
  // Each player's and team's running score is noted (for the modern
  // site's score chart) only when a run writes that site.
  const bool keep_timelines;
  // The game's public chat for its modern page and the export, kept by the
  // log reader only when a run writes one of them; reset empties it.
  const bool keep_chat;
  game_chat chat;
  bool round_paused = false;  // between pause_round and open_round
  // Weapon numbers without a slot warned about: the driver shares one set
  // among the records of a run.
  std::shared_ptr<std::set<int>> warned_weapons =
      std::make_shared<std::set<int>>();
  std::vector<uint16_t> kill_matrix;  // capacity^2 * MAX_WEAPONS + 1
  std::vector<player_t> players;      // MAX_PLAYERS records
  // The pool the game was rated in (player_rating.h), or NOT_RATED; set by
  // resultdata_total::rate_game.
  int rated_pool = NOT_RATED;
  // The game's awards (players by position), for its page and the export;
  // set by resultdata_total::add_game in runs that write either.
  std::vector<award_winner> award_winners;

 private:
  std::array<bool, MAX_WEAPONS> weapon_counted{};
  // The matrix plane of each weapon: a game being read has one for every
  // weapon, in weapon order; a copy has one for each weapon used and one
  // of zeros that the others share.
  std::array<uint8_t, MAX_WEAPONS> plane_of = own_planes();
  static std::array<uint8_t, MAX_WEAPONS> own_planes();
  // Slots at and above this are in the state empty_client_table leaves:
  // every operation that writes a slot's state first raises it (through
  // use_slot); the others touch only slots that have a player.
  int slots_in_use = MAX_CLIENTS;
  void use_slot(int client) {
    if (client >= slots_in_use) slots_in_use = client + 1;
  }

  // True when kills with this weapon number count in a slot of their own.
  bool has_slot(int weapon) const;
  // A record with room for players players and no matrix.
  resultdata(const configdata& config, int players);
  void grow();
  void empty_client_table();
  // The player record of slot client (0 to 511), or null when it has none.
  player_t* slot_player(int client);
  // A new player record for the slot, named and in its first team.
  void new_player(int client, std::string_view name, int skill, int team);
  // Notes the running scores of the kill's players and of both teams.
  void note_scores(player_t* killer, player_t* victim, int time);
  // Records the streak as mkiol when it beats it (the streak is not
  // cleared).
  void close_streak(int client, int time);
  // Closes the playing period and the streak of every active slot.
  void close_play(int time);
  // Adds time - join_time to the player's playtime when positive.
  void close_period(int client, int time);
  // The figures of slot client's player, the figure marked as provided;
  // null while not running or without a player.
  player_mod_figures* figures_of(int client, int figure);
  // Keeps the players for which keep is true, in order, with the matrix.
  void compact(bool (*keep)(const player_t&));
  void move_player(int from, int to);  // record, matrix row and column
};

#endif  // MORV_STATS_RESULTDATA_H_
