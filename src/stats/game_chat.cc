// A game's bounded chat.
#include "stats/game_chat.h"

void game_chat::add(int time, std::string_view name, std::string_view message,
                    bool spectator) {
  const size_t size = name.size() + message.size();
  if (cut_lines > 0 || entries.size() == MAX_LINES ||
      texts.size() + size > MAX_BYTES) {
    ++cut_lines;
    return;
  }
  entries.push_back({time, spectator, static_cast<uint32_t>(name.size()),
                     static_cast<uint32_t>(message.size()), texts.size()});
  texts += name;
  texts += message;
}

void game_chat::clear() {
  entries.clear();
  texts.clear();
  cut_lines = 0;
}

std::string_view game_chat::line::said() const {
  std::string_view text = message;
  if (text.starts_with(':')) text.remove_prefix(1);
  while (text.starts_with(' ')) text.remove_prefix(1);
  return text;
}

game_chat::line game_chat::at(size_t i) const {
  const entry& kept = entries[i];
  const std::string_view all = texts;
  return {kept.time, kept.spectator, all.substr(kept.start, kept.name_size),
          all.substr(kept.start + kept.name_size, kept.message_size)};
}
