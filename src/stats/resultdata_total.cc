// The totals over all games: summing games, finding players and opponents.
#include "stats/resultdata_total.h"

#include <cstdint>
#include <vector>

#include "config/configdata.h"
#include "diverse/funname.h"
#include "diverse/numbers.h"
#include "diverse/text.h"
#include "stats/resultdata.h"

namespace {

// player_t::set_name stores an empty name under this text, so an empty
// name must be looked up under it to find the record it made.
constexpr std::string_view EMPTY_NAME = "MORV_ERROR_EMPTY_NAME";

// The key under which a raw name is matched: its plain form, lower-cased.
std::string name_key(std::string_view raw_name) {
  return diverse::to_lower(diverse::funname_to_ascii(raw_name));
}

void add_counts(std::array<uint32_t, MAX_WEAPONS>& sum,
                const std::array<uint32_t, MAX_WEAPONS>& part) {
  for (int w = 0; w < MAX_WEAPONS; ++w) sum[w] += part[w];
}

// Adds what a game's player record carries into the totals.
void add_player_counts(player_t& total, const player_t& game_player) {
  add_counts(total.kills, game_player.kills);
  add_counts(total.killed, game_player.killed);
  add_counts(total.suicides, game_player.suicides);
  total.bot_skill = game_player.bot_skill;
  total.games = diverse::saturate_int32(int64_t{total.games} + 1);
  total.ping_count = diverse::wrap_add(total.ping_count, game_player.ping_count);
  total.ping_sum = diverse::wrap_add(total.ping_sum, game_player.ping_sum);
  total.deaths += game_player.deaths;
  // Saturates so that a hostile log can never make playtime negative.
  total.playtime = diverse::saturate_int32(int64_t{total.playtime} +
                                           game_player.playtime);
}

}  // namespace

resultdata_total::resultdata_total(configdata& config) : config(&config) {}

void resultdata_total::add_game(const resultdata& game) {
  const int count = game.get_num_players();
  std::vector<uint32_t> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    names.push_back(name_number(name_key(game.get_player(i).name)));
  }

  for (int p = 0; p < count; ++p) {
    const player_t& game_player = game.get_player(p);
    player_t& total = *find_player(game_player.name);
    for (int q = 0; q < count; ++q) {
      if (q == p) continue;
      p2p_t& opponent =
          *find_p2p_by_number(total, names[q], game.get_player(q).name);
      opponent.kills[0] += static_cast<uint32_t>(game.get_kills(p, q, 0));
      opponent.deaths[0] += static_cast<uint32_t>(game.get_kills(q, p, 0));
    }
    add_player_counts(total, game_player);
  }
}

// The per-player pages look up every opponent of every player: the answer
// for a raw name is kept until a record is created (a new record may be
// the answer for names that found another one before).
player_t* resultdata_total::find_player(std::string_view raw_name) {
  if (raw_name.empty()) raw_name = EMPTY_NAME;
  auto known = found_by_raw_name.find(raw_name);
  if (known != found_by_raw_name.end() &&
      known->second.players == player_counter) {
    return known->second.found;
  }
  player_t* found = search_player(raw_name);
  found_by_raw_name.insert_or_assign(std::string(raw_name),
                                     earlier_answer{found, player_counter});
  return found;
}

player_t* resultdata_total::search_player(std::string_view raw_name) {
  const std::string plain = diverse::funname_to_ascii(raw_name);
  config->resolve_alias(plain);
  // The first entry is always a candidate (it may be the empty name); later
  // empty entries are unused slots.
  for (size_t i = 0; i < config->alias_names.size(); ++i) {
    const std::string& candidate = config->alias_names[i];
    if (i > 0 && candidate.empty()) continue;
    if (player_t* found = lookup(diverse::to_lower(candidate))) return found;
  }
  // The name itself, in case the alias group does not list it: without
  // this a name cut from its group would become a new player every game.
  const std::string key = diverse::to_lower(plain);
  if (player_t* found = lookup(key)) return found;

  player_t* created = last_player()->append();
  created->set_name(raw_name);
  created->number = ++player_counter;
  player_index.emplace(key, created);
  tail = created;
  return created;
}

player_t* resultdata_total::lookup(const std::string& key) const {
  auto it = player_index.find(key);
  return it == player_index.end() ? nullptr : it->second;
}

player_t* resultdata_total::last_player() {
  // A sort may have moved another record to the end.
  while (tail->next) tail = tail->next.get();
  return tail;
}

p2p_t* resultdata_total::find_p2p(player_t& player, std::string_view raw_name) {
  return find_p2p_by_number(player, name_number(name_key(raw_name)),
                            raw_name);
}

uint32_t resultdata_total::name_number(const std::string& key) {
  auto [entry, added] = name_numbers.try_emplace(
      key, static_cast<uint32_t>(name_numbers.size()));
  return entry->second;
}

// Records are only ever created here, one per key and owner, so the entry
// for the key is the first record in list order whose name matches.
p2p_t* resultdata_total::find_p2p_by_number(player_t& player, uint32_t name,
                                            std::string_view raw_name) {
  opponent_list& list = opponent_lists[&player];
  p2p_t*& record = list.entry(name);
  if (record != nullptr) return record;
  if (list.tail == nullptr) list.tail = &player.p2ps;
  // A sort may have moved another record to the end.
  while (list.tail->next) list.tail = list.tail->next.get();
  record = list.tail->append();
  record->set_name(raw_name);
  list.tail = record;
  return record;
}

p2p_t*& resultdata_total::opponent_list::entry(uint32_t name) {
  if ((used + 1) * 2 > slots.size()) grow();
  size_t mask = slots.size() - 1;
  size_t i = static_cast<size_t>((name * 0x9E3779B97F4A7C15ull) >> 32) & mask;
  for (;; i = (i + 1) & mask) {
    if (slots[i].first == name + 1) return slots[i].second;
    if (slots[i].first == 0) break;
  }
  slots[i].first = name + 1;
  ++used;
  return slots[i].second;
}

void resultdata_total::opponent_list::grow() {
  std::vector<std::pair<uint32_t, p2p_t*>> old = std::move(slots);
  slots.assign(old.empty() ? 16 : old.size() * 2, {0, nullptr});
  used = 0;
  for (const auto& [key, record] : old) {
    if (key != 0) entry(key - 1) = record;
  }
}

int resultdata_total::count_players() const {
  int count = 0;
  for (const player_t* p = players.next.get(); p; p = p->next.get()) ++count;
  return count;
}

int resultdata_total::count_p2ps(const player_t& player) const {
  int count = 0;
  for (const p2p_t* p = player.p2ps.next.get(); p; p = p->next.get()) ++count;
  return count;
}
