// Slugs from names, with stable suffixes for collisions.
#include "modern/slugs.h"

#include <cstdint>
#include <cstdio>

namespace modern {
namespace {

constexpr size_t MAX_BASE = 40;

uint64_t fnv1a(std::string_view text) {
  uint64_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

std::string slug_base(std::string_view plain) {
  std::string slug;
  bool dash = false;
  for (char c : plain) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const bool kept = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!kept) {
      dash = !slug.empty();
      continue;
    }
    if (slug.size() + dash + 1 > MAX_BASE) break;
    if (dash) slug += '-';
    slug += c;
    dash = false;
  }
  return slug.empty() ? "x" : slug;
}

const std::string& slug_registry::slug_for(const std::string& key) {
  const auto known = slugs.find(key);
  if (known != slugs.end()) return known->second;
  std::string slug = slug_base(key);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx",
                static_cast<unsigned long long>(fnv1a(key)));
  for (size_t digits = 6; taken.count(slug) != 0; ++digits) {
    slug = slug_base(key) + "-" +
           (digits <= 16 ? std::string(hex, digits)
                         : std::string(hex) + std::to_string(digits));
  }
  taken.insert(slug);
  return slugs.emplace(key, std::move(slug)).first->second;
}

}  // namespace modern
