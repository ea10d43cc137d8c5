// The game page's chat section.
#include "modern/chat_section.h"

#include <string_view>

#include "modern/html.h"
#include "modern/page.h"
#include "stats/resultdata.h"

namespace modern {
namespace {

// A line's time from the game's start; a game without an InitGame time
// shows the log's own.
std::string chat_time(const resultdata& game, int time) {
  if (game.init_time < 0) return clock_time(time);
  const long long offset = static_cast<long long>(time) - game.init_time;
  return offset < 0 ? "−" + clock_time(-offset) : clock_time(offset);
}

}  // namespace

std::string chat_section(const resultdata& game,
                         const std::vector<std::string>& slugs) {
  const game_chat& chat = game.chat;
  if (chat.size() == 0) return "";
  std::string html = "<h2>Chat</h2>\n<ol class=\"chat\">\n";
  for (size_t i = 0; i < chat.size(); ++i) {
    const game_chat::line line = chat.at(i);
    const int player = game.find_player(line.name);
    std::string speaker = name_html(line.name);
    if (player >= 0) {
      speaker = player_link(slugs[static_cast<size_t>(player)], speaker, "../");
    }
    html += "<li><span class=\"at\">" + chat_time(game, line.time) +
            "</span><span>" + speaker;
    if (line.spectator) html += " <small>(spectator)</small>";
    html += ": " + name_html(line.said()) + "</span></li>\n";
  }
  html += "</ol>\n";
  if (chat.cut() > 0) {
    html += "<p class=\"sub\">… " + std::to_string(chat.cut()) + " more " +
            (chat.cut() == 1 ? "line" : "lines") + " not shown.</p>\n";
  }
  return html;
}

}  // namespace modern
