// Tests of the log generator: same bytes for the same settings, exact
// sizes, the log features it must produce, and the name pool.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <unordered_set>

#include "diverse/funname.h"
#include "diverse/text.h"
#include "tools/loggen_game.h"

namespace {

std::string generate(const loggen::settings& config) {
  return loggen::log_text(config);
}

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + 1)) {
    ++n;
  }
  return n;
}

// Highest client number of a ClientConnect line.
int highest_client(const std::string& log) {
  int highest = -1;
  const std::string key = "ClientConnect: ";
  for (size_t at = log.find(key); at != std::string::npos;
       at = log.find(key, at + 1)) {
    highest = std::max(highest, std::atoi(log.c_str() + at + key.size()));
  }
  return highest;
}

}  // namespace

TEST(loggen_test, same_settings_give_same_bytes) {
  loggen::settings config;
  config.games = 5;
  std::string first = generate(config);
  EXPECT_EQ(first, generate(config));
  config.seed = 2;
  EXPECT_NE(first, generate(config));
}

TEST(loggen_test, size_is_exact_and_a_smaller_size_is_a_prefix) {
  loggen::settings config;
  config.size = 300000;
  std::string big = generate(config);
  EXPECT_EQ(big.size(), 300000u);
  config.size = 123457;
  std::string small = generate(config);
  EXPECT_EQ(small.size(), 123457u);
  EXPECT_EQ(big.compare(0, small.size(), small), 0);
}

TEST(loggen_test, game_count_gives_complete_games_and_a_cut_one) {
  loggen::settings config;
  config.games = 7;
  std::string log = generate(config);
  EXPECT_EQ(count(log, "Exit: "), 7u);
  size_t last_init = log.rfind("InitGame:");
  EXPECT_EQ(log.find("ShutdownGame:", last_init), std::string::npos);
  EXPECT_EQ(log.back(), '\n');
}

TEST(loggen_test, log_has_every_feature_of_the_grammar) {
  loggen::settings config;
  config.games = 60;
  config.players = 24;
  std::string log = generate(config);
  std::vector<std::string> needles = {
      "Warmup:", "ClientDisconnect: ", "\\t\\3\\", "\\skill\\    ",
      "Kill: 1022 ", "MOD_SUICIDE", " 44: ", "say: ", "sayteam: ", "<", "&",
      "^", "Exit: ", "score: ", "red:", "ShutdownGame:", "\\g_motd\\\\",
      "\\g_gametype\\0\\", "\\g_gametype\\1\\", "\\g_gametype\\3\\",
      "\\g_gametype\\4\\", "\\gamename\\arena\\", "Item: ", "item_botroam",
      "CTF: ", "PlayerScore: "};
  for (const char* item : {"item_health_small", "item_health_large",
       "item_health_mega", "item_health\n", "item_armor_shard",
       "item_armor_combat", "item_armor_body", "item_enviro", "item_flight",
       "item_haste", "item_invis", "item_quad", "item_regen",
       "holdable_medkit", "holdable_teleporter", "team_CTF_blueflag",
       "team_CTF_redflag", "ammo_bfg", "ammo_bullets", "ammo_cells",
       "ammo_grenades", "ammo_lightning", "ammo_rockets", "ammo_shells",
       "ammo_slugs", "weapon_bfg", "weapon_grenadelauncher",
       "weapon_lightning", "weapon_machinegun", "weapon_plasmagun",
       "weapon_railgun", "weapon_rocketlauncher", "weapon_shotgun",
       "weapon_chaingun", "weapon_nailgun", "weapon_prox_launcher"}) {
    needles.push_back(std::string(" ") + item);
  }
  for (const std::string& needle : needles) {
    EXPECT_NE(log.find(needle), std::string::npos) << needle;
  }
}

TEST(loggen_test, players_per_game_and_the_stress_game) {
  loggen::settings config;
  config.games = 20;
  config.players = 4;
  // Late joins may take up to four client numbers beyond the players.
  EXPECT_LE(highest_client(generate(config)), 7);
  config.games = 0;
  config.stress = true;
  std::string log = generate(config);
  EXPECT_EQ(highest_client(log), 510);
  // Every one of the 511 clients keeps one record: no bots, nobody leaves.
  std::string stress = log.substr(0, log.find("ShutdownGame:"));
  EXPECT_EQ(count(stress, "ClientConnect: "), 511u);
  EXPECT_EQ(count(stress, "ClientDisconnect: "), 0u);
  EXPECT_EQ(count(stress, "\\skill\\"), 0u);
}

TEST(loggen_test, crlf_ends_every_line_with_carriage_return) {
  loggen::settings config;
  config.games = 2;
  config.crlf = true;
  std::string log = generate(config);
  EXPECT_EQ(count(log, "\n"), count(log, "\r\n"));
  EXPECT_GT(count(log, "\n"), 100u);
}

TEST(loggen_test, pool_names_differ_without_colours_and_case) {
  std::unordered_set<std::string> seen;
  for (uint32_t i = 0; i < 50000; ++i) {
    std::string name = loggen::pool_name(i, 0);
    std::string plain = diverse::to_lower(diverse::funname_to_ascii(name));
    ASSERT_TRUE(seen.insert(plain).second) << i << " " << name;
    ASSERT_LE(name.size(), 63u) << name;
    ASSERT_EQ(name.find_first_of("\\:\n"), std::string::npos) << name;
    std::string renamed = loggen::pool_name(i, 5);
    ASSERT_EQ(plain, diverse::to_lower(diverse::funname_to_ascii(renamed)))
        << renamed;
  }
}

TEST(loggen_test, name_pool_bounds_the_distinct_names) {
  loggen::settings config;
  config.games = 40;
  config.names = 50;
  config.fresh = 100;
  std::string log = generate(config);
  std::set<std::string> names;
  const std::string key = " n\\";
  for (size_t at = log.find(key); at != std::string::npos;
       at = log.find(key, at + 1)) {
    size_t end = log.find('\\', at + key.size());
    std::string name = log.substr(at + key.size(), end - at - key.size());
    names.insert(diverse::to_lower(diverse::funname_to_ascii(name)));
  }
  // 50 pool names, all used, and at most the 16 bot names besides.
  EXPECT_GE(names.size(), 50u);
  EXPECT_LE(names.size(), 50u + loggen::BOT_NAMES);
}
