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
  // A game's playtime wraps modulo 2^32 (a negative one is a long time),
  // and the sum saturates: run-wide playtime is never negative.
  total.playtime = diverse::saturate_int32(
      int64_t{total.playtime} + static_cast<uint32_t>(game_player.playtime));
}

}  // namespace

resultdata_total::resultdata_total(configdata& config)
    : config(&config),
      keep_awards(config.json_export || !config.site_directory.empty()) {}

void resultdata_total::note_weapon_names(const resultdata& game) {
  static constexpr int MAX_NAMES = 3;
  for (int slot = 1; slot < MAX_WEAPONS; ++slot) {
    int& count = weapon_name_count[static_cast<size_t>(slot)];
    if (count >= MAX_NAMES) continue;
    const std::string& name = game.weapon_name(slot);
    if (name.empty()) continue;
    bool used = false;
    for (int i = 0; i < game.get_num_players() && !used; ++i) {
      const player_t& player = game.get_player(i);
      used = player.kills[slot] != 0 || player.killed[slot] != 0 ||
             player.suicides[slot] != 0;
    }
    if (!used) continue;
    std::string& joined = weapon_names[static_cast<size_t>(slot)];
    if (joined == name || joined.starts_with(name + " / ") ||
        joined.ends_with(" / " + name) ||
        joined.find(" / " + name + " / ") != std::string::npos) {
      continue;
    }
    if (!joined.empty()) joined += " / ";
    joined += name;
    ++count;
  }
}

std::vector<int> resultdata_total::add_game(resultdata& game) {
  note_weapon_names(game);
  const int count = game.get_num_players();
  std::vector<int> numbers;
  numbers.reserve(static_cast<size_t>(count));
  std::vector<uint32_t> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    names.push_back(name_number(name_key(game.get_player(i).name)));
  }

  // A long run's opponent records lie scattered over much memory: each
  // player's are asked for before any is used, so that the cache misses
  // overlap instead of following one another.
  std::vector<size_t> positions(static_cast<size_t>(count));
  for (int p = 0; p < count; ++p) {
    const player_t& game_player = game.get_player(p);
    player_t& total = *find_player(game_player.name);
    const opponent_index& index =
        opponent_indexes[static_cast<size_t>(total.number - 1)];
    for (int q = 0; q < count; ++q) {
      if (q != p) index.prefetch(names[static_cast<size_t>(q)]);
    }
    for (int q = 0; q < count; ++q) {
      if (q == p) continue;
      const size_t position = find_p2p(total, names[static_cast<size_t>(q)],
                                       game.get_player(q).name);
      __builtin_prefetch(&total.opponents[position]);
      positions[static_cast<size_t>(q)] = position;
    }
    for (int q = 0; q < count; ++q) {
      if (q == p) continue;
      p2p_t& opponent = total.opponents[positions[static_cast<size_t>(q)]];
      opponent.kills[0] += static_cast<uint32_t>(game.get_kills(p, q, 0));
      opponent.deaths[0] += static_cast<uint32_t>(game.get_kills(q, p, 0));
    }
    add_player_counts(total, game_player);
    numbers.push_back(total.number);
  }
  if (keep_awards) game.award_winners = award_counts.add_game(game, numbers);
  return numbers;
}

player_t* resultdata_total::find_player(std::string_view raw_name) {
  if (raw_name.empty()) raw_name = EMPTY_NAME;
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

  players.push_back(std::make_unique<player_t>());
  player_t* created = players.back().get();
  created->set_name(raw_name);
  created->number = static_cast<int>(players.size());
  player_index.emplace(key, created);
  opponent_indexes.emplace_back();
  return created;
}

player_t* resultdata_total::lookup(const std::string& key) const {
  auto it = player_index.find(key);
  return it == player_index.end() ? nullptr : it->second;
}

uint32_t resultdata_total::name_number(const std::string& key) {
  auto [entry, added] = name_numbers.try_emplace(
      key, static_cast<uint32_t>(name_numbers.size()));
  return entry->second;
}

// Records are only ever created here, one per name number and owner, at
// the end of the owner's list.
size_t resultdata_total::find_p2p(player_t& player, uint32_t name,
                                  std::string_view raw_name) {
  uint32_t& entry =
      opponent_indexes[static_cast<size_t>(player.number - 1)].entry(name);
  if (entry == 0) {
    player.opponents.emplace_back();
    player.opponents.back().set_name(raw_name);
    entry = static_cast<uint32_t>(player.opponents.size());
  }
  return entry - 1;
}

namespace {

size_t home_slot(uint32_t name, size_t mask) {
  return static_cast<size_t>((name * 0x9E3779B97F4A7C15ull) >> 32) & mask;
}

}  // namespace

void resultdata_total::opponent_index::prefetch(uint32_t name) const {
  if (!slots.empty()) {
    __builtin_prefetch(&slots[home_slot(name, slots.size() - 1)]);
  }
}

uint32_t& resultdata_total::opponent_index::entry(uint32_t name) {
  if ((used + 1) * 2 > slots.size()) grow();
  size_t mask = slots.size() - 1;
  size_t i = home_slot(name, mask);
  for (;; i = (i + 1) & mask) {
    if (slots[i].first == name + 1) return slots[i].second;
    if (slots[i].first == 0) break;
  }
  slots[i] = {name + 1, 0};
  ++used;
  return slots[i].second;
}

void resultdata_total::opponent_index::grow() {
  std::vector<std::pair<uint32_t, uint32_t>> old = std::move(slots);
  slots.assign(old.empty() ? 16 : old.size() * 2, {0, 0});
  used = 0;
  for (const auto& [key, position] : old) {
    if (key != 0) entry(key - 1) = position;
  }
}

void resultdata_total::opponent_index::reorder(const std::vector<int>& order) {
  std::vector<uint32_t> new_entry(order.size() + 1, 0);
  for (size_t i = 0; i < order.size(); ++i) {
    new_entry[static_cast<size_t>(order[i]) + 1] = static_cast<uint32_t>(i + 1);
  }
  for (auto& [key, position] : slots) {
    if (key != 0) position = new_entry[position];
  }
}
