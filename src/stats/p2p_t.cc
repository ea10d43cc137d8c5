// The player-versus-player record.
#include "stats/p2p_t.h"

#include "diverse/fatal_error.h"
#include "diverse/funname.h"

void p2p_t::reset() {
  kills.fill(0);
  deaths.fill(0);
  plain_name.clear();
  name.clear();
  opponent = nullptr;
}

void p2p_t::set_name(std::string_view text) {
  if (text.size() > 128) fatal_error("p2p_t::set_name - overflow");
  if (text == name) return;
  name = text;
  plain_name = diverse::funname_to_ascii(text);
}
