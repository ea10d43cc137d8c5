// Per-weapon counter slots and the item classes a player record counts.
#ifndef MORV_STATS_WEAPONS_H_
#define MORV_STATS_WEAPONS_H_

#include <string_view>

// Slot 0 is the sum over all weapons; slots 1 to 63 are the log's weapon
// (means of death) numbers. A number below SLOTTED_WEAPONS always has its
// slot; one from there on only when the game's weapon set names it (the
// mods that number their weapons so high), else it counts under slot 0.
inline constexpr int MAX_WEAPONS = 64;
inline constexpr int SLOTTED_WEAPONS = 40;

// Pickup counters of a player record, in record order.
enum item_class {
  item_health_small,
  item_health_large,
  item_health_mega,
  item_health,
  item_armor_shard,
  item_armor_combat,
  item_armor_body,
  item_enviro,
  item_flight,
  item_haste,
  item_invis,
  item_quad,
  item_regen,
  holdable_medkit,
  holdable_teleporter,
  team_CTF_blueflag,
  team_CTF_redflag,
  ammo_bfg,
  ammo_bullets,
  ammo_cells,
  ammo_grenades,
  ammo_lightning,
  ammo_rockets,
  ammo_shells,
  ammo_slugs,
  weapon_bfg,
  weapon_grenadelauncher,
  weapon_lightning,
  weapon_machinegun,
  weapon_plasmagun,
  weapon_railgun,
  weapon_rocketlauncher,
  weapon_shotgun,
  weapon_chaingun,
  weapon_nailgun,
  weapon_prox_launcher,
  ITEM_CLASSES  // 36
};

// Returns the item class whose log name equals name exactly, or -1.
int find_item_class(const char* name);
// The log name of an item class (0 to ITEM_CLASSES - 1).
std::string_view item_class_name(int item);

#endif  // MORV_STATS_WEAPONS_H_
