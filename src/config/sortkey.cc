// Names of the player sort keys.
#include "config/sortkey.h"

#include <array>

namespace {

constexpr std::array<const char*, 10> SORTKEY_NAMES = {
    "team", "ratio", "eff",   "skill", "kills",
    "killed", "name", "frags", "score", "playtime"};

}  // namespace

const char* sortkey_name(int key) {
  if (key < 0 || key >= static_cast<int>(SORTKEY_NAMES.size())) return "";
  return SORTKEY_NAMES[key];
}
