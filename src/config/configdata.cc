// The settings object: every field's default value.
#include "config/configdata.h"

namespace {

// Display names of the weapons by means-of-death number; slot 0 sums all.
void set_default_weaponnames(
    std::array<std::string, configdata::MAX_WEAPON_NAMES>& names) {
  names[0] = "All weapons";
  names[1] = "Shotgun";
  names[2] = "Gauntlet";
  names[3] = "Machinegun";
  names[4] = "Grenade";
  names[5] = "Grenade splash";
  names[6] = "Rocket";
  names[7] = "Rocket splash";
  names[8] = "Plasma";
  names[9] = "Plasma splash";
  names[10] = "Railgun";
  names[11] = "Lightning gun";
  names[12] = "BFG";
  names[13] = "BFG splash";
  names[18] = "telefrag";
}

}  // namespace

configdata::configdata()
    : homepage_address("https://morv.example.org/"),
      homepage_string("Morv homepage"),
      font_size_title("12"),
      font_size_text("10"),
      cfg_filename("morv.cfg") {
  set_default_weaponnames(weaponnames);
}
