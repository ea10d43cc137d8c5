// The item names of the log, by item class.
#include "stats/weapons.h"

#include <string_view>

namespace {

constexpr std::string_view ITEM_NAMES[ITEM_CLASSES] = {
    "item_health_small",      "item_health_large",    "item_health_mega",
    "item_health",            "item_armor_shard",     "item_armor_combat",
    "item_armor_body",        "item_enviro",          "item_flight",
    "item_haste",             "item_invis",           "item_quad",
    "item_regen",             "holdable_medkit",      "holdable_teleporter",
    "team_CTF_blueflag",      "team_CTF_redflag",     "ammo_bfg",
    "ammo_bullets",           "ammo_cells",           "ammo_grenades",
    "ammo_lightning",         "ammo_rockets",         "ammo_shells",
    "ammo_slugs",             "weapon_bfg",           "weapon_grenadelauncher",
    "weapon_lightning",       "weapon_machinegun",    "weapon_plasmagun",
    "weapon_railgun",         "weapon_rocketlauncher", "weapon_shotgun",
    "weapon_chaingun",        "weapon_nailgun",       "weapon_prox_launcher",
};

}  // namespace

// Called for every pickup line: comparing lengths first leaves a full
// comparison for at most a few names.
int find_item_class(const char* name) {
  std::string_view text(name);
  for (int i = 0; i < ITEM_CLASSES; ++i) {
    if (text == ITEM_NAMES[i]) return i;
  }
  return -1;
}

std::string_view item_class_name(int item) {
  return ITEM_NAMES[static_cast<size_t>(item)];
}
