// The player-versus-player record.
#include "stats/p2p_t.h"

#include "diverse/funname.h"
#include "main/fatal_error.h"

p2p_t::p2p_t() { reset(); }

p2p_t::~p2p_t() {
  // Unlink node by node: a recursive release of a long list would overflow
  // the stack.
  std::unique_ptr<p2p_t> rest = std::move(next);
  while (rest) rest = std::move(rest->next);
}

void p2p_t::reset() {
  kills.fill(0);
  deaths.fill(0);
  plain_name.clear();
  name.clear();
}

p2p_t* p2p_t::append() {
  next = std::make_unique<p2p_t>();
  return next.get();
}

void p2p_t::set_name(std::string_view text) {
  if (text.size() > 128) fatal_error("p2p_t::set_name - overflow");
  if (text == name) return;
  name = text;
  plain_name = diverse::funname_to_ascii(text);
}
