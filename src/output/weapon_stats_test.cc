// Tests of the Weapon stats table of a player page.
#include "output/output.h"

#include <string>

#include "config/configdata.h"
#include "output/page_test_util.h"
#include "stats/player_t.h"

namespace {

class weapon_stats_test : public temp_folder_test {
 protected:
  std::string stats(const player_t& player) {
    return written_by([&](outputfile& f) {
      output out(static_cast<resultdata_total*>(nullptr), &f, &config, 0);
      out.write_weapon_stats(player);
    });
  }
  static std::string row(const char* weapon, int k, const char* ks, int d,
                         const char* ds) {
    auto cell = [](const std::string& text) {
      return "<td width=60 align=right>" + text + "</td>\r\n";
    };
    return std::string("<tr>\r\n<th width=120 align=left>") + weapon +
           "</th>\r\n" + cell(std::to_string(k)) + cell(ks) +
           cell(std::to_string(d)) + cell(ds) + "</tr>\r\n";
  }
  static std::string total(int k, int d) {
    return "<tr>\r\n<th width=120 align=left>TOTAL</th>\r\n"
           "<th width=60 align=right>" + std::to_string(k) + "</th>\r\n"
           "<th width=60 align=right>100 %</th>\r\n"
           "<th width=60 align=right>" + std::to_string(d) + "</th>\r\n"
           "<th width=60 align=right>100 %</th>\r\n</tr>\r\n</table>\r\n";
  }
  configdata config;
  const char* head =
      "<p><b>Weapon stats</b></p>\r\n<table border=1 cellspacing=0 "
      "bgcolor=#606060 bordercolor=#000000 align=center>\r\n"
      "<tr bgcolor=000080>\r\n<th bgcolor=#000080>Weapon</th>\r\n"
      "<th colspan=2 align=center bgcolor=#000080>Kills</th>\r\n"
      "<th colspan=2 align=center bgcolor=#000080>Deaths</th>\r\n</tr>\r\n";
};

// Rows only for slots with counts; shares of the player's totals.
TEST_F(weapon_stats_test, shares_are_rounded_half_up) {
  player_t player;
  player.kills[0] = 3;
  player.kills[6] = 2;
  player.kills[10] = 1;
  player.killed[0] = 8;
  player.killed[1] = 1;
  player.killed[10] = 7;
  EXPECT_EQ(stats(player), head + row("Shotgun", 0, "0 %", 1, "13 %") +
                               row("Rocket", 2, "67 %", 0, "0 %") +
                               row("Railgun", 1, "33 %", 7, "88 %") +
                               total(3, 8));
}

}  // namespace
