// Fixed tables of the log generator: items, weapons, messages, maps.
#ifndef MORV_TOOLS_LOGGEN_TABLES_H_
#define MORV_TOOLS_LOGGEN_TABLES_H_

#include <array>
#include <cstdint>
#include <string_view>

namespace loggen {

// Weighted choice in O(1): a table of 1024 entries, each naming an index.
template <size_t N>
constexpr std::array<uint8_t, 1024> spread(
    const std::array<int, N>& weights) {
  int total = 0;
  for (int w : weights) total += w;
  std::array<uint8_t, 1024> table{};
  size_t at = 0;
  int sum = 0;
  for (size_t i = 0; i < N; ++i) {
    sum += weights[i];
    size_t end = static_cast<size_t>(1024 * sum / total);
    while (at < end) table[at++] = static_cast<uint8_t>(i);
  }
  return table;
}

// The 36 item classes Morv counts, then names it does not know.
inline constexpr std::array<std::string_view, 44> ITEMS = {
    "item_health_small", "item_health_large", "item_health_mega",
    "item_health", "item_armor_shard", "item_armor_combat", "item_armor_body",
    "item_enviro", "item_flight", "item_haste", "item_invis", "item_quad",
    "item_regen", "holdable_medkit", "holdable_teleporter",
    "team_CTF_blueflag", "team_CTF_redflag", "ammo_bfg", "ammo_bullets",
    "ammo_cells", "ammo_grenades", "ammo_lightning", "ammo_rockets",
    "ammo_shells", "ammo_slugs", "weapon_bfg", "weapon_grenadelauncher",
    "weapon_lightning", "weapon_machinegun", "weapon_plasmagun",
    "weapon_railgun", "weapon_rocketlauncher", "weapon_shotgun",
    "weapon_chaingun", "weapon_nailgun", "weapon_prox_launcher",
    "weapon_gauntlet", "item_botroam", "holdable_kamikaze",
    "team_CTF_neutralflag", "ut_weapon_ak", "ut_item_vest", "ammo_mines",
    "weapon_grapplinghook"};
inline constexpr std::array<int, 44> ITEM_WEIGHTS = {
    40, 25, 4, 30, 90, 15, 8, 1, 1, 1, 1, 3, 1, 1, 1, 2, 2, 1, 20, 12,
    4, 5, 14, 16, 6, 1, 8, 40, 2, 30, 20, 40, 40, 1, 1, 1, 2, 1, 1, 1, 2,
    1, 1, 1};

// Weapon (means of death) numbers of kills between players: the usual ones,
// some of the mods' (30 to 39) and a few beyond slot 39.
inline constexpr std::array<int, 20> WEAPONS = {1,  2,  3,  4,  5,  6,  7,
                                         8,  10, 11, 12, 13, 18, 23,
                                         24, 25, 30, 35, 39, 44};
inline constexpr std::array<int, 20> WEAPON_WEIGHTS = {
    60, 10, 60, 15, 20, 60, 80, 40, 80, 70, 5, 5, 3, 4, 3, 2, 4, 3, 2, 1};
inline constexpr std::array<int, 6> WORLD_WEAPONS = {14, 15, 16, 17, 19, 22};
inline constexpr std::array<int, 5> SELF_WEAPONS = {5, 7, 9, 13, 20};
inline constexpr std::array<std::string_view, 29> MODS = {
    "MOD_UNKNOWN", "MOD_SHOTGUN", "MOD_GAUNTLET", "MOD_MACHINEGUN",
    "MOD_GRENADE", "MOD_GRENADE_SPLASH", "MOD_ROCKET", "MOD_ROCKET_SPLASH",
    "MOD_PLASMA", "MOD_PLASMA_SPLASH", "MOD_RAILGUN", "MOD_LIGHTNING",
    "MOD_BFG", "MOD_BFG_SPLASH", "MOD_WATER", "MOD_SLIME", "MOD_LAVA",
    "MOD_CRUSH", "MOD_TELEFRAG", "MOD_FALLING", "MOD_SUICIDE",
    "MOD_TARGET_LASER", "MOD_TRIGGER_HURT", "MOD_NAIL", "MOD_CHAINGUN",
    "MOD_PROXIMITY_MINE", "MOD_KAMIKAZE", "MOD_JUICED", "MOD_GRAPPLE"};

inline constexpr std::array<std::string_view, 12> MESSAGES = {
    "gg", "^1red ^2green ^7white", "<script>alert('x')</script>",
    "a < b && c > d", "\"quoted\" & 'single'", "lol", "nice shot!",
    "</td></tr></table><h1>big</h1>", "rail & rocket & <plasma>",
    "^^7caret", "brb", "who wants 1on1?"};
inline constexpr std::array<std::string_view, 8> MAPS = {
    "q3dm17", "Q3DM6", "q3tourney2", "oa_dm7", "q3ctf4", "ps9ctf",
    "cbctf1", "MapName"};
inline constexpr std::array<std::string_view, 4> HOSTS = {
    "^4G^1O^3O^4G^2L^1E^7's INSTANT", "Opekone", "<b>Frag & Fun</b>",
    "noname"};
inline constexpr std::array<std::string_view, 5> MODELS = {
    "sarge", "visor", "major/daemia", "penguin/default", "doom/phobos"};
inline constexpr std::string_view SEPARATOR =
    "------------------------------------------------------------";

inline constexpr int WORLD = 1022;  // killer number of deaths by the world

// Team deathmatch and capture the flag.
inline bool team_type(int gametype) { return gametype >= 3 && gametype <= 4; }

inline const std::array<uint8_t, 1024> ITEM_TABLE = spread(ITEM_WEIGHTS);
inline const std::array<uint8_t, 1024> WEAPON_TABLE = spread(WEAPON_WEIGHTS);

}  // namespace loggen

#endif  // MORV_TOOLS_LOGGEN_TABLES_H_
