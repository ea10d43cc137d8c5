// The chat log page: head, chat lines, game headings and the close.
#include "analyzelog/chat_log.h"

#include <sys/stat.h>

#include <cstdio>

#include "diverse/funname.h"

void chat_log::open() {
  chatfile.open_at(folder, file.c_str(), "chat.htm",
                   outputfile::open_mode::create);
  chatfile.write("<html>");
  chatfile.write("<title>Morv chatlog</title>\r\n");
  chatfile.write(
      "<body text=#FFFFFF bgcolor=#000000 class=text link=#FFFFFF "
      "vlink=#FFFFFF alink=#FFFFFF>\r\n");
  write_game_heading(1);
}

void chat_log::write_line(std::string_view raw_name, std::string_view message,
                          bool spectator_form) {
  std::string line = spectator_form ? "<b>[---- " : "<b>";
  line += diverse::funname_to_html(raw_name);
  line += "</b>";
  line += diverse::funname_to_html(message);
  line += spectator_form ? " ----]<br>\r\n" : "<br>\r\n";
  chatfile.write(line);
}

void chat_log::write_game_heading(int number) {
  chatfile.print("<p><i><b>Game %i</b></i></p>\r\n", number);
}

void chat_log::finish() {
  if (!chatfile.is_open()) return;
  chatfile.write("</body>");
  chatfile.write("</html>");
  chatfile.close();
  struct stat written;
  long long size = 0;
  if (::fstatat(folder, file.c_str(), &written, 0) == 0) size = written.st_size;
  std::printf("\n\nWrote chat.htm [%lld byte]", size);
}
