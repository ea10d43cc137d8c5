// File names of the modern site's player and map pages.
#ifndef MORV_MODERN_SLUGS_H_
#define MORV_MODERN_SLUGS_H_

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace modern {

// The base of a slug: the plain name lower-cased, every run of characters
// other than ASCII letters and digits one '-', none at either end, at most
// 40 characters; "x" when nothing is left.
std::string slug_base(std::string_view plain);

// Gives each key (a player's lower-cased plain name, a map's name) a slug
// of lower-case ASCII letters, digits and '-': never empty, never a path,
// unique among the keys. The first key of a base gets the base; a later
// one whose base is taken gets "-" and 6 (or more) hexadecimal digits of a
// hash of the key, so that a slug stays what it was from run to run.
// Owned by the modern site, used on the reading thread.
class slug_registry {
 public:
  const std::string& slug_for(const std::string& key);

 private:
  std::unordered_map<std::string, std::string> slugs;
  std::unordered_set<std::string> taken;
};

}  // namespace modern

#endif  // MORV_MODERN_SLUGS_H_
