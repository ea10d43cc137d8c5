// Award tables of the modern site.
#include "modern/award_html.h"

#include "modern/html.h"
#include "modern/page.h"

namespace modern {

std::string award_value(const award_winner& winner) {
  const award_definition& award =
      award_table()[static_cast<size_t>(winner.award)];
  switch (award.unit) {
    case award_unit::seconds:
      return clock_time(static_cast<long long>(winner.value));
    case award_unit::percent:
      return fixed(winner.value, 1) + " %";
    case award_unit::count:
      break;
  }
  return std::to_string(static_cast<long long>(winner.value));
}

void write_award_table(outputfile& page, const std::vector<award_line>& lines) {
  if (lines.empty()) return;
  open_table(page, {"Award", "Player", "Value", "Rule"}, "awards");
  for (const award_line& line : lines) {
    const award_definition& award =
        award_table()[static_cast<size_t>(line.winner.award)];
    // Names and rules are the table's own plain text, no log text.
    page.write("<tr><td class=\"n\">" + std::string(award.name) +
               "</td><td class=\"t\">" + line.player_html + "</td><td>" +
               award_value(line.winner) + "</td><td class=\"t rule\">" +
               std::string(award.rule) + "</td></tr>\n");
  }
  close_table(page);
}

}  // namespace modern
